#include "cli_runner.h"

#include "engine/LayoutRecord.h"
#include "platform/std/StdFileSystem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace tessik::cli_test {
namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

std::string TestFilePath(const std::string& name) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return ::testing::TempDir() + "tessik_" + test->test_suite_name() + "_" + test->name() + "_" +
           name;
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& input,
              const std::string& folder) {
    const std::string inPath = TestFilePath("stdin");
    const std::string outPath = TestFilePath("stdout");
    const std::string errPath = TestFilePath("stderr");
    WriteFile(inPath, input);
    std::string command = folder.empty() ? "" : "cd " + ShellQuoted(folder) + " && ";
    command += ShellQuoted(TESSIK_CLI);
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    command +=
        " <" + ShellQuoted(inPath) + " >" + ShellQuoted(outPath) + " 2>" + ShellQuoted(errPath);
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

std::string MakeLayout(std::initializer_list<std::pair<std::string, CodeValue>> records) {
    const std::string path = TestFilePath("layout");
    StdFileSystem files;
    std::remove(path.c_str());
    const auto file = files.OpenForWriting(path);
    for (const auto& [label, code] : records)
        WriteLayoutRecord(*file, LayoutRecord{code, label});
    file->Close();
    return path;
}

std::string MakeEmptyLayout() {
    return MakeLayout({{"k ", 0}});
}

std::string ReadFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace tessik::cli_test
