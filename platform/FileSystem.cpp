#include "platform/FileSystem.h"

namespace tessik {

std::string JoinPath(std::string_view folder, std::string_view name) {
#ifdef _WIN32
    constexpr char kSeparator = '\\';
#else
    constexpr char kSeparator = '/';
#endif
    std::string path(folder);
    path += kSeparator;
    path += name;
    return path;
}

} // namespace tessik
