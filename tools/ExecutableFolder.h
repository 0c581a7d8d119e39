#pragma once

#include <string>

namespace tessik::cli {

// The folder that holds the running executable, where its Layouts folder is.
std::string ExecutableFolder();

} // namespace tessik::cli
