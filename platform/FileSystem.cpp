#include "platform/FileSystem.h"

#include "platform/RuntimeError.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace tessik {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

constexpr std::string_view kTemporaryPrefix = "~";
constexpr std::string_view kTemporaryExtension = ".tmp";
// Files of the temporary form are few; a hundred taken means something is wrong.
constexpr int kTemporaryAttempts = 100;

} // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += kSeparator;
    path += name;
    return path;
}

std::string TemporaryPathFor(std::string_view path, std::size_t nameStart, int attempt) {
    std::string temporary(path.substr(0, nameStart));
    temporary += kTemporaryPrefix;
    temporary += path.substr(nameStart);
    if (attempt > 0) {
        temporary += kTemporaryPrefix;
        temporary += std::to_string(attempt);
    }
    temporary += kTemporaryExtension;
    return temporary;
}

void CreateTemporaryFile(std::string_view path, std::size_t nameStart,
                         const std::function<bool(const std::string& temporaryPath)>& create) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        if (create(TemporaryPathFor(path, nameStart, attempt)))
            return;
    }
    throw RuntimeError(ErrorNumber::PathFileAccessError,
                       "every temporary name is taken beside " + std::string(path));
}

void RemoveLeftoverTemporaryFiles(FileSystem& files, std::string_view path, std::size_t nameStart) {
    if (nameStart == 0)
        return;
    try {
        std::set<std::string> hidden;
        for (const FolderEntry& entry :
             files.ListFolder(std::string(path.substr(0, nameStart - 1)))) {
            if (entry.isHidden && !entry.isFolder)
                hidden.insert(entry.name);
        }
        for (int attempt = 0; attempt < kTemporaryAttempts && !hidden.empty(); ++attempt) {
            const std::string temporary = TemporaryPathFor(path, nameStart, attempt);
            if (hidden.erase(temporary.substr(nameStart)) == 0)
                continue;
            try {
                files.RemoveFile(temporary);
            } catch (const RuntimeError&) {
                // In use by a save still running elsewhere, or not ours to remove.
            }
        }
    } catch (const RuntimeError&) {
        // Leftovers that cannot be listed cost temporary names, not the save.
    }
}

bool IsTemporaryFileName(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix) ||
        name.size() < kTemporaryPrefix.size() + kTemporaryExtension.size())
        return false;
    const std::string_view extension = name.substr(name.size() - kTemporaryExtension.size());
    return std::equal(
        extension.begin(), extension.end(), kTemporaryExtension.begin(),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

} // namespace tessik
