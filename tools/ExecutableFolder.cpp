#include "tools/ExecutableFolder.h"

#include "platform/RuntimeError.h"

#include <cstdlib>
#include <filesystem>

namespace tessik::cli {

std::string ExecutableFolder() {
#ifdef _WIN32
    // The C run-time keeps the executable's full path (ANSI, like every path
    // this program hands to the system).
    const char* path = _pgmptr;
    if (path == nullptr || *path == '\0')
        throw RuntimeError(ErrorNumber::PathNotFound, "cannot find the executable's folder");
    return std::filesystem::path(path).parent_path().string();
#else
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        throw RuntimeError(ErrorNumber::PathNotFound, "cannot find the executable's folder");
    return path.parent_path().string();
#endif
}

} // namespace tessik::cli
