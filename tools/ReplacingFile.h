#pragma once

#include "platform/FileSystem.h"

#include <fstream>
#include <string>

namespace tessik::cli {

// An output file that takes the place of `path` only when Close() succeeds:
// the bytes go to a file beside it, which then replaces it at once. Until
// then, and whenever a step fails, `path` is left as it was and the partial
// file is removed.
class ReplacingFile : public OutputFile {
public:
    explicit ReplacingFile(std::string path);
    ~ReplacingFile() override;

    void Write(std::span<const std::byte> bytes) override;
    void Close() override;

private:
    std::string path_;
    std::string partialPath_;
    std::ofstream stream_;
    bool replaced_ = false;
};

} // namespace tessik::cli
