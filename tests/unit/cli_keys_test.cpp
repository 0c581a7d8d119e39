// How `tessik-cli type` turns its text or its --keys tokens into key presses.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace tessik::cli_test {
namespace {

std::vector<std::string> Tokens(const std::string& traceOutput) {
    std::vector<std::string> tokens;
    for (const std::string& line : Lines(traceOutput))
        tokens.push_back(line.substr(0, line.find(' ')));
    return tokens;
}

// Every line of a trace without its token: what happened to the key.
std::vector<std::string> Outcomes(const std::string& traceOutput) {
    std::vector<std::string> outcomes;
    for (const std::string& line : Lines(traceOutput))
        outcomes.push_back(line.substr(line.find(' ')));
    return outcomes;
}

TEST(CliText, TypesEachCharacterWithItsUsKeyAndShiftState) {
    const std::string layout = MakeLayout({{"k ", 0x0995}});
    const CliRun run = RunCli({"type", "--layout", layout, "--trace", "aZ3#|\\ ,<.~\"'", "-", "x"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Tokens(run.out), (std::vector<std::string>{
                                   "a", "shift+z", "3", "shift+3", "shift+backslash", "backslash",
                                   "space", "vk:188", "shift+vk:188", "vk:190", "shift+vk:192",
                                   "shift+vk:222", "vk:222", "space", "vk:189", "space", "x"}));
}

TEST(CliText, TypesAllPrintableAsciiAsAUsKeyboardWithAnEmptyLayoutWould) {
    std::string text;
    std::string expected;
    for (char c = 0x20; c <= 0x7E; ++c) {
        text += c;
        if (c >= '0' && c <= '9')
            expected += "\xE0\xA7" + std::string(1, static_cast<char>(0xA6 + (c - '0')));
        else if (c == '$')
            expected += "৳";
        else if (!std::isalpha(static_cast<unsigned char>(c)) && c != '\\' && c != '|')
            expected += c; // letters and the backslash key are swallowed
    }
    const CliRun run = RunCli({"type", "--layout", MakeEmptyLayout(), text});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected + "\n");

    const CliRun trace = RunCli({"type", "--layout", MakeEmptyLayout(), "--trace", text});
    const std::vector<std::string> tokens = Tokens(trace.out);
    EXPECT_EQ(std::set<std::string>(tokens.begin(), tokens.end()).size(), text.size())
        << "every character has a key and Shift state of its own";
}

TEST(CliKeys, ReadsModifiersAndKeyNamesInAnyCaseAndCountsARepeatedModifierOnce) {
    const std::string layout = MakeLayout({{"k ", 0x0995}, {"Shift + K", 0x0996}});
    const std::string written = "SHIFT+K Shift+Shift+k K CTRL+k Alt+ALT+k NUM5 BackSpace VK:75 "
                                "Space Enter TAB BACKSLASH";
    const std::string canonical = "shift+k shift+k k ctrl+k alt+k num5 backspace k space enter "
                                  "tab backslash";
    const CliRun asWritten = RunCli({"type", "--layout", layout, "--trace", "--keys", written});
    const CliRun asCanonical = RunCli({"type", "--layout", layout, "--trace", "--keys", canonical});
    ASSERT_EQ(asWritten.status, 0) << asWritten.err;
    EXPECT_EQ(Outcomes(asWritten.out), Outcomes(asCanonical.out));
    // The trace names each key by its token as given.
    EXPECT_EQ(Tokens(asWritten.out)[1], "Shift+Shift+k");
    EXPECT_EQ(Lines(asWritten.out)[0], "SHIFT+K swallowed U+0996");
}

TEST(CliKeys, TakesTokensSeparatedByAnyBlanks) {
    const std::string layout = MakeLayout({{"k ", 0x0995}});
    const CliRun run = RunCli({"type", "--layout", layout, "--keys", "  k\t\tk   vk:75 "});
    EXPECT_EQ(run.out, "ককক\n");
    EXPECT_EQ(RunCli({"type", "--layout", layout, "--keys", " "}).out, "\n");
}

TEST(CliKeys, NamesAnyVirtualKeyFromOneTo254) {
    const std::string layout = MakeLayout({{"k ", 0x0995}});
    const CliRun run =
        RunCli({"type", "--layout", layout, "--trace", "--keys", "vk:75 vk:1 vk:0254 vk:220"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{"vk:75 swallowed U+0995", "vk:1 passed",
                                                        "vk:0254 passed", "vk:220 swallowed"}));
    for (const std::string token : {"vk:0", "vk:255", "vk:", "vk:x", "vk:-1", "vk:+5", "vk:7a"}) {
        const CliRun bad = RunCli({"type", "--layout", layout, "--keys", "k " + token});
        EXPECT_EQ(bad.status, 2) << token;
        EXPECT_EQ(bad.err, "tessik-cli: unknown key token \"" + token + "\"\n");
        EXPECT_EQ(bad.out, "");
    }
}

TEST(CliKeys, RefusesTokensThatNameNoKey) {
    for (const std::string token : {"shift+", "shift", "f1", "a+shift", "numpad5", "num10",
                                    "ctrl+ctrl", "aa", "shift-a", "+a", "esc", "ctrl+alt+"}) {
        const CliRun run = RunCli({"type", "--keys", token});
        EXPECT_EQ(run.status, 2) << token;
        EXPECT_EQ(run.err, "tessik-cli: unknown key token \"" + token + "\"\n");
    }
}

} // namespace
} // namespace tessik::cli_test
