#pragma once

#include <string>
#include <string_view>

namespace tessik::cli {

// The bytes of the file at `path`.
std::string ReadWholeFile(const std::string& path);

// The bytes of standard input, up to its end.
std::string ReadStandardInput();

// Writes `content` as the file at `path`, byte for byte, through a temporary
// file that takes its place only once all is written.
void WriteWholeFile(const std::string& path, std::string_view content);

// Refuses, with a message, to write `output` when it is the file `input`,
// by whatever name: a command never writes over what it reads.
void RefuseToWriteOver(const std::string& input, const std::string& output);

} // namespace tessik::cli
