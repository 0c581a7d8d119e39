#pragma once

#include <cstddef>
#include <functional>
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
    // Close() succeeds: the bytes go to a hidden temporary file beside it
    // that the call creates under a name no other file has (see
    // CreateTemporaryFile), which is shown and then replaces `path` in one
    // step. Until then, and whenever a step fails or the file is dropped
    // without Close(), `path` stays as it was (or missing) and the temporary
    // file is removed. No other file is ever cut or replaced, and the only
    // others removed are the hidden leftovers of earlier saves of `path`
    // (see RemoveLeftoverTemporaryFiles).
    virtual std::unique_ptr<OutputFile> OpenForReplacing(const std::string& path) = 0;
    // As OpenForReplacing, but the file takes its place only while nothing is
    // at `path`: when something is there by Close(), Close() throws
    // RuntimeError FileAlreadyExists and leaves it alone.
    virtual std::unique_ptr<OutputFile> OpenForCreating(const std::string& path) = 0;
    // Whether anything, file or folder, hidden or not, is found at `path`
    // the way the system finds names: on Windows letter case does not count
    // and a short (8.3) name finds its file too. When the system cannot
    // tell, the path counts as taken.
    virtual bool Exists(const std::string& path) = 0;
    // The entries of a folder; a folder that is not there has none.
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    // Makes the folder at `path` when it is missing; one that is there is
    // left as it is.
    virtual void CreateFolder(const std::string& path) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
};

// Joins a folder and a name with the platform's path separator.
std::string JoinPath(std::string_view folder, std::string_view name);

// The temporary files of OpenForReplacing(path) live in the same folder, so
// that putting one in place is a rename within one folder: "~" + name +
// ".tmp", or for a later attempt "~" + name + "~" + attempt + ".tmp". The
// name of `path` begins at `nameStart`, which only the code page of the
// path can tell (a trail byte may look like a backslash).
std::string TemporaryPathFor(std::string_view path, std::size_t nameStart, int attempt = 0);
// Calls `create` with the temporary paths of `path` in turn until it makes
// one of them, a file that was not there before; `create` returns false when
// its path is taken. Throws RuntimeError PathFileAccessError when every
// temporary path is taken.
void CreateTemporaryFile(std::string_view path, std::size_t nameStart,
                         const std::function<bool(const std::string& temporaryPath)>& create);
// Removes the hidden files that have the form of the temporary files of
// `path`: those of a save that was cut off (by a power loss) and never came
// to remove its own, which would otherwise take up the temporary names one
// by one. Visible files of that form are someone else's and stay, as does
// whatever cannot be listed or removed.
void RemoveLeftoverTemporaryFiles(FileSystem& files, std::string_view path, std::size_t nameStart);
// Whether a file name has the form of those temporary files (letter case
// of the extension ignored, as Windows ignores it).
bool IsTemporaryFileName(std::string_view name);

} // namespace tessik
