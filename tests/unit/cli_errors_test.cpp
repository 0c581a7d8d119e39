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
                  "usage: tessik-cli layout chart FILE");
    ExpectFailure(RunCli({"layout", "import", layout}), 2,
                  "usage: tessik-cli layout import TEXTFILE OUTFILE");
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

TEST(CliErrors, ALayoutThatCannotBeReadEndsWithStatusOne) {
    ExpectFailure(RunCli({"type", "--layout", "/no/such/layout", "a"}), 1,
                  "file not found: /no/such/layout");
    const std::string folder = TestFilePath("folder");
    std::filesystem::create_directory(folder);
    ExpectFailure(RunCli({"type", "--layout", folder, "a"}), 1, "cannot open: " + folder);
    ExpectFailure(RunCli({"layout", "show", "/no/such/layout"}), 1,
                  "file not found: /no/such/layout");
    ExpectFailure(RunCli({"layout", "export", "/no/such/layout"}), 1,
                  "file not found: /no/such/layout");
    ExpectFailure(RunCli({"layout", "chart", "/no/such/layout"}), 1,
                  "file not found: /no/such/layout");
    ExpectFailure(RunCli({"layout", "chart", folder}), 1, "cannot open: " + folder);
    ExpectFailure(RunCli({"layout", "import", "/no/such/text", TestFilePath("out")}), 1,
                  "file not found: /no/such/text");
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
