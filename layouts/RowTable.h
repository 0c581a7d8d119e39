#pragma once

#include "engine/CodeValue.h"

#include <array>
#include <optional>
#include <string_view>

namespace tessik {

// One row of the letter table: the code value a layout record for it carries,
// a short name (for people, in the text form of layouts) and the letter as
// UTF-8, with a dotted circle standing in for the consonant under a sign.
struct LetterRow {
    CodeValue code;
    std::string_view name;
    std::string_view letter;
};

// The 55 rows of the letter table in their fixed order. The order carries
// meaning: layout writers take record i's code from row i, and showing a
// layout finds a record's row by its code. Indexes here start at 0; people
// see row numbers starting at 1.
constexpr int kRowCount = 55;
extern const std::array<LetterRow, kRowCount> kRows;

// The index of the row whose code this is. 0, special code 1 and every code
// outside the table belong to no row.
std::optional<int> RowOfCode(CodeValue code);

} // namespace tessik
