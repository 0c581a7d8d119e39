#include "engine/PhoneticScheme.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <ranges>

namespace tessik {
namespace {

// The key as matching reads it: capitals other than D G I N O R S T U Z are
// their small letters. Keys outside ASCII start no piece.
constexpr auto kFoldedKeys = [] {
    std::array<char, 128> folded{};
    for (std::size_t key = 0; key < folded.size(); ++key) {
        const auto c = static_cast<char>(key);
        const bool caseCounts = std::string_view("DGINORSTUZ").find(c) != std::string_view::npos;
        folded[key] = c >= 'A' && c <= 'Z' && !caseCounts ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}();

constexpr char Folded(char key) {
    const auto index = static_cast<unsigned char>(key);
    return index < kFoldedKeys.size() ? kFoldedKeys[index] : '\0';
}

constexpr std::size_t kPieceCount = std::size(kSchemePieces);
constexpr uint8_t kNoPiece = 0xFF;
static_assert(kPieceCount < kNoPiece, "piece numbers are bytes");

constexpr std::size_t PiecesStartingWith(char first) {
    std::size_t count = 0;
    for (const SchemePiece& piece : kSchemePieces)
        count += piece.latin.front() == first ? 1 : 0;
    return count;
}

constexpr std::size_t kMaxPiecesPerFirstKey = [] {
    std::size_t most = 0;
    for (const SchemePiece& piece : kSchemePieces)
        most = std::max(most, PiecesStartingWith(piece.latin.front()));
    return most;
}();

// For each first key, the pieces that start with it, longest first, so that
// the first that matches is the longest match. Ends at kNoPiece.
using Candidates = std::array<uint8_t, kMaxPiecesPerFirstKey + 1>;
constexpr auto kCandidatesByFirstKey = [] {
    std::array<Candidates, kFoldedKeys.size()> table{};
    for (Candidates& candidates : table)
        candidates.fill(kNoPiece);
    for (std::size_t length = kMaxPieceKeys; length > 0; --length) {
        for (std::size_t index = 0; index < kPieceCount; ++index) {
            const SchemePiece& piece = kSchemePieces[index];
            if (piece.latin.size() != length)
                continue;
            Candidates& candidates = table[static_cast<unsigned char>(piece.latin.front())];
            *std::ranges::find(candidates, kNoPiece) = static_cast<uint8_t>(index);
        }
    }
    return table;
}();

// The first key has already chosen the candidates.
bool StartsWithPiece(std::string_view keys, std::string_view latin) {
    if (keys.size() < latin.size())
        return false;
    for (std::size_t i = 1; i < latin.size(); ++i) {
        if (Folded(keys[i]) != latin[i])
            return false;
    }
    return true;
}

// Letters compared as the letter table shows them: the joiners that only
// decide how neighbours join are not letters.
bool SameLetters(std::u16string_view a, std::u16string_view b) {
    const auto isLetter = [](char16_t c) { return c != u'\u200C' && c != u'\u200D'; };
    return std::ranges::equal(a | std::views::filter(isLetter), b | std::views::filter(isLetter));
}

bool IsJoinedForm(std::u16string_view letter, std::u16string_view consonant) {
    return !consonant.empty() && letter.size() == consonant.size() + 1 &&
           letter.front() == kJoiningHasanta && letter.substr(1) == consonant;
}

// A piece types `letter` as one of its own forms.
bool TypesOnItsOwn(const SchemePiece& piece, std::u16string_view letter) {
    if (SameLetters(piece.plain, letter))
        return true;
    if (piece.kind == PieceKind::Phala)
        return IsJoinedForm(letter, piece.inContext);
    return SameLetters(piece.inContext, letter);
}

// A consonant types `letter` as it joins the consonant before it (ra-phala)
// or, before another consonant, as the reph.
bool ConsonantTypesJoined(const SchemePiece& piece, std::u16string_view letter) {
    if (piece.kind != PieceKind::Consonant)
        return false;
    const std::u16string_view consonant = piece.plain;
    const bool reph = letter.size() == consonant.size() + 1 && letter.back() == kJoiningHasanta &&
                      letter.starts_with(consonant);
    return reph || IsJoinedForm(letter, consonant);
}

// What the letter table shows for a code: the character itself, or for
// special codes 2 to 4 the pair they type.
std::u16string_view LetterOfCode(CodeValue code, char16_t& character) {
    switch (code) {
    case special::HasantaYa:
        return u"\u09CD\u09AF";
    case special::HasantaRa:
        return u"\u09CD\u09B0";
    case special::Reph:
        return u"\u09B0\u09CD";
    default:
        if (IsSpecialCode(code) || code < 1 || code > 0xFFFF)
            return {};
        character = static_cast<char16_t>(code);
        return {&character, 1};
    }
}

} // namespace

const SchemePiece* LongestPieceAt(std::string_view keys) {
    if (keys.empty())
        return nullptr;
    const char first = Folded(keys.front());
    for (const uint8_t index : kCandidatesByFirstKey[static_cast<unsigned char>(first)]) {
        if (index == kNoPiece)
            break;
        if (StartsWithPiece(keys, kSchemePieces[index].latin))
            return &kSchemePieces[index];
    }
    return nullptr;
}

// A form of a piece of its own comes first: the ya-phala is y, the phala,
// not z, the consonant YA joined. Only then a consonant's joined forms.
std::string_view PhoneticSpelling(CodeValue code) {
    char16_t character = 0;
    const std::u16string_view letter = LetterOfCode(code, character);
    if (letter.empty())
        return {};
    for (const SchemePiece& piece : kSchemePieces) {
        if (TypesOnItsOwn(piece, letter))
            return piece.latin;
    }
    for (const SchemePiece& piece : kSchemePieces) {
        if (ConsonantTypesJoined(piece, letter))
            return piece.latin;
    }
    return {};
}

} // namespace tessik
