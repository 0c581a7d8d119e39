#include "engine/PhoneticRenderer.h"

namespace tessik {
namespace {

// What the piece just rendered is, for the piece after it.
enum class Before : uint8_t {
    WordStart,
    // A consonant, a joined phala, an attached piece or the nasal's
    // consonant: the next consonant joins it, a vowel is its sign.
    Consonant,
    // A consonant letter that joins nothing (the yya a y types on its own):
    // a vowel after it is still its sign.
    SignBearer,
    Vowel,
    // A mark, a separator or the nasal's anusvara: nothing joins it.
    Mark,
};

bool IsConsonantLetter(std::u16string_view text) {
    if (text.empty())
        return false;
    const char16_t c = text.front();
    return (c >= u'\u0995' && c <= u'\u09B9') || (c >= u'\u09DC' && c <= u'\u09DF');
}

bool StartsVowel(const SchemePiece* piece) {
    return piece && (piece->kind == PieceKind::Vowel || piece->kind == PieceKind::Inherent);
}

// Renders one piece after what `before` says, with `next` the piece after it
// (the nasal looks ahead), and tells what it was.
Before RenderPiece(const SchemePiece& piece, Before before, const SchemePiece* next,
                   RenderedWord& out) {
    const bool afterConsonant = before == Before::Consonant;
    const bool takesSign = afterConsonant || before == Before::SignBearer;
    switch (piece.kind) {
    case PieceKind::Consonant:
        if (afterConsonant)
            out.Append(kJoiningHasanta);
        out.Append(piece.plain);
        return Before::Consonant;
    case PieceKind::Vowel:
        out.Append(takesSign ? piece.inContext : piece.plain);
        return Before::Vowel;
    case PieceKind::Inherent:
        // After a consonant it is the vowel the consonant already carries.
        if (!takesSign)
            out.Append(before == Before::Vowel ? piece.inContext : piece.plain);
        return Before::Vowel;
    case PieceKind::Phala:
        if (afterConsonant) {
            out.Append(kJoiningHasanta);
            out.Append(piece.inContext);
            return Before::Consonant;
        }
        out.Append(piece.plain);
        return IsConsonantLetter(piece.plain) ? Before::SignBearer : Before::Vowel;
    case PieceKind::Attached:
        out.Append(piece.plain);
        return Before::Consonant;
    case PieceKind::Nasal:
        if (StartsVowel(next)) {
            out.Append(piece.inContext);
            return Before::Consonant;
        }
        out.Append(piece.plain);
        return Before::Mark;
    case PieceKind::InnerMark:
        if (before == Before::WordStart) {
            for (const char key : piece.latin)
                out.Append(static_cast<char16_t>(key));
            return Before::Mark;
        }
        [[fallthrough]];
    case PieceKind::Mark:
    case PieceKind::Separator:
        out.Append(piece.plain);
        return Before::Mark;
    }
    return Before::Mark;
}

} // namespace

RenderedWord RenderPhonetic(std::string_view keys) {
    keys = keys.substr(0, kMaxWordKeys);
    RenderedWord out;
    Before before = Before::WordStart;
    const SchemePiece* piece = LongestPieceAt(keys);
    std::size_t at = 0;
    while (at < keys.size()) {
        const std::size_t length = piece ? piece->latin.size() : 1;
        const SchemePiece* next = LongestPieceAt(keys.substr(at + length));
        if (piece) {
            before = RenderPiece(*piece, before, next, out);
        } else {
            // Only a printable key: a control character could be a Backspace.
            if (keys[at] > ' ' && keys[at] < 0x7F)
                out.Append(static_cast<char16_t>(keys[at]));
            before = Before::Mark;
        }
        at += length;
        piece = next;
    }
    return out;
}

} // namespace tessik
