// How `tessik-cli` answers a wrong command line (status 2) and other
// failures (status 1): one line on standard error, nothing on standard output.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessik::cli_test {
namespace {

void ExpectFailure(const CliRun& run, int status, const std::string& message) {
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tessik-cli: " + message + "\n");
}

TEST(CliErrors, AWrongCommandLineEndsWithStatusTwo) {
    const std::string layout = MakeLayout({});
    ExpectFailure(RunCli({}), 2, "missing command; see tessik-cli --help");
    ExpectFailure(RunCli({"typ", "a"}), 2, "unknown command \"typ\"; see tessik-cli --help");
    ExpectFailure(RunCli({"type", "--traec", "a"}), 2, "unknown option \"--traec\"");
    ExpectFailure(RunCli({"type", "-t", "a"}), 2, "unknown option \"-t\"");
    ExpectFailure(RunCli({"type", "--layout"}), 2, "--layout needs a value");
    ExpectFailure(RunCli({"type", "--keys"}), 2, "--keys needs a value");
    ExpectFailure(RunCli({"type", "--layout", layout}), 2,
                  "nothing to type: give TEXT or --keys \"TOKEN ...\"");
    ExpectFailure(RunCli({"type", "--keys", "a", "b"}), 2, "give either TEXT or --keys, not both");
    ExpectFailure(RunCli({"type", "--keys", "a", "--keys", "b"}), 2, "--keys is given twice");
    ExpectFailure(RunCli({"layout"}), 2, "missing layout command: show, export, import or chart");
    ExpectFailure(RunCli({"layout", "print", layout}), 2,
                  "unknown layout command \"print\" (show, export, import or chart)");
    ExpectFailure(RunCli({"layout", "show"}), 2, "usage: tessik-cli layout show FILE");
    ExpectFailure(RunCli({"layout", "chart", layout, "x"}), 2,
                  "usage: tessik-cli layout chart FILE [-o CHART.svg]");
    ExpectFailure(RunCli({"layout", "import", layout}), 2,
                  "usage: tessik-cli layout import [--force] TEXTFILE [-o] OUTFILE");
    ExpectFailure(RunCli({"layout", "import", "-o", layout}), 2,
                  "usage: tessik-cli layout import [--force] TEXTFILE [-o] OUTFILE");
    ExpectFailure(RunCli({"layout", "show", layout, "-o", "out"}), 2,
                  "usage: tessik-cli layout show FILE");
}

TEST(CliErrors, ACharacterThatNoUsKeyTypesEndsWithStatusTwo) {
    const std::string layout = MakeLayout({});
    ExpectFailure(RunCli({"type", "--layout", layout, "caf\xC3\xA9"}), 2,
                  "no key of a US keyboard types \"\xC3\xA9\"");
    ExpectFailure(RunCli({"type", "--layout", layout, "a\rb"}), 2,
                  "no key of a US keyboard types U+000D");
    ExpectFailure(RunCli({"type", "--layout", layout, "a\x7F"}), 2,
                  "no key of a US keyboard types U+007F");
}

TEST(CliErrors, AWrongCommandLineIsReportedBeforeTheLayoutIsRead) {
    ExpectFailure(RunCli({"type", "--layout", "/no/such/layout", "--keys", "k x1"}), 2,
                  "unknown key token \"x1\"");
}

TEST(CliErrors, ALayoutThatCannotBeReadOrIsNoLayoutEndsWithStatusOne) {
    const std::string folder = TestFilePath("folder");
    std::filesystem::create_directory(folder);
    const std::string empty = TestFilePath("empty");
    WriteFile(empty, "");
    const std::string picture = TestFilePath("picture.png");
    WriteFile(picture, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    const std::string text = TestFilePath("Mine.txt");
    WriteFile(text, RunCli({"layout", "export", kBuiltDefault}).out);
    // A label that names no key is no layout either.
    const std::string noKey = MakeLayout({{"K ", 0x0995}, {"", 0x0996}});

    const std::string textForm =
        " (it is a layout's text form: make a layout of it with tessik-cli layout import)";
    const std::pair<std::string, std::string> cases[] = {
        {"/no/such/layout", "/no/such/layout: file not found"},
        {"./Phonetic", "./Phonetic: file not found"}, // a path, not the built-in layout
        {folder, folder + ": cannot open"},
        {empty, empty + " is not a layout file"},
        {picture, picture + " is not a layout file"},
        {noKey, noKey + " is not a layout file"},
        {text, text + " is not a layout file" + textForm},
    };
    for (const auto& [file, message] : cases) {
        ExpectFailure(RunCli({"type", "--layout", file, "a"}), 1, message);
        for (const std::string command : {"show", "export", "chart"})
            ExpectFailure(RunCli({"layout", command, file}), 1, message);
    }
    ExpectFailure(RunCli({"layout", "import", "/no/such/text", TestFilePath("out")}), 1,
                  "/no/such/text: file not found");
}

TEST(CliErrors, ThePhoneticLayoutHasNoFileToExportOrDraw) {
    const std::string output = TestFilePath("output");
    std::filesystem::remove(output);
    for (const std::string command : {"export", "chart"}) {
        ExpectFailure(RunCli({"layout", command, "Phonetic", "-o", output}), 1,
                      "Phonetic is the built-in phonetic layout and has no layout file "
                      "(tessik-cli layout show Phonetic lists its spellings)");
        EXPECT_FALSE(std::filesystem::exists(output)) << command;
    }
}

TEST(CliErrors, ImportAndOutputFilesNeverWriteOverWhatTheyRead) {
    const std::string text = TestFilePath("Mine.txt");
    const std::string exported = RunCli({"layout", "export", kBuiltDefault}).out;
    WriteFile(text, exported);
    const std::string layout = TestFilePath("Mine");
    WriteFile(layout, "theirs");

    ExpectFailure(RunCli({"layout", "import", text, layout}), 1,
                  layout + " exists; add --force to replace it");
    EXPECT_EQ(ReadFile(layout), "theirs");
    for (const std::string& same :
         {text, std::filesystem::path(text).parent_path().string() + "/./" +
                    std::filesystem::path(text).filename().string()}) {
        ExpectFailure(RunCli({"layout", "import", "--force", text, same}), 1,
                      same + " is the file being read; write to another file");
        EXPECT_EQ(ReadFile(text), exported);
    }
    ExpectFailure(RunCli({"layout", "import", "--force", kBuiltDefault, layout}), 1,
                  kBuiltDefault + " is a layout file, not a layout's text form (tessik-cli layout "
                                  "export writes its text form)");
    ExpectFailure(RunCli({"layout", "export", kBuiltDefault, "-o", kBuiltDefault}), 1,
                  kBuiltDefault + " is the file being read; write to another file");
    EXPECT_EQ(RunCli({"layout", "show", kBuiltDefault}).status, 0);

    const CliRun forced = RunCli({"layout", "import", text, "--force", "-o", layout});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(ReadFile(layout), ReadFile(kBuiltDefault));
}

TEST(CliErrors, TextAfterADoubleDashMayBeginWithAMinus) {
    const CliRun run = RunCli({"type", "--layout", MakeEmptyLayout(), "--", "-5", "--trace"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "-৫ --\n"); // letters of an empty layout type nothing
}

TEST(CliErrors, HelpIsNoError) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("usage: tessik-cli type")) << run.out;
}

} // namespace
} // namespace tessik::cli_test
