// The Default layout beside the tool, the built-in phonetic layout, and
// `tessik-cli layout` show, export, import and chart.

#include "cli_runner.h"
#include "layouts/LayoutText.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace tessik::cli_test {
namespace {

TEST(CliDefaultLayout, TypesBengaliFromTheLayoutBesideTheTool) {
    const CliRun run = RunCli({"type", "famar sonar baMla, fami tomaY Balobasi\\"});
    EXPECT_EQ(run.status, 0) << run.err;
    // YYA is one character here, U+09DF, as the layout types it.
    EXPECT_EQ(run.out, "আমার সোনার বাংলা, আমি তোমা\u09DF ভালোবাসি।\n");
}

TEST(CliDefaultLayout, ABareNameIsFoundBesideTheToolWhenTheFolderHasNoSuchFile) {
    const std::string folder = TestFilePath("elsewhere");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    EXPECT_EQ(RunCli({"type", "--layout", "Default", "fami"}, "", folder).out, "আমি\n");
    EXPECT_EQ(RunCli({"layout", "show", "Default"}, "", folder).out,
              RunCli({"layout", "show", kBuiltDefault}).out);
    const CliRun missing = RunCli({"layout", "show", "Defualt"}, "", folder);
    EXPECT_EQ(missing.err, "tessik-cli: Defualt: file not found\n");

    std::filesystem::copy_file(MakeLayout({{"k ", 0x0996}}), folder + "/Default");
    EXPECT_EQ(RunCli({"type", "--layout", "Default", "k"}, "", folder).out, "খ\n");
}

TEST(CliDefaultLayout, TypesTheTextOnStandardInputForAMinus) {
    EXPECT_EQ(RunCli({"type", "-"}, "fami baMla\r\nliKi\r\n").out, "আমি বাংলা\nলিখি\n");
    EXPECT_EQ(RunCli({"type", "-"}, "").out, "\n");
    EXPECT_EQ(RunCli({"type", "--", "-"}, "k").out, "-\n");
}

TEST(CliDefaultLayout, GivesEveryRowAKeyAndLeavesShiftThreeAndSeven) {
    const CliRun run = RunCli({"layout", "show", kBuiltDefault});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = Lines(run.out);
    ASSERT_EQ(rows.size(), 55u);
    for (const std::string& row : rows) {
        EXPECT_EQ(row.find("\"\""), std::string::npos) << row;
        EXPECT_EQ(row.find("Shift + 3"), std::string::npos) << row;
        EXPECT_EQ(row.find("Shift + 7"), std::string::npos) << row;
    }
    // Consonant and aspirate share a key.
    EXPECT_EQ(rows[11], "12  \"k \"         ka              ক");
    EXPECT_EQ(rows[12], "13  \"Shift + K\"  kha             খ");
}

TEST(CliPhoneticLayout, TypesWordsSpelledInLatinLettersWhateverFileHasItsName) {
    EXPECT_EQ(RunCli({"type", "--layout", "Phonetic", "amar sOnar bangla, ami tOmay bhalObasi."}).out,
              "আমার সোনার বাংলা, আমি তোমা\u09DF ভালোবাসি।\n");

    // The bare name is the built-in layout even beside a file of that name,
    // which a path with a folder reaches.
    const std::string folder = TestFilePath("with-file");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(MakeLayout({{"k ", 0x0996}}), folder + "/Phonetic");
    EXPECT_EQ(RunCli({"type", "--layout", "Phonetic", "kt"}, "", folder).out, "ক্ত\n");
    EXPECT_EQ(RunCli({"type", "--layout", "./Phonetic", "k"}, "", folder).out, "খ\n");
    EXPECT_EQ(RunCli({"layout", "show", "./Phonetic"}, "", folder).out,
              RunCli({"layout", "show", folder + "/Phonetic"}).out);
}

TEST(CliPhoneticLayout, ShowsTheLatinThatTypesEachLetterOnItsOwn) {
    const CliRun run = RunCli({"layout", "show", "Phonetic"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = Lines(run.out);
    ASSERT_EQ(rows.size(), 55u);
    for (const std::string& row : rows)
        EXPECT_EQ(row.find("\"\""), std::string::npos) << row;
    EXPECT_EQ(rows[1], " 2  \"a\"          aa sign         ◌া");
    EXPECT_EQ(rows[11], "12  \"k\"          ka              ক");
    EXPECT_EQ(rows[12], "13  \"kh\"         kha             খ");
    EXPECT_EQ(rows[46], "47  \"t``\"        khanda ta       ৎ");
    EXPECT_EQ(rows[51], "52  \"y\"          ya-phala        ◌্য");
}

TEST(CliLayout, ShowsTheLabelOfEachRowAsTheLetterTableWould) {
    const std::string layout =
        MakeLayout({{"k ", 0x0995}, {"x ", 0}, {"Shift + K", 0x0995}, {"ta\"b\x01", 0x09A4}});
    const CliRun run = RunCli({"layout", "show", layout});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = Lines(run.out);
    ASSERT_EQ(rows.size(), 55u);
    EXPECT_EQ(rows[0], " 1  \"\"           a               অ");
    EXPECT_EQ(rows[11], "12  \"Shift + K\"  ka              ক");
    EXPECT_EQ(rows[26], "27  \"ta\\x22b\\x01\"  ta              ত");
    EXPECT_EQ(rows[51], "52  \"\"           ya-phala        ◌্য");
}

TEST(CliLayout, ImportsAndExportsWithoutChangingAByte) {
    const std::string text = TestFilePath("text.layout");
    const std::string copy = TestFilePath("copy");

    // file -> text -> file -> text: the files and the texts agree.
    const CliRun exported = RunCli({"layout", "export", kBuiltDefault});
    ASSERT_EQ(exported.status, 0) << exported.err;
    WriteFile(text, exported.out);
    std::filesystem::remove(copy);
    ASSERT_EQ(RunCli({"layout", "import", text, copy}).status, 0);
    EXPECT_EQ(ReadFile(copy), ReadFile(kBuiltDefault));
    EXPECT_EQ(RunCli({"layout", "export", copy}).out, exported.out);
}

TEST(CliLayout, ImportReplacesTheWholeFileAndWritesNothingWhenItFails) {
    const std::string text = TestFilePath("text.layout");
    const std::string target = TestFilePath("target");
    WriteFile(text, RunCli({"layout", "export", kBuiltDefault}).out);
    WriteFile(target, std::string(2000, 'x'));
    ASSERT_EQ(RunCli({"layout", "import", "--force", text, target}).status, 0);
    EXPECT_EQ(ReadFile(target), ReadFile(kBuiltDefault)); // no old bytes left behind

    // A text with a wrong line names it, and leaves the target as it was.
    std::string wrong = ReadFile(text);
    wrong.replace(wrong.find("\"k \""), 4, "\"K \"");
    WriteFile(text, wrong);
    WriteFile(target, "old");
    const CliRun run = RunCli({"layout", "import", "--force", text, target});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("tessik-cli: " + text +
                                    ": line 20: unknown key label \"K \" (nearest: \"Shift + "
                                    "K\", \"k \"); the 57 key labels are listed"))
        << run.err;
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target, target.rfind('/') + 1)));

    // A missing target is not created either.
    std::filesystem::remove(target);
    EXPECT_EQ(RunCli({"layout", "import", text, target}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(target));

    WriteFile(text, "# nothing but a comment\n");
    const CliRun empty = RunCli({"layout", "import", text, target});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "tessik-cli: " + text +
                             ": only 0 rows; a layout has a line for each of the 55 rows\n");
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(CliLayout, ImportTakesLabelsAsPeopleWriteThemInUtf8AndUtf16) {
    std::string text = RunCli({"layout", "export", kBuiltDefault}).out;
    for (const auto& [exact, written] :
         {std::pair<std::string, std::string>{"\"Shift + Y\"", "\"Shift+Y\""},
          {"\"Shift + K\"", "\"shift + k\""},
          {"\"Shift + A\"", "\"SHIFT+A\""},
          {"\"Shift + |\"", "\"Shift + \\\""},
          {"\"y \"", "\"y\""},
          {"\"\\ \"", "\"\\\""}}) {
        ASSERT_NE(text.find(exact), std::string::npos) << exact;
        text.replace(text.find(exact), exact.size(), written);
    }
    const std::string utf8 = TestFilePath("utf8.txt");
    const std::string utf16 = TestFilePath("utf16.txt");
    WriteFile(utf8, text);
    // As Windows PowerShell 5.1 writes text: UTF-16 with a byte-order mark.
    const std::string encode = std::string(TESSIK_PYTHON) +
                               " -c 'import sys; open(sys.argv[2], \"wb\").write(open(sys.argv[1], "
                               "encoding=\"utf-8\").read().encode(\"utf-16\"))' " +
                               utf8 + " " + utf16;
    ASSERT_EQ(std::system(encode.c_str()), 0);
    for (const std::string& source : {utf8, utf16}) {
        const std::string layout = TestFilePath("layout");
        const CliRun run = RunCli({"layout", "import", "--force", source, layout});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadFile(layout), ReadFile(kBuiltDefault)) << source;
    }
}

TEST(CliLayout, OutputFileHoldsTheBytesOfStandardOutput) {
    const std::string output = TestFilePath("output");
    for (const std::string command : {"export", "chart"}) {
        const std::string printed = RunCli({"layout", command, kBuiltDefault}).out;
        ASSERT_NE(printed, "");
        for (const auto& args :
             {std::vector<std::string>{"layout", command, kBuiltDefault, "-o", output},
              std::vector<std::string>{"layout", command, "-o", output, kBuiltDefault}}) {
            WriteFile(output, "an older, longer file than the new one would be" + printed);
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(ReadFile(output), printed) << command;
        }
    }
}

TEST(CliLayout, ImportRefusesATargetItCannotWrite) {
    const std::string text = TestFilePath("text.layout");
    WriteFile(text, RunCli({"layout", "export", kBuiltDefault}).out);
    const CliRun run = RunCli({"layout", "import", text, "/no/such/folder/Mine"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessik-cli: /no/such/folder/Mine: cannot write\n");
}

// The drawing of one key in a chart, found by its --keys token.
std::string KeyInChart(const std::string& chart, const std::string& token) {
    const std::size_t start = chart.find("data-key=\"" + token + "\"");
    if (start == std::string::npos)
        return "";
    return chart.substr(start, chart.find("</g>", start) - start);
}

bool ParsesAsXml(const std::string& document) {
    const std::string path = TestFilePath("chart.svg");
    WriteFile(path, document);
    const std::string parse =
        std::string(TESSIK_PYTHON) +
        " -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' " + path;
    return std::system(parse.c_str()) == 0;
}

TEST(CliLayout, ChartShowsEachLetterOnTheKeyThatTypesIt) {
    const CliRun run = RunCli({"layout", "chart", kBuiltDefault});
    ASSERT_EQ(run.status, 0) << run.err;
    const RowLabels labels = ParseLayoutText(ReadFile(TESSIK_DEFAULT_LAYOUT_SOURCE));
    for (int row = 0; row < kRowCount; ++row) {
        const std::string& label = labels[static_cast<std::size_t>(row)];
        const bool shift = label.starts_with("Shift + ");
        const char key = static_cast<char>(std::tolower(label[shift ? 8 : 0]));
        const std::string drawn =
            std::string(shift ? "class=\"shifted\">" : "class=\"unshifted\">") +
            std::string(kRows[static_cast<std::size_t>(row)].letter) + "</text>";
        const std::string token = key == '|' || key == '\\' ? "backslash" : std::string(1, key);
        EXPECT_NE(KeyInChart(run.out, token).find(drawn), std::string::npos) << label;
    }
    EXPECT_NE(KeyInChart(run.out, "4").find("class=\"shifted\">৳</text>"), std::string::npos);
    EXPECT_NE(KeyInChart(run.out, "0").find("class=\"unshifted\">০</text>"), std::string::npos);
    // Free, and typing what the US keyboard gives.
    const std::string seven = KeyInChart(run.out, "7");
    EXPECT_NE(seven.find("class=\"shifted free\""), std::string::npos) << seven;
    EXPECT_NE(seven.find("class=\"shifted us\">&amp;</text>"), std::string::npos) << seven;
    EXPECT_TRUE(ParsesAsXml(run.out));
    EXPECT_EQ(RunCli({"layout", "chart", kBuiltDefault}).out, run.out);
    // The composition rules, typed with the layout's own keys.
    EXPECT_NE(run.out.find("then its vowel sign (F A gives আ)."), std::string::npos);
    EXPECT_NE(run.out.find("stands on (K Z gives র্ক)."), std::string::npos);

    // A short layout: its other slots are free, and letter keys of free slots type nothing.
    const CliRun shortLayout =
        RunCli({"layout", "chart",
                MakeLayout({{"k ", 0x0995}, {"Shift + 3", 0x09A4}, {"Shift + X", '<'}})});
    ASSERT_EQ(shortLayout.status, 0) << shortLayout.err;
    const std::string k = KeyInChart(shortLayout.out, "k");
    EXPECT_NE(k.find("class=\"unshifted\">ক</text>"), std::string::npos) << k;
    EXPECT_NE(k.find("class=\"shifted free\""), std::string::npos) << k;
    EXPECT_EQ(k.find("class=\"shifted\""), std::string::npos) << k; // types nothing
    EXPECT_EQ(k.find("class=\"shifted us\""), std::string::npos) << k;
    EXPECT_NE(KeyInChart(shortLayout.out, "3").find("class=\"shifted\">ত</text>"),
              std::string::npos);
    EXPECT_NE(KeyInChart(shortLayout.out, "x").find("class=\"shifted\">&lt;</text>"),
              std::string::npos);
    EXPECT_TRUE(ParsesAsXml(shortLayout.out));
    EXPECT_EQ(shortLayout.out.find("Independent vowel"), std::string::npos);
    EXPECT_EQ(shortLayout.out.find("Reph:"), std::string::npos);
}

} // namespace
} // namespace tessik::cli_test
