#pragma once

#include "platform/FileSystem.h"
#include "platform/RuntimeError.h"

#include <map>
#include <optional>
#include <string>

namespace tessik {

// An in-memory file system for tests. Files are byte strings keyed by path;
// any operation can be made to fail with a chosen error number.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, FolderEntry> extraEntries; // folders, hidden and system files by path

    std::optional<ErrorNumber> failOpenForReading;
    std::optional<ErrorNumber> failOpenForWriting;
    std::optional<ErrorNumber> failRead; // thrown by the read that passes byte failReadAt
    std::size_t failReadAt = 0;
    std::optional<ErrorNumber> failWrite; // thrown by the write of byte failWriteAt
    std::size_t failWriteAt = 0;
    std::optional<ErrorNumber> failRemove;

    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
    void RemoveFile(const std::string& path) override;
};

} // namespace tessik
