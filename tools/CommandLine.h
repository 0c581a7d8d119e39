#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace tessik::cli {

// A command line that names no known command, option, key or character.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs tessik-cli with its arguments (the program name left out) and returns
// what it prints on standard output. A wrong command line throws UsageError;
// any other failure throws its own exception, with a one-line message.
std::string RunCommandLine(const std::vector<std::string>& args);

} // namespace tessik::cli
