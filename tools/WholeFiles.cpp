#include "tools/WholeFiles.h"

#include "platform/std/StdFileSystem.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <span>
#include <stdexcept>

namespace tessik::cli {

std::string ReadWholeFile(const std::string& path) {
    StdFileSystem files;
    const auto file = files.OpenForReading(path);
    std::string content;
    std::array<std::byte, 4096> chunk;
    while (const std::size_t got = file->Read(chunk))
        content.append(reinterpret_cast<const char*>(chunk.data()), got);
    return content;
}

std::string ReadStandardInput() {
    std::string content;
    std::array<char, 4096> chunk;
    while (const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), stdin))
        content.append(chunk.data(), got);
    if (std::ferror(stdin))
        throw std::runtime_error("cannot read standard input");
    return content;
}

void WriteWholeFile(const std::string& path, std::string_view content) {
    StdFileSystem files;
    const auto file = files.OpenForReplacing(path);
    file->Write(std::as_bytes(std::span(content)));
    file->Close();
}

void RefuseToWriteOver(const std::string& input, const std::string& output) {
    std::error_code unknown; // a file that is not there is no other file's name
    if (std::filesystem::equivalent(input, output, unknown))
        throw std::runtime_error(output + " is the file being read; write to another file");
}

} // namespace tessik::cli
