#include "platform/std/StdFileSystem.h"

#include "platform/RuntimeError.h"

#include <filesystem>
#include <fstream>

namespace tessik {
namespace {

namespace fs = std::filesystem;

// The tool's paths are cut at their last separator byte: the library takes
// them as the system's own narrow paths.
std::size_t NameStartOf(std::string_view path) {
#ifdef _WIN32
    const auto cut = path.find_last_of("\\/");
#else
    const auto cut = path.find_last_of('/');
#endif
    return cut == std::string_view::npos ? 0 : cut + 1;
}

class StdInputFile : public InputFile {
public:
    StdInputFile(std::ifstream stream, std::string path)
        : stream_(std::move(stream)), path_(std::move(path)) {}

    std::size_t Read(std::span<std::byte> into) override {
        stream_.read(reinterpret_cast<char*>(into.data()),
                     static_cast<std::streamsize>(into.size()));
        if (stream_.bad())
            throw RuntimeError(ErrorNumber::DeviceIoError, path_ + ": cannot read");
        return static_cast<std::size_t>(stream_.gcount());
    }

private:
    std::ifstream stream_;
    std::string path_;
};

class StdOutputFile : public OutputFile {
public:
    StdOutputFile(std::fstream stream, std::string path)
        : stream_(std::move(stream)), path_(std::move(path)) {}

    void Write(std::span<const std::byte> bytes) override {
        stream_.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
        if (!stream_)
            throw RuntimeError(ErrorNumber::DeviceIoError, path_ + ": cannot write");
    }

    void Close() override {
        stream_.close();
        if (!stream_)
            throw RuntimeError(ErrorNumber::DeviceIoError, path_ + ": cannot write");
    }

private:
    std::fstream stream_;
    std::string path_;
};

// Writes to a temporary file of its own beside `path` and renames it over
// `path` on Close(); dropped before that, it removes the temporary file.
class StdReplacingFile : public OutputFile {
public:
    StdReplacingFile(std::string path, bool replaceExisting)
        : path_(std::move(path)), replaceExisting_(replaceExisting) {
        // The library has no exclusive create, so a taken name is looked for
        // first; the tool is the only writer while it runs.
        CreateTemporaryFile(path_, NameStartOf(path_), [this](const std::string& temporaryPath) {
            std::error_code ignored;
            if (fs::symlink_status(temporaryPath, ignored).type() != fs::file_type::not_found)
                return false;
            stream_.open(temporaryPath, std::ios::binary | std::ios::trunc);
            if (!stream_)
                throw RuntimeError(ErrorNumber::PathFileAccessError, path_ + ": cannot write");
            temporaryPath_ = temporaryPath;
            return true;
        });
    }

    ~StdReplacingFile() override {
        if (replaced_)
            return;
        stream_.close();
        std::error_code ignored;
        fs::remove(temporaryPath_, ignored);
    }

    void Write(std::span<const std::byte> bytes) override {
        stream_.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
        if (!stream_)
            throw RuntimeError(ErrorNumber::DeviceIoError, path_ + ": cannot write");
    }

    void Close() override {
        stream_.close();
        if (!stream_)
            throw RuntimeError(ErrorNumber::DeviceIoError, path_ + ": cannot write");
        std::error_code error;
        if (!replaceExisting_ &&
            fs::symlink_status(path_, error).type() != fs::file_type::not_found)
            throw RuntimeError(ErrorNumber::FileAlreadyExists, path_ + ": already exists");
        fs::rename(temporaryPath_, path_, error);
        if (error)
            throw RuntimeError(ErrorNumber::PathFileAccessError,
                               path_ + ": cannot replace it (" + error.message() + ")");
        replaced_ = true;
    }

private:
    std::string path_;
    bool replaceExisting_;
    std::string temporaryPath_;
    std::ofstream stream_;
    bool replaced_ = false;
};

[[noreturn]] void ThrowOpenFailure(const std::string& path) {
    std::error_code ignored;
    if (!fs::exists(path, ignored))
        throw RuntimeError(ErrorNumber::FileNotFound, path + ": file not found");
    throw RuntimeError(ErrorNumber::PathFileAccessError, path + ": cannot open");
}

} // namespace

std::unique_ptr<InputFile> StdFileSystem::OpenForReading(const std::string& path) {
    std::error_code ignored;
    if (fs::is_directory(path, ignored))
        ThrowOpenFailure(path);
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        ThrowOpenFailure(path);
    return std::make_unique<StdInputFile>(std::move(stream), path);
}

std::unique_ptr<OutputFile> StdFileSystem::OpenForWriting(const std::string& path) {
    // in|out keeps what the file holds; only a missing file needs creating.
    std::fstream stream(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!stream) {
        stream.clear();
        stream.open(path, std::ios::binary | std::ios::out);
    }
    if (!stream)
        throw RuntimeError(ErrorNumber::PathFileAccessError, path + ": cannot write");
    return std::make_unique<StdOutputFile>(std::move(stream), path);
}

std::unique_ptr<OutputFile> StdFileSystem::OpenForReplacing(const std::string& path) {
    return std::make_unique<StdReplacingFile>(path, true);
}

std::unique_ptr<OutputFile> StdFileSystem::OpenForCreating(const std::string& path) {
    return std::make_unique<StdReplacingFile>(path, false);
}

bool StdFileSystem::Exists(const std::string& path) {
    std::error_code error;
    // Any failure other than "not found" leaves the type unknown: taken.
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

std::vector<FolderEntry> StdFileSystem::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        entries.push_back({name, entry.is_directory(), !name.empty() && name[0] == '.', false});
    }
    if (error == std::errc::no_such_file_or_directory)
        return {};
    if (error)
        throw RuntimeError(ErrorNumber::PathNotFound, folder + ": cannot list");
    return entries;
}

void StdFileSystem::CreateFolder(const std::string& path) {
    std::error_code error;
    fs::create_directory(path, error);
    if (error)
        throw RuntimeError(ErrorNumber::PathNotFound, path + ": cannot create");
}

void StdFileSystem::RemoveFile(const std::string& path) {
    std::error_code error;
    if (!fs::remove(path, error)) {
        if (error)
            throw RuntimeError(ErrorNumber::PermissionDenied, path + ": cannot delete");
        throw RuntimeError(ErrorNumber::FileNotFound, path + ": file not found");
    }
}

} // namespace tessik
