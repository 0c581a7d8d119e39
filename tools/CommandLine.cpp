#include "tools/CommandLine.h"

#include "tools/LayoutCommands.h"
#include "tools/TypeCommand.h"

#include <span>

namespace tessik::cli {
namespace {

constexpr const char* kUsage =
    "usage: tessik-cli type [--layout FILE] [--trace] TEXT...\n"
    "       tessik-cli type [--layout FILE] [--trace] --keys \"TOKEN TOKEN ...\"\n"
    "       tessik-cli layout show FILE\n"
    "       tessik-cli layout export FILE\n"
    "       tessik-cli layout import TEXTFILE OUTFILE\n"
    "       tessik-cli layout chart FILE > CHART.svg\n"
    "\n"
    "type      types TEXT (or the keys named by the tokens) on a simulated US\n"
    "          keyboard with the native mode on and prints what the text box\n"
    "          holds; --trace prints what happened to each key instead.\n"
    "          Without --layout it uses Layouts/Default beside tessik-cli.\n"
    "          A token is zero or more of shift+ ctrl+ alt+, then a-z, 0-9,\n"
    "          num0-num9, backslash, space, enter, tab, backspace or vk:N.\n"
    "layout    show prints the key of each letter-table row in a layout file;\n"
    "          export prints a layout file in its text form; import writes the\n"
    "          layout file of a text form; chart prints a drawing of the US\n"
    "          keyboard with the letters that each key types (SVG; open it\n"
    "          in a web browser to see or print it).\n";

void ExpectArguments(std::span<const std::string> args, std::size_t count, const char* usage) {
    if (args.size() != count)
        throw UsageError(std::string("usage: tessik-cli layout ") + usage);
}

std::string RunLayoutCommand(std::span<const std::string> args) {
    if (args.empty())
        throw UsageError("missing layout command: show, export, import or chart");
    const std::string& command = args[0];
    args = args.subspan(1);
    if (command == "show") {
        ExpectArguments(args, 1, "show FILE");
        return ShowLayoutFile(args[0]);
    }
    if (command == "export") {
        ExpectArguments(args, 1, "export FILE");
        return ExportLayoutFile(args[0]);
    }
    if (command == "import") {
        ExpectArguments(args, 2, "import TEXTFILE OUTFILE");
        ImportLayoutText(args[0], args[1]);
        return "";
    }
    if (command == "chart") {
        ExpectArguments(args, 1, "chart FILE");
        return ChartLayoutFile(args[0]);
    }
    throw UsageError("unknown layout command \"" + command + "\" (show, export, import or chart)");
}

} // namespace

std::string RunCommandLine(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError("missing command; see tessik-cli --help");
    const std::string& command = args[0];
    const auto rest = std::span(args).subspan(1);
    if (command == "--help" || command == "-h")
        return kUsage;
    if (command == "type")
        return RunTypeCommand(rest);
    if (command == "layout")
        return RunLayoutCommand(rest);
    throw UsageError("unknown command \"" + command + "\"; see tessik-cli --help");
}

} // namespace tessik::cli
