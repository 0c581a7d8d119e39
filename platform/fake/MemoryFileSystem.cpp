#include "platform/fake/MemoryFileSystem.h"

#include <algorithm>
#include <cstring>

namespace tessik {
namespace {

class MemoryInputFile : public InputFile {
public:
    MemoryInputFile(std::string content, std::optional<ErrorNumber> failure, std::size_t failAt)
        : content_(std::move(content)), failure_(failure), failAt_(failAt) {}

    std::size_t Read(std::span<std::byte> into) override {
        std::size_t count = std::min(into.size(), content_.size() - position_);
        if (failure_ && position_ + count > failAt_)
            throw RuntimeError(*failure_, "injected read failure");
        std::memcpy(into.data(), content_.data() + position_, count);
        position_ += count;
        return count;
    }

private:
    std::string content_;
    std::size_t position_ = 0;
    std::optional<ErrorNumber> failure_;
    std::size_t failAt_;
};

// Writes land in the file as they are made, like an unbuffered real file,
// so a failure part-way leaves exactly what had been written.
class MemoryOutputFile : public OutputFile {
public:
    MemoryOutputFile(std::string& content, std::optional<ErrorNumber> failure, std::size_t failAt)
        : content_(content), failure_(failure), failAt_(failAt) {}

    void Write(std::span<const std::byte> bytes) override {
        for (std::byte b : bytes) {
            if (failure_ && written_ >= failAt_)
                throw RuntimeError(*failure_, "injected write failure");
            if (position_ < content_.size())
                content_[position_] = static_cast<char>(b);
            else
                content_.push_back(static_cast<char>(b));
            ++position_;
            ++written_;
        }
    }

    void Close() override {}

private:
    std::string& content_;
    std::size_t position_ = 0;
    std::size_t written_ = 0;
    std::optional<ErrorNumber> failure_;
    std::size_t failAt_;
};

std::string ParentOf(const std::string& path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string NameOf(const std::string& path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace

std::unique_ptr<InputFile> MemoryFileSystem::OpenForReading(const std::string& path) {
    if (failOpenForReading)
        throw RuntimeError(*failOpenForReading, "injected open failure: " + path);
    const auto found = files.find(path);
    if (found == files.end())
        throw RuntimeError(ErrorNumber::FileNotFound, "file not found: " + path);
    return std::make_unique<MemoryInputFile>(found->second, failRead, failReadAt);
}

std::unique_ptr<OutputFile> MemoryFileSystem::OpenForWriting(const std::string& path) {
    if (failOpenForWriting)
        throw RuntimeError(*failOpenForWriting, "injected open failure: " + path);
    return std::make_unique<MemoryOutputFile>(files[path], failWrite, failWriteAt);
}

std::vector<FolderEntry> MemoryFileSystem::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    for (const auto& [path, content] : files) {
        if (ParentOf(path) == folder)
            entries.push_back({NameOf(path)});
    }
    for (const auto& [path, entry] : extraEntries) {
        if (ParentOf(path) == folder)
            entries.push_back(entry);
    }
    return entries;
}

void MemoryFileSystem::RemoveFile(const std::string& path) {
    if (failRemove)
        throw RuntimeError(*failRemove, "injected remove failure: " + path);
    if (files.erase(path) == 0)
        throw RuntimeError(ErrorNumber::FileNotFound, "file not found: " + path);
}

} // namespace tessik
