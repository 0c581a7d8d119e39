#pragma once

#include "engine/CodeValue.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessik {

// How a piece of the phonetic scheme behaves among its neighbours;
// resources/Phonetic.scheme describes each kind.
enum class PieceKind : uint8_t {
    Consonant,
    Vowel,
    Inherent,
    Phala,
    Attached,
    Nasal,
    Mark,
    InnerMark,
    Separator,
};

// One line of the scheme: the Latin keys of the piece (capitals only where
// case counts) and its two Bengali forms, as the scheme file gives them for
// its kind: `plain` is what it types on its own, `inContext` the vowel sign,
// the inherent vowel after a vowel, the consonant a phala joins as, or the
// nasal's consonant before a vowel. Either may be empty.
struct SchemePiece {
    std::string_view latin;
    PieceKind kind;
    std::u16string_view plain;
    std::u16string_view inContext;
};

// The scheme's pieces in the file's order, compiled by the build from
// resources/Phonetic.scheme.
inline constexpr SchemePiece kSchemePieces[] = {
#include "engine/PhoneticSchemePieces.inc"
};

// The hasanta that joins a consonant to the consonant before it.
constexpr char16_t kJoiningHasanta = u'\u09CD';

// The most Bengali units one piece types, in any context: a consonant takes
// the hasanta that joins it, and the mark that starts a word types its Latin.
constexpr std::size_t PieceUnits(const SchemePiece& piece) {
    switch (piece.kind) {
    case PieceKind::Consonant:
        return piece.plain.size() + 1;
    case PieceKind::Phala:
        return std::max(piece.plain.size(), piece.inContext.size() + 1);
    case PieceKind::InnerMark:
        return std::max(piece.plain.size(), piece.latin.size());
    default:
        return std::max(piece.plain.size(), piece.inContext.size());
    }
}

constexpr std::size_t kMaxPieceKeys =
    std::ranges::max(kSchemePieces, {}, [](const SchemePiece& p) { return p.latin.size(); })
        .latin.size();
// A key that no piece names types at most itself: one unit.
constexpr std::size_t kMaxPieceUnits =
    std::max<std::size_t>(1, PieceUnits(std::ranges::max(kSchemePieces, {}, PieceUnits)));

// The longest piece whose Latin starts `keys`, or nullptr when no piece does.
// Case counts for D G I N O R S T U Z only: any other capital in `keys` is
// read as its small letter.
const SchemePiece* LongestPieceAt(std::string_view keys);

// The Latin that types the letter table's letter of `code` on its own, the
// first the scheme gives: "k" for KA, "a" for the vowel sign AA, "y" for the
// ya-phala (special code 2), "r" for the ra-phala and the reph (3 and 4),
// ",," for the hasanta. Empty for a code that no piece types.
std::string_view PhoneticSpelling(CodeValue code);

} // namespace tessik
