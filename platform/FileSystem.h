#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessik {

// A file opened for reading raw bytes from its start.
class InputFile {
public:
    virtual ~InputFile() = default;
    // Reads up to into.size() bytes and returns how many were read; fewer
    // than asked means the end of the file. Throws RuntimeError on an I/O error.
    virtual std::size_t Read(std::span<std::byte> into) = 0;
};

// A file opened for writing raw bytes from its start. Nothing is guaranteed
// to be on disk before Close() returns; Close() throws when the write failed.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual void Write(std::span<const std::byte> bytes) = 0;
    virtual void Close() = 0;
};

struct FolderEntry {
    std::string name;
    bool isFolder = false;
    bool isHidden = false;
    bool isSystem = false;
};

// Every file the program touches goes through this interface, so tests can
// make any step fail and the writers need not know how a save reaches disk.
// Failures are thrown as RuntimeError with the matching ErrorNumber.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::unique_ptr<InputFile> OpenForReading(const std::string& path) = 0;
    // Opens for writing without cutting the file; a missing file is created.
    virtual std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) = 0;
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
};

// Joins a folder and a name with the platform's path separator.
std::string JoinPath(std::string_view folder, std::string_view name);

} // namespace tessik
