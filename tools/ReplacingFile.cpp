#include "tools/ReplacingFile.h"

#include "platform/RuntimeError.h"

#include <filesystem>

namespace tessik::cli {

ReplacingFile::ReplacingFile(std::string path)
    : path_(std::move(path)), partialPath_(path_ + ".partial"),
      stream_(partialPath_, std::ios::binary | std::ios::trunc) {
    if (!stream_)
        throw RuntimeError(ErrorNumber::PathFileAccessError, "cannot write: " + path_);
}

ReplacingFile::~ReplacingFile() {
    if (replaced_)
        return;
    stream_.close();
    std::error_code ignored;
    std::filesystem::remove(partialPath_, ignored);
}

void ReplacingFile::Write(std::span<const std::byte> bytes) {
    stream_.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    if (!stream_)
        throw RuntimeError(ErrorNumber::DeviceIoError, "cannot write: " + path_);
}

void ReplacingFile::Close() {
    stream_.close();
    if (!stream_)
        throw RuntimeError(ErrorNumber::DeviceIoError, "cannot write: " + path_);
    std::error_code error;
    std::filesystem::rename(partialPath_, path_, error);
    if (error)
        throw RuntimeError(ErrorNumber::PathFileAccessError,
                           "cannot replace " + path_ + ": " + error.message());
    replaced_ = true;
}

} // namespace tessik::cli
