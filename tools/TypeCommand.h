#pragma once

#include <span>
#include <string>

namespace tessik::cli {

// tessik-cli type [--layout FILE] [--trace] (TEXT... | - | --keys "TOKEN ...").
// Returns the text box's content and a newline, or with --trace one line per
// key: its token, "swallowed" or "passed", and the injected items.
std::string RunTypeCommand(std::span<const std::string> args);

} // namespace tessik::cli
