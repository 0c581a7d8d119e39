#include "engine/KeySlots.h"
#include "layouts/KeyPicker.h"
#include "layouts/RowTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace tessik {
namespace {

// The letter table's code values, row 1 to 55, as the window's design has them.
constexpr CodeValue kExpectedCodes[kRowCount] = {
    2437, 2494, 2495, 2496, 2497, 2498, 2499, 2503, 2504, 2507, 2508, // A, vowel signs
    2453, 2454, 2455, 2456, 2457, 2458, 2459, 2460, 2461, 2462,       // KA .. NYA
    2463, 2464, 2465, 2466, 2467, 2468, 2469, 2470, 2471, 2472,       // TTA .. NA
    2474, 2475, 2476, 2477, 2478, 2479, 2480, 2482, 2486, 2487,       // PA .. SSA
    2488, 2489, 2524, 2525, 2527, 2510,                               // SA .. KHANDA TA
    2434, 2435, 2433, 2509,                                           // signs, hasanta
    2,    3,    4,    2404,                                           // specials, danda
};

int RowNumberOf(CodeValue code) {
    return RowOfCode(code).value_or(-1) + 1;
}

TEST(RowTable, HoldsTheFiftyFiveCodesInTheirFixedOrder) {
    for (int row = 0; row < kRowCount; ++row)
        EXPECT_EQ(kRows[row].code, kExpectedCodes[row]) << "row " << row + 1;
}

TEST(RowTable, KeepsTheOrderAnImplementerMightSmoothAway) {
    // The ten vowel signs come straight after the letter A.
    EXPECT_EQ(RowNumberOf(0x0985), 1);
    EXPECT_EQ(RowNumberOf(0x09BE), 2);
    EXPECT_EQ(RowNumberOf(0x09CC), 11);
    EXPECT_EQ(RowNumberOf(0x0995), 12);
    // Independent vowels other than A have no row.
    EXPECT_EQ(RowNumberOf(0x0986), 0);
    EXPECT_EQ(RowNumberOf(0x0994), 0);
    // Khanda ta follows RRA, RHA and YYA.
    EXPECT_EQ(RowNumberOf(0x09DF), 46);
    EXPECT_EQ(RowNumberOf(0x09CE), 47);
    // The signs are not in code-point order.
    EXPECT_EQ(RowNumberOf(0x0982), 48);
    EXPECT_EQ(RowNumberOf(0x0983), 49);
    EXPECT_EQ(RowNumberOf(0x0981), 50);
    // Special code 1 has no row; 2, 3 and 4 are rows 52 to 54.
    EXPECT_EQ(RowNumberOf(1), 0);
    EXPECT_EQ(RowNumberOf(2), 52);
    EXPECT_EQ(RowNumberOf(4), 54);
    EXPECT_EQ(RowNumberOf(0x0964), 55);
}

TEST(RowTable, FindsEveryRowByItsCodeAndNoRowForOtherCodes) {
    for (int row = 0; row < kRowCount; ++row)
        EXPECT_EQ(RowOfCode(kRows[row].code), row);
    for (const CodeValue code : {0, 1, 5, 0x0980, 0x09A9, 0x09FF, 0x0965, -2437, 0x10985})
        EXPECT_FALSE(RowOfCode(code)) << code;
}

// Decodes the first code point of UTF-8 text.
char32_t FirstCodePoint(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(text[i] & 0x3F); };
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return lead;
    if (lead < 0xE0)
        return (char32_t(lead & 0x1F) << 6) | byte(1);
    return (char32_t(lead & 0x0F) << 12) | (byte(1) << 6) | byte(2);
}

TEST(RowTable, ShowsEachRowsOwnLetterAndGivesEveryRowAName) {
    const std::string_view dottedCircle = "\u25CC";
    std::set<std::string_view> names;
    for (const LetterRow& row : kRows) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        if (IsSpecialCode(row.code))
            continue;
        std::string_view letter = row.letter;
        if (letter.starts_with(dottedCircle))
            letter.remove_prefix(dottedCircle.size());
        EXPECT_EQ(FirstCodePoint(letter), static_cast<char32_t>(row.code)) << row.name;
        EXPECT_EQ(letter.size(), 3u) << row.name << ": one character, nothing after it";
    }
    EXPECT_EQ(kRows[51].letter, "\u25CC\u09CD\u09AF");
    EXPECT_EQ(kRows[52].letter, "\u25CC\u09CD\u09B0");
    EXPECT_EQ(kRows[53].letter, "\u09B0\u09CD\u25CC");
}

TEST(KeyPicker, ListsTheFiftySevenLabelsShiftedFirstThenTheFiveOthers) {
    for (int letter = 0; letter < 26; ++letter) {
        const char upper = static_cast<char>('A' + letter);
        EXPECT_EQ(kPickerLabels[2 * letter], std::string("Shift + ") + upper);
        EXPECT_EQ(kPickerLabels[2 * letter + 1], std::string(1, char(upper - 'A' + 'a')) + " ");
    }
    EXPECT_EQ(kPickerLabels[52], "Shift + |");
    EXPECT_EQ(kPickerLabels[53], "\\ ");
    EXPECT_EQ(kPickerLabels[54], "Shift + 3");
    EXPECT_EQ(kPickerLabels[55], "Shift + 6");
    EXPECT_EQ(kPickerLabels[56], "Shift + 7");
    EXPECT_TRUE(std::is_permutation(kPickerLabels.begin(), kPickerLabels.end(), kKeyLabels.begin(),
                                    kKeyLabels.end()));
}

} // namespace
} // namespace tessik
