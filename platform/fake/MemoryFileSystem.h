#pragma once

#include "platform/FileSystem.h"
#include "platform/RuntimeError.h"
#include "platform/fake/FakeAnsiCodePage.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace tessik {

// An in-memory file system for tests. Files are byte strings keyed by path;
// any operation can be made to fail with a chosen error number. Paths are
// compared exactly, except by Exists, which finds names as Windows does.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, FolderEntry> extraEntries; // folders, hidden and system files by path
    std::set<std::string> hiddenFiles;               // paths of `files` listed as hidden
    // The code page in which the paths are given, as Windows reads them.
    FakeAnsiCodePage codePage;

    std::optional<ErrorNumber> failOpenForReading;
    std::optional<ErrorNumber> failOpenForWriting;
    std::optional<ErrorNumber> failRead; // thrown by the read that passes byte failReadAt
    std::size_t failReadAt = 0;
    std::optional<ErrorNumber> failWrite; // thrown by the write of byte failWriteAt
    std::size_t failWriteAt = 0;
    std::optional<ErrorNumber> failRemove;
    // Thrown by the Close() of a replacing file, when it would put the
    // written file in place.
    std::optional<ErrorNumber> failReplace;
    // Run by the Close() of a replacing file before it puts the written file
    // in place, as another program might change the folder meanwhile.
    std::function<void()> beforeReplace;
    // Folders that are not there: they list as empty and no file can be
    // created in them (PathNotFound) until CreateFolder makes them.
    std::set<std::string> missingFolders;

    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override;
    // Fail as OpenForWriting does (failOpenForWriting, failWrite). The
    // temporary file is listed as hidden until it takes its place; hidden
    // leftovers of earlier saves of the path go first.
    std::unique_ptr<OutputFile> OpenForReplacing(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForCreating(const std::string& path) override;
    // Letter case does not count, for ASCII and Latin-1 letters alike.
    bool Exists(const std::string& path) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
    void CreateFolder(const std::string& path) override;
    void RemoveFile(const std::string& path) override;

private:
    std::unique_ptr<OutputFile> OpenTemporaryFor(const std::string& path, bool replaceExisting);
    std::string ParentOf(const std::string& path) const;
    void ThrowWhenFolderMissing(const std::string& path) const;
};

} // namespace tessik
