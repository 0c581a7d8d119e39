#pragma once

#include "platform/FileSystem.h"

namespace tessik {

// The real file system through the C++ standard library, for the
// command-line tool on Linux and on Windows. The library cannot mark a file
// hidden, so the temporary file of a replacing write shows while it exists.
// Its messages name the file first, as "PATH: file not found".
class StdFileSystem : public FileSystem {
public:
    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForReplacing(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForCreating(const std::string& path) override;
    bool Exists(const std::string& path) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
    void CreateFolder(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
};

} // namespace tessik
