#pragma once

#include <optional>
#include <string>

namespace tessik::cli {

// The layout file that FILE or --layout NAME names: the path as given, or,
// for a bare name that the current folder holds no file of, the layout of
// that name in the Layouts folder beside the tool, so that "Default" works
// from any folder. Nothing for the bare name Phonetic, the built-in
// phonetic layout, which has no file (a path with a folder, such as
// ./Phonetic, is a file). Every command that reads a layout finds it here.
std::optional<std::string> FindLayoutFile(const std::string& given);

// Layouts/Default beside the tool: what `type` uses without --layout.
std::string DefaultLayoutFile();

// Whether the file at `path` is a layout (see ReadLayoutRecords). Failures
// to read it are thrown as RuntimeError.
bool HoldsLayout(const std::string& path);

// Refuses a file that is not a layout (see ReadLayoutRecords) with the
// message "PATH is not a layout file", which says what to do when the file
// is a layout's text form. Failures to read it are thrown as RuntimeError.
void ExpectLayoutFile(const std::string& path);

} // namespace tessik::cli
