#pragma once

#include "platform/AnsiCodePage.h"
#include "platform/FileSystem.h"

namespace tessik {

// Files through the 8-bit file functions of kernel32, so that names cross
// in the ANSI code page and a folder listing knows hidden and system files.
class Win32FileSystem final : public FileSystem {
public:
    // The code page in which the paths are given.
    explicit Win32FileSystem(const AnsiCodePage& codePage) : codePage_(codePage) {}

    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForReplacing(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForCreating(const std::string& path) override;
    bool Exists(const std::string& path) override;
    // Every entry the system lists, "." and ".." included, with its kind.
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
    void CreateFolder(const std::string& path) override;
    void RemoveFile(const std::string& path) override;

private:
    std::unique_ptr<OutputFile> OpenTemporaryFor(const std::string& path, bool replaceExisting);

    const AnsiCodePage& codePage_;
};

} // namespace tessik
