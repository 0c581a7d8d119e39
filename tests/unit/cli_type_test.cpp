// What `tessik-cli type` reports for every row of the dispatch tables and
// every composition case, with a layout made for the purpose, and for the
// words of the built-in phonetic layout.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tessik::cli_test {
namespace {

class TypeCommand : public ::testing::Test {
protected:
    // Vowel signs on the vowels (long ones with Shift), hasanta on f, the
    // special codes on w, v, z and Shift+T, and a few values no editor writes.
    const std::string layout_ = MakeLayout({
        {"f ", 0x09CD},
        {"a ", 0x09BE},
        {"i ", 0x09BF},
        {"Shift + I", 0x09C0},
        {"u ", 0x09C1},
        {"Shift + U", 0x09C2},
        {"Shift + V", 0x09C3},
        {"e ", 0x09C7},
        {"Shift + E", 0x09C8},
        {"o ", 0x09CB},
        {"Shift + O", 0x09CC},
        {"k ", 0x0995},
        {"Shift + A", 0x0985},
        {"t ", 0x09A4},
        {"n ", 0x09A8},
        {"r ", 0x09B0},
        {"Shift + Z", 0x09B7},
        {"w ", 2},
        {"v ", 3},
        {"z ", 4},
        {"Shift + T", 1},
        {"\\ ", 0x0964},
        {"Shift + |", 0x09DD},
        {"Shift + 3", 0x09CE},
        {"Shift + 6", 2},
        {"y ", 0x12345},
        {"Shift + Y", -5},
        {"Shift + B", 8},
    });

    std::vector<std::string> Trace(const std::string& keys) {
        const CliRun run = RunCli({"type", "--layout", layout_, "--trace", "--keys", keys});
        EXPECT_EQ(run.status, 0) << run.err;
        return Lines(run.out);
    }

    // The text box's content after typing `keys`.
    std::string Typed(const std::string& keys) {
        const CliRun run = RunCli({"type", "--layout", layout_, "--keys", keys});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(run.out.ends_with("\n"));
        return run.out.substr(0, run.out.size() - 1);
    }
};

std::string Hex(int code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", code);
    return text;
}

TEST_F(TypeCommand, DigitKeysTypeBengaliDigitsWithoutShiftAndKeypadDigitsAlways) {
    std::string keys;
    std::vector<std::string> expected;
    for (int digit = 0; digit <= 9; ++digit) {
        const std::string d = std::to_string(digit);
        keys += d + " num" + d + " shift+num" + d + " ";
        for (const std::string& token : {d, "num" + d, "shift+num" + d})
            expected.push_back(token + " swallowed " + Hex(0x09E6 + digit));
    }
    EXPECT_EQ(Trace(keys), expected);
    EXPECT_EQ(Typed("1 9 num4 shift+num0"), "১৯৪০");
}

TEST_F(TypeCommand, ShiftedDigitRowKeysPassExceptFourAndTheLayoutsThreeSixSeven) {
    EXPECT_EQ(
        Trace("shift+0 shift+1 shift+2 shift+3 shift+4 shift+5 shift+6 shift+7 shift+8 "
              "shift+9"),
        (std::vector<std::string>{"shift+0 passed", "shift+1 passed", "shift+2 passed",
                                  "shift+3 swallowed U+09CE", // the slot's value
                                  "shift+4 swallowed U+09F3", // the rupee sign, whatever the layout
                                  "shift+5 passed",
                                  "shift+6 swallowed U+0002", // a special code here is a character
                                  "shift+7 passed",           // an empty slot lets the key type "&"
                                  "shift+8 passed", "shift+9 passed"}));
    EXPECT_EQ(Typed("shift+1 shift+3 shift+4 shift+6 shift+7 shift+9"), "!ৎ৳\x02&(");
}

TEST_F(TypeCommand, LetterAndBackslashKeysTypeTheirSlotsEveryTimeTheyGoDown) {
    EXPECT_EQ(Trace("k shift+a backslash shift+backslash k"),
              (std::vector<std::string>{"k swallowed U+0995", "shift+a swallowed U+0985",
                                        "backslash swallowed U+0964",
                                        "shift+backslash swallowed U+09DD", "k swallowed U+0995"}));
    EXPECT_EQ(Typed("k k k backslash"), "ককক।");
}

TEST_F(TypeCommand, LetterKeysWithoutACharacterAreSwallowedAndTypeNothing) {
    EXPECT_EQ(Trace("q shift+q y shift+y"),
              (std::vector<std::string>{"q swallowed", "shift+q swallowed", "y swallowed",
                                        "shift+y swallowed"}));
    EXPECT_EQ(Typed("k q y shift+y"), "ক");
}

TEST_F(TypeCommand, ASlotHoldingCodeEightDeletesLikeBackspace) {
    EXPECT_EQ(Trace("k shift+b")[1], "shift+b swallowed BS");
    EXPECT_EQ(Typed("k k shift+b"), "ক");
}

TEST_F(TypeCommand, OtherKeysPassAndTypeWhatAUsKeyboardGives) {
    EXPECT_EQ(Trace("space enter tab backspace vk:188 shift+vk:191 vk:112 vk:16"),
              (std::vector<std::string>{"space passed", "enter passed", "tab passed",
                                        "backspace passed", "vk:188 passed", "shift+vk:191 passed",
                                        "vk:112 passed", "vk:16 passed"}));
    EXPECT_EQ(Typed("k space shift+vk:188 enter tab vk:192 shift+1 vk:112 k backspace"),
              "ক <\n\t`!");
}

TEST_F(TypeCommand, KeysWithControlOrAltPassAndTypeNothing) {
    const std::string keys = "ctrl+k ctrl+shift+k ctrl+alt+k ctrl+1 ctrl+num1 ctrl+backslash alt+k "
                             "alt+shift+1 alt+num1 ctrl+backspace alt+enter";
    for (const std::string& line : Trace(keys))
        EXPECT_TRUE(line.ends_with(" passed")) << line;
    EXPECT_EQ(Typed("k " + keys), "ক");
}

TEST_F(TypeCommand, HasantaThenAVowelSignBecomesTheIndependentVowel) {
    const std::pair<std::string, std::pair<int, int>> vowels[] = {
        {"a", {0x09BE, 0x0986}},       {"i", {0x09BF, 0x0987}},       {"shift+i", {0x09C0, 0x0988}},
        {"u", {0x09C1, 0x0989}},       {"shift+u", {0x09C2, 0x098A}}, {"shift+v", {0x09C3, 0x098B}},
        {"e", {0x09C7, 0x098F}},       {"shift+e", {0x09C8, 0x0990}}, {"o", {0x09CB, 0x0993}},
        {"shift+o", {0x09CC, 0x0994}},
    };
    std::string keys;
    std::vector<std::string> expected;
    for (const auto& [key, codes] : vowels) {
        keys += "f " + key + " ";
        expected.push_back("f swallowed U+09CD");
        expected.push_back(key + " swallowed " + Hex(codes.first) + " BS BS " + Hex(codes.second));
    }
    EXPECT_EQ(Trace(keys), expected);
    EXPECT_EQ(Typed(keys), "আইঈউঊঋএঐওঔ");
}

TEST_F(TypeCommand, AVowelSignNotRightAfterAHasantaStaysASign) {
    EXPECT_EQ(Trace("k a")[1], "a swallowed U+09BE");
    EXPECT_EQ(Trace("f k a")[2], "a swallowed U+09BE");
    EXPECT_EQ(Trace("shift+t a")[1], "a swallowed U+09BE"); // khanda ta, then AA
    EXPECT_EQ(Trace("f q a")[2], "a swallowed U+09BE");     // an empty key came between
    EXPECT_EQ(Typed("f k a"), "্কা");
}

TEST_F(TypeCommand, HasantaTwiceTypesTheExplicitHasanta) {
    EXPECT_EQ(Trace("k f f f"),
              (std::vector<std::string>{"k swallowed U+0995", "f swallowed U+09CD",
                                        "f swallowed U+200C", "f swallowed U+09CD"}));
    EXPECT_EQ(Typed("k f f k a"), "ক্\u200Cকা");
}

TEST_F(TypeCommand, SpecialCodesTypeKhandaTaYaPhalaAndRaPhala) {
    EXPECT_EQ(Trace("k w k v shift+t"),
              (std::vector<std::string>{"k swallowed U+0995", "w swallowed U+09CD U+09AF",
                                        "k swallowed U+0995", "v swallowed U+09CD U+09B0",
                                        "shift+t swallowed U+09CE"}));
    EXPECT_EQ(Typed("k w k v shift+t"), "ক্যক্রৎ");
    // Both characters of ya-phala are recorded: a vowel sign after it follows
    // YA, not the hasanta.
    EXPECT_EQ(Trace("k w a")[2], "a swallowed U+09BE");
}

TEST_F(TypeCommand, RephGoesBeforeTheConsonantOrConjunctJustTyped) {
    EXPECT_EQ(Trace("k z")[1], "z swallowed BS U+09B0 U+09CD U+0995");
    EXPECT_EQ(Typed("k z"), "র্ক");

    EXPECT_EQ(Trace("k f shift+z z")[3], "z swallowed BS BS BS U+09B0 U+09CD U+0995 U+09CD U+09B7");
    EXPECT_EQ(Typed("k f shift+z z"), "র্ক্ষ");

    EXPECT_EQ(Trace("n f t f r z")[5], "z swallowed BS BS BS BS BS U+09B0 U+09CD U+09A8 U+09CD "
                                       "U+09A4 U+09CD U+09B0");
    EXPECT_EQ(Typed("n f t f r z"), "র্ন্ত্র");

    // The reph records nothing, so a second press works on the same letters.
    EXPECT_EQ(Typed("k z z"), "র্র্ক");
}

TEST_F(TypeCommand, RephKeepsItsBackspacesButSkipsCodesThatAreNoCharacters) {
    EXPECT_EQ(Trace("z")[0], "z swallowed BS U+09B0 U+09CD");
    EXPECT_EQ(Trace("k y z")[2], "z swallowed BS U+09B0 U+09CD");
    EXPECT_EQ(Trace("k f y z")[3], "z swallowed BS BS BS U+09B0 U+09CD U+0995 U+09CD");
}

// A word's key replaces only what changed of it; a Backspace takes back
// its last key while it has one, and after its end passes on.
TEST(PhoneticTypeCommand, TracesTheBackspacesThatRewriteTheWord) {
    const CliRun run =
        RunCli({"type", "--layout", "Phonetic", "--trace", "--keys",
                "k h k t backspace space backspace a 1 vk:190"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{"k swallowed U+0995", "h swallowed BS U+0996",
                                        "k swallowed U+09CD U+0995", "t swallowed U+09CD U+09A4",
                                        "backspace swallowed BS BS", "space passed",
                                        "backspace passed", "a swallowed U+0986",
                                        "1 swallowed U+09E7", "vk:190 passed"}));
}

} // namespace
} // namespace tessik::cli_test
