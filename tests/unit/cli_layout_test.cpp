// The Default layout beside the tool, and `tessik-cli layout` show, export
// and import.

#include "cli_runner.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessik::cli_test {
namespace {

const std::string kBuiltDefault =
    (std::filesystem::path(TESSIK_CLI).parent_path() / "Layouts" / "Default").string();

TEST(CliDefaultLayout, TypesBengaliFromTheLayoutBesideTheTool) {
    const CliRun run = RunCli({"type", "famar sonar baMla, fami tomaY Balobasi\\"});
    EXPECT_EQ(run.status, 0) << run.err;
    // YYA is one character here, U+09DF, as the layout types it.
    EXPECT_EQ(run.out, "আমার সোনার বাংলা, আমি তোমা\u09DF ভালোবাসি।\n");
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
    ASSERT_EQ(RunCli({"layout", "import", text, copy}).status, 0);
    EXPECT_EQ(ReadFile(copy), ReadFile(kBuiltDefault));
    EXPECT_EQ(RunCli({"layout", "export", copy}).out, exported.out);
}

TEST(CliLayout, ImportReplacesTheWholeFileAndWritesNothingWhenItFails) {
    const std::string text = TestFilePath("text.layout");
    const std::string target = TestFilePath("target");
    WriteFile(text, RunCli({"layout", "export", kBuiltDefault}).out);
    WriteFile(target, std::string(2000, 'x'));
    ASSERT_EQ(RunCli({"layout", "import", text, target}).status, 0);
    EXPECT_EQ(ReadFile(target), ReadFile(kBuiltDefault)); // no old bytes left behind

    // A text with a wrong line names it, and leaves the target as it was.
    std::string wrong = ReadFile(text);
    wrong.replace(wrong.find("\"k \""), 4, "\"K \"");
    WriteFile(text, wrong);
    WriteFile(target, "old");
    const CliRun run = RunCli({"layout", "import", text, target});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessik-cli: " + text +
                           ": line 20: unknown key label \"K \" (did you mean \"Shift + K\"?)\n");
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target)));

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

TEST(CliLayout, ImportRefusesATargetItCannotWrite) {
    const std::string text = TestFilePath("text.layout");
    WriteFile(text, RunCli({"layout", "export", kBuiltDefault}).out);
    const CliRun run = RunCli({"layout", "import", text, "/no/such/folder/Mine"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessik-cli: cannot write: /no/such/folder/Mine\n");
}

} // namespace
} // namespace tessik::cli_test
