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
    // Opens a new, empty file that takes the place of `path` only when
    // Close() succeeds: the bytes go to the hidden file TemporaryPathFor(path)
    // beside it, which then replaces `path` in one step and is from then on
    // an ordinary, visible file. Until then, and whenever a step fails or the
    // file is dropped without Close(), `path` stays as it was (or missing)
    // and the temporary file is removed.
    virtual std::unique_ptr<OutputFile> OpenForReplacing(const std::string& path) = 0;
    // Whether anything, file or folder, hidden or not, is found at `path`
    // the way the system finds names: on Windows letter case does not count
    // and a short (8.3) name finds its file too. When the system cannot
    // tell, the path counts as taken.
    virtual bool Exists(const std::string& path) = 0;
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
};

// Joins a folder and a name with the platform's path separator.
std::string JoinPath(std::string_view folder, std::string_view name);

// The temporary file of OpenForReplacing(path): "~" + name + ".tmp" in the
// same folder, so that putting it in place is a rename within one folder.
std::string TemporaryPathFor(std::string_view path);
// Whether a file name has the form of those temporary files (letter case
// of the extension ignored, as Windows ignores it).
bool IsTemporaryFileName(std::string_view name);

} // namespace tessik
