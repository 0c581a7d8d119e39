#include "platform/fake/MemoryFileSystem.h"

#include <algorithm>
#include <cstring>
#include <utility>

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

// Writes to a temporary file of its own, which takes the place of `path`
// on Close() and is removed when the file is dropped before that.
class MemoryReplacingFile : public OutputFile {
public:
    MemoryReplacingFile(MemoryFileSystem& files, std::string path, std::string temporaryPath,
                        bool replaceExisting)
        : files_(files), path_(std::move(path)), temporaryPath_(std::move(temporaryPath)),
          replaceExisting_(replaceExisting),
          temporary_(files.files[temporaryPath_], files.failWrite, files.failWriteAt) {}

    ~MemoryReplacingFile() override {
        if (!replaced_)
            Forget(temporaryPath_);
    }

    void Write(std::span<const std::byte> bytes) override { temporary_.Write(bytes); }

    void Close() override {
        files_.hiddenFiles.erase(temporaryPath_);
        if (files_.beforeReplace)
            files_.beforeReplace();
        if (files_.failReplace)
            throw RuntimeError(*files_.failReplace, "injected replace failure: " + path_);
        if (!replaceExisting_ && files_.Exists(path_))
            throw RuntimeError(ErrorNumber::FileAlreadyExists, "already there: " + path_);
        files_.files[path_] = std::move(files_.files[temporaryPath_]);
        files_.hiddenFiles.erase(path_);
        Forget(temporaryPath_);
        replaced_ = true;
    }

private:
    void Forget(const std::string& path) {
        files_.files.erase(path);
        files_.hiddenFiles.erase(path);
    }

    MemoryFileSystem& files_;
    std::string path_;
    std::string temporaryPath_;
    bool replaceExisting_;
    MemoryOutputFile temporary_;
    bool replaced_ = false;
};

// Letters of both cases as Windows matches them in file names: ASCII and
// the Latin-1 letters of the ANSI code page.
std::string Folded(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            c = static_cast<char>(u - 0x20);
    }
    return folded;
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
    ThrowWhenFolderMissing(path);
    return std::make_unique<MemoryOutputFile>(files[path], failWrite, failWriteAt);
}

std::unique_ptr<OutputFile> MemoryFileSystem::OpenForReplacing(const std::string& path) {
    return OpenTemporaryFor(path, true);
}

std::unique_ptr<OutputFile> MemoryFileSystem::OpenForCreating(const std::string& path) {
    return OpenTemporaryFor(path, false);
}

std::unique_ptr<OutputFile> MemoryFileSystem::OpenTemporaryFor(const std::string& path,
                                                               bool replaceExisting) {
    if (failOpenForWriting)
        throw RuntimeError(*failOpenForWriting, "injected open failure: " + path);
    ThrowWhenFolderMissing(path);
    const std::size_t nameStart = codePage.NameStart(path);
    RemoveLeftoverTemporaryFiles(*this, path, nameStart);
    std::unique_ptr<OutputFile> file;
    CreateTemporaryFile(path, nameStart, [&](const std::string& temporaryPath) {
        if (Exists(temporaryPath))
            return false;
        files[temporaryPath].clear();
        hiddenFiles.insert(temporaryPath);
        file = std::make_unique<MemoryReplacingFile>(*this, path, temporaryPath, replaceExisting);
        return true;
    });
    return file;
}

bool MemoryFileSystem::Exists(const std::string& path) {
    const std::string wanted = Folded(path);
    const auto matches = [&wanted](const auto& entry) { return Folded(entry.first) == wanted; };
    return std::any_of(files.begin(), files.end(), matches) ||
           std::any_of(extraEntries.begin(), extraEntries.end(), matches);
}

std::vector<FolderEntry> MemoryFileSystem::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    for (const auto& [path, content] : files) {
        if (ParentOf(path) == folder)
            entries.push_back(
                {path.substr(codePage.NameStart(path)), false, hiddenFiles.count(path) > 0});
    }
    for (const auto& [path, entry] : extraEntries) {
        if (ParentOf(path) == folder)
            entries.push_back(entry);
    }
    return entries;
}

void MemoryFileSystem::CreateFolder(const std::string& path) {
    missingFolders.erase(path);
}

std::string MemoryFileSystem::ParentOf(const std::string& path) const {
    const std::size_t nameStart = codePage.NameStart(path);
    return nameStart == 0 ? std::string() : path.substr(0, nameStart - 1);
}

void MemoryFileSystem::ThrowWhenFolderMissing(const std::string& path) const {
    if (missingFolders.count(ParentOf(path)) > 0)
        throw RuntimeError(ErrorNumber::PathNotFound, "path not found: " + path);
}

void MemoryFileSystem::RemoveFile(const std::string& path) {
    if (failRemove)
        throw RuntimeError(*failRemove, "injected remove failure: " + path);
    if (files.erase(path) == 0)
        throw RuntimeError(ErrorNumber::FileNotFound, "file not found: " + path);
}

} // namespace tessik
