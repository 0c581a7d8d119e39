#include "tools/LayoutArgument.h"

#include "engine/Engine.h"
#include "engine/LayoutRecord.h"
#include "layouts/LayoutText.h"
#include "platform/std/StdFileSystem.h"
#include "tools/ExecutableFolder.h"
#include "tools/WholeFiles.h"

#include <filesystem>
#include <stdexcept>

namespace tessik::cli {
namespace {

namespace fs = std::filesystem;

fs::path LayoutsFolderBesideTool() {
    return fs::path(ExecutableFolder()) / "Layouts";
}

bool ReadsAsLayoutText(const std::string& path) {
    try {
        ParseLayoutText(ReadWholeFile(path));
        return true;
    } catch (const LayoutTextError&) {
        return false;
    }
}

} // namespace

std::optional<std::string> FindLayoutFile(const std::string& given) {
    if (given == kPhoneticLayoutName)
        return std::nullopt;
    std::error_code unknown; // counts as not there
    if (given.empty() || fs::path(given).has_parent_path() || fs::exists(given, unknown))
        return given;
    const fs::path besideTool = LayoutsFolderBesideTool() / given;
    return fs::exists(besideTool, unknown) ? besideTool.string() : given;
}

std::string DefaultLayoutFile() {
    return (LayoutsFolderBesideTool() / "Default").string();
}

bool HoldsLayout(const std::string& path) {
    StdFileSystem files;
    LayoutRecord buffer;
    return ReadLayoutRecords(*files.OpenForReading(path), buffer, [](const LayoutRecord&) {});
}

void ExpectLayoutFile(const std::string& path) {
    if (HoldsLayout(path))
        return;
    std::string message = path + " is not a layout file";
    if (ReadsAsLayoutText(path))
        message += " (it is a layout's text form: make a layout of it with tessik-cli layout "
                   "import)";
    throw std::runtime_error(message);
}

} // namespace tessik::cli
