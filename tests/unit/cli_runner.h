#pragma once

#include "engine/CodeValue.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tessik::cli_test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built tessik-cli with `args`; collects its exit status and what
// it wrote to standard output and standard error.
CliRun RunCli(const std::vector<std::string>& args);

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
