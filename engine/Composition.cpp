#include "engine/Composition.h"

namespace tessik {
namespace {

constexpr CodeValue kHasanta = 0x09CD;
constexpr CodeValue kLetterYa = 0x09AF;
constexpr CodeValue kLetterRa = 0x09B0;
constexpr CodeValue kKhandaTa = 0x09CE;
constexpr CodeValue kZeroWidthNonJoiner = 0x200C;

struct VowelPair {
    CodeValue sign;
    CodeValue independent;
};

constexpr VowelPair kVowels[] = {
    {0x09BE, 0x0986}, {0x09BF, 0x0987}, {0x09C0, 0x0988}, {0x09C1, 0x0989}, {0x09C2, 0x098A},
    {0x09C3, 0x098B}, {0x09C7, 0x098F}, {0x09C8, 0x0990}, {0x09CB, 0x0993}, {0x09CC, 0x0994},
};

void AddBackspaces(int count, InjectionBatch& out) {
    for (int i = 0; i < count; ++i)
        out.Add(InjectionBatch::kBackspace);
}

} // namespace

void OutputHistory::Push(CodeValue code) {
    for (int i = 0; i + 1 < kLength; ++i)
        codes_[static_cast<std::size_t>(i)] = codes_[static_cast<std::size_t>(i + 1)];
    codes_[kLength - 1] = code;
}

void Composer::RecordOutput(CodeValue code, InjectionBatch& out) {
    history_.Push(code);
    hasantaJustTyped_ = code == kHasanta;
    if (history_[3] != kHasanta)
        return;
    for (const VowelPair& vowel : kVowels) {
        if (history_[4] == vowel.sign) {
            AddBackspaces(2, out);
            out.Add(vowel.independent);
            return;
        }
    }
}

CodeValue Composer::CharacterForKey(CodeValue value) const {
    if (value == kHasanta && hasantaJustTyped_)
        return kZeroWidthNonJoiner;
    return value;
}

void Composer::RunSpecialCode(CodeValue code, InjectionBatch& out) {
    const auto typeAndRecord = [&](CodeValue c) {
        out.Add(c);
        RecordOutput(c, out);
    };
    switch (code) {
    case special::KhandaTa:
        typeAndRecord(kKhandaTa);
        break;
    case special::HasantaYa:
        typeAndRecord(kHasanta);
        typeAndRecord(kLetterYa);
        break;
    case special::HasantaRa:
        typeAndRecord(kHasanta);
        typeAndRecord(kLetterRa);
        break;
    case special::Reph:
        TypeReph(out);
        break;
    default:
        break;
    }
}

// Erases the cluster just typed (one, three or five characters, as the
// history shows it), types RA and hasanta, then types the cluster again so
// that the reph stands in front of it. Nothing is recorded.
void Composer::TypeReph(InjectionBatch& out) const {
    int first = 4;
    if (history_[1] == kHasanta && history_[3] == kHasanta)
        first = 0;
    else if (history_[3] == kHasanta)
        first = 2;
    AddBackspaces(OutputHistory::kLength - first, out);
    out.Add(kLetterRa);
    out.Add(kHasanta);
    for (int i = first; i < OutputHistory::kLength; ++i)
        out.Add(history_[i]);
}

} // namespace tessik
