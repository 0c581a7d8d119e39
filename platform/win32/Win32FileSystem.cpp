#include "platform/win32/Win32FileSystem.h"

#include "platform/RuntimeError.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace tessik {
namespace {

[[noreturn]] void ThrowLastError(const std::string& what, const std::string& path) {
    const DWORD error = GetLastError();
    ErrorNumber number = ErrorNumber::DeviceIoError;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        number = ErrorNumber::FileNotFound;
        break;
    case ERROR_PATH_NOT_FOUND:
        number = ErrorNumber::PathNotFound;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        number = ErrorNumber::PermissionDenied;
        break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        number = ErrorNumber::PathFileAccessError;
        break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        number = ErrorNumber::FileAlreadyExists;
        break;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
        number = ErrorNumber::BadFileName;
        break;
    default:
        break;
    }
    throw RuntimeError(number, what + " " + path + " (system error " + std::to_string(error) + ")");
}

// Owns a file handle and gives it back however the operation ends.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Close() {
        const bool closed = handle_ == INVALID_HANDLE_VALUE || CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

DWORD ChunkOf(std::size_t size) {
    return static_cast<DWORD>(std::min<std::size_t>(size, INT_MAX));
}

class Win32InputFile final : public InputFile {
public:
    Win32InputFile(HANDLE handle, std::string path) : file_(handle), path_(std::move(path)) {}

    std::size_t Read(std::span<std::byte> into) override {
        std::size_t total = 0;
        while (total < into.size()) {
            DWORD read = 0;
            if (!ReadFile(file_.Get(), into.data() + total, ChunkOf(into.size() - total), &read,
                          nullptr))
                ThrowLastError("cannot read", path_);
            if (read == 0)
                break;
            total += read;
        }
        return total;
    }

private:
    FileHandle file_;
    std::string path_;
};

class Win32OutputFile final : public OutputFile {
public:
    Win32OutputFile(HANDLE handle, std::string path) : file_(handle), path_(std::move(path)) {}

    void Write(std::span<const std::byte> bytes) override {
        std::size_t total = 0;
        while (total < bytes.size()) {
            DWORD written = 0;
            if (!WriteFile(file_.Get(), bytes.data() + total, ChunkOf(bytes.size() - total),
                           &written, nullptr))
                ThrowLastError("cannot write", path_);
            total += written;
        }
    }

    void Close() override {
        if (!file_.Close())
            ThrowLastError("cannot close", path_);
    }

    // Everything written is on the disk before the file is closed.
    void FlushAndClose() {
        if (!FlushFileBuffers(file_.Get()))
            ThrowLastError("cannot write", path_);
        Close();
    }

    // Closes without reporting: the file is being given up.
    void Drop() { file_.Close(); }

private:
    FileHandle file_;
    std::string path_;
};

// Writes to a hidden temporary file of its own and puts it in place of the
// target only when Close() succeeds; otherwise the temporary file goes again.
class Win32ReplacingFile final : public OutputFile {
public:
    Win32ReplacingFile(HANDLE handle, std::string temporaryPath, std::string path,
                       bool replaceExisting)
        : temporary_(handle, temporaryPath), temporaryPath_(std::move(temporaryPath)),
          path_(std::move(path)), replaceExisting_(replaceExisting) {}
    ~Win32ReplacingFile() override {
        if (!replaced_) {
            temporary_.Drop();
            DeleteFileA(temporaryPath_.c_str());
        }
    }
    Win32ReplacingFile(const Win32ReplacingFile&) = delete;
    Win32ReplacingFile& operator=(const Win32ReplacingFile&) = delete;

    void Write(std::span<const std::byte> bytes) override { temporary_.Write(bytes); }

    void Close() override {
        temporary_.FlushAndClose();
        // Shown before the move, which keeps the attribute: a hidden file is
        // left out of the layout list, and nothing may fail after the move.
        if (!SetFileAttributesA(temporaryPath_.c_str(), FILE_ATTRIBUTE_NORMAL))
            ThrowLastError("cannot show", temporaryPath_);
        const DWORD replacing = replaceExisting_ ? MOVEFILE_REPLACE_EXISTING : 0;
        if (!MoveFileExA(temporaryPath_.c_str(), path_.c_str(), replacing | MOVEFILE_WRITE_THROUGH))
            ThrowLastError("cannot put in place", path_);
        replaced_ = true;
    }

private:
    Win32OutputFile temporary_;
    std::string temporaryPath_;
    std::string path_;
    bool replaceExisting_;
    bool replaced_ = false;
};

} // namespace

std::unique_ptr<InputFile> Win32FileSystem::OpenForReading(const std::string& path) {
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        ThrowLastError("cannot open", path);
    return std::make_unique<Win32InputFile>(handle, path);
}

std::unique_ptr<OutputFile> Win32FileSystem::OpenForWriting(const std::string& path) {
    // OPEN_ALWAYS keeps what the file holds and creates a missing one.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        ThrowLastError("cannot open for writing", path);
    return std::make_unique<Win32OutputFile>(handle, path);
}

// Hidden from the start, so a crash before the move leaves no entry in the
// layout list, and the next save of the name removes it first. CREATE_NEW
// never takes over a file that is still there: a visible one, or one that
// cannot be removed, belongs to someone else.
std::unique_ptr<OutputFile> Win32FileSystem::OpenTemporaryFor(const std::string& path,
                                                              bool replaceExisting) {
    const std::size_t nameStart = codePage_.NameStart(path);
    RemoveLeftoverTemporaryFiles(*this, path, nameStart);
    std::unique_ptr<OutputFile> file;
    CreateTemporaryFile(path, nameStart, [&](const std::string& temporaryPath) {
        const HANDLE handle = CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                return false;
            ThrowLastError("cannot create", temporaryPath);
        }
        file = std::make_unique<Win32ReplacingFile>(handle, temporaryPath, path, replaceExisting);
        return true;
    });
    return file;
}

std::unique_ptr<OutputFile> Win32FileSystem::OpenForReplacing(const std::string& path) {
    return OpenTemporaryFor(path, true);
}

std::unique_ptr<OutputFile> Win32FileSystem::OpenForCreating(const std::string& path) {
    return OpenTemporaryFor(path, false);
}

bool Win32FileSystem::Exists(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    // Only "not found" is an answer; any other failure leaves it open, and
    // the name counts as taken.
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

std::vector<FolderEntry> Win32FileSystem::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(JoinPath(folder, "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        // "Path not found" is the folder itself missing: no layouts yet.
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return entries;
        ThrowLastError("cannot list", folder);
    }
    do {
        const DWORD attributes = found.dwFileAttributes;
        entries.push_back({found.cFileName, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                           (attributes & FILE_ATTRIBUTE_SYSTEM) != 0});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entries;
}

void Win32FileSystem::CreateFolder(const std::string& path) {
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        ThrowLastError("cannot create", path);
}

void Win32FileSystem::RemoveFile(const std::string& path) {
    if (!DeleteFileA(path.c_str()))
        ThrowLastError("cannot delete", path);
}

} // namespace tessik
