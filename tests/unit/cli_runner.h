#pragma once

#include "engine/CodeValue.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tessik::cli_test {

// The Default layout that the build puts beside the tool.
inline const std::string kBuiltDefault =
    (std::filesystem::path(TESSIK_CLI).parent_path() / "Layouts" / "Default").string();

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built tessik-cli with `args`, `input` on its standard input, in
// `folder` (or the test's own); collects its exit status and what it wrote
// to standard output and standard error.
CliRun RunCli(const std::vector<std::string>& args, const std::string& input = "",
              const std::string& folder = "");

// A path for a file of the running test, in the temporary folder.
std::string TestFilePath(const std::string& name);

// Writes a layout file holding these records in this order; returns its path.
std::string MakeLayout(std::initializer_list<std::pair<std::string, CodeValue>> records);
// A layout in which no key types a character: one record names a key, with
// nothing assigned.
std::string MakeEmptyLayout();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

std::vector<std::string> Lines(const std::string& text);

} // namespace tessik::cli_test
