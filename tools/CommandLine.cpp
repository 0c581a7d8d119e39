#include "tools/CommandLine.h"

#include "tools/LayoutArgument.h"
#include "tools/LayoutCommands.h"
#include "tools/TypeCommand.h"
#include "tools/WholeFiles.h"

#include <algorithm>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

namespace tessik::cli {
namespace {

constexpr const char* kUsage =
    "usage: tessik-cli type [--layout FILE] [--trace] TEXT...\n"
    "       tessik-cli type [--layout FILE] [--trace] -\n"
    "       tessik-cli type [--layout FILE] [--trace] --keys \"TOKEN TOKEN ...\"\n"
    "       tessik-cli layout show FILE\n"
    "       tessik-cli layout export FILE [-o TEXTFILE]\n"
    "       tessik-cli layout import [--force] TEXTFILE [-o] OUTFILE\n"
    "       tessik-cli layout chart FILE [-o CHART.svg]\n"
    "\n"
    "type      types TEXT (or the keys named by the tokens) on a simulated US\n"
    "          keyboard with the native mode on and prints what the text box\n"
    "          holds; --trace prints what happened to each key instead.\n"
    "          TEXT - is the text on standard input. Without --layout it uses\n"
    "          Layouts/Default beside tessik-cli; --layout Phonetic spells each\n"
    "          word in Latin letters (amar sOnar bangla).\n"
    "          A token is zero or more of shift+ ctrl+ alt+, then a-z, 0-9,\n"
    "          num0-num9, backslash, space, enter, tab, backspace or vk:N.\n"
    "layout    show prints the key of each letter-table row in a layout file;\n"
    "          export prints a layout file in its text form; import writes the\n"
    "          layout file of a text form (UTF-8, or UTF-16 with a byte-order\n"
    "          mark), replacing an OUTFILE that exists only with --force;\n"
    "          chart prints a drawing of the US keyboard with the letters that\n"
    "          each key types (SVG; open it in a web browser to see or print\n"
    "          it). -o writes to a file instead of standard output.\n"
    "FILE      a layout file; a bare name that the current folder has no file\n"
    "          of is looked for in Layouts beside tessik-cli (--layout Default).\n"
    "          Phonetic is the built-in phonetic layout, which has no file:\n"
    "          layout show lists the Latin that types each letter (./Phonetic\n"
    "          is a file of that name).\n";

// What each layout command takes besides its one FILE or TEXTFILE; its
// usage line says the same.
struct LayoutCommandSyntax {
    std::string_view name;
    bool takesOutput;
    bool needsOutput; // given with -o or as the second file
    bool takesForce;
    const char* usage;
};

constexpr LayoutCommandSyntax kLayoutCommands[] = {
    {"show", false, false, false, "show FILE"},
    {"export", true, false, false, "export FILE [-o TEXTFILE]"},
    {"import", true, true, true, "import [--force] TEXTFILE [-o] OUTFILE"},
    {"chart", true, false, false, "chart FILE [-o CHART.svg]"},
};

struct LayoutArguments {
    std::string file;
    std::optional<std::string> output;
    bool force = false;
};

// Options may come before, between or after the files.
LayoutArguments ParseLayoutArguments(std::span<const std::string> args,
                                     const LayoutCommandSyntax& syntax) {
    const auto usage = [&syntax] {
        return UsageError(std::string("usage: tessik-cli layout ") + syntax.usage);
    };
    LayoutArguments parsed;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o" && syntax.takesOutput && !parsed.output && i + 1 < args.size())
            parsed.output = args[++i];
        else if (arg == "--force" && syntax.takesForce)
            parsed.force = true;
        else if (arg.size() > 1 && arg[0] == '-')
            throw usage();
        else
            files.push_back(arg);
    }
    if (syntax.needsOutput && !parsed.output && files.size() == 2) {
        parsed.output = files.back();
        files.pop_back();
    }
    if (files.size() != 1 || (syntax.needsOutput && !parsed.output))
        throw usage();
    parsed.file = files.front();
    return parsed;
}

// What show, export or chart prints of the layout file at `path`.
std::string DescribeLayoutFile(std::string_view command, const std::string& path) {
    if (command == "show")
        return ShowLayoutFile(path);
    if (command == "export")
        return ExportLayoutFile(path);
    return ChartLayoutFile(path);
}

std::string RunLayoutCommand(std::span<const std::string> args) {
    if (args.empty())
        throw UsageError("missing layout command: show, export, import or chart");
    const std::string& command = args[0];
    const auto syntax = std::find_if(std::begin(kLayoutCommands), std::end(kLayoutCommands),
                                     [&command](const auto& s) { return s.name == command; });
    if (syntax == std::end(kLayoutCommands))
        throw UsageError("unknown layout command \"" + command +
                         "\" (show, export, import or chart)");
    const LayoutArguments parsed = ParseLayoutArguments(args.subspan(1), *syntax);
    if (command == "import") {
        ImportLayoutText(parsed.file, *parsed.output, parsed.force);
        return "";
    }
    const std::optional<std::string> layout = FindLayoutFile(parsed.file);
    if (!layout && command == "show")
        return ShowPhoneticLayout();
    if (!layout)
        throw std::runtime_error(parsed.file +
                                 " is the built-in phonetic layout and has no layout file "
                                 "(tessik-cli layout show " + parsed.file +
                                 " lists its spellings)");
    ExpectLayoutFile(*layout);
    const std::string output = DescribeLayoutFile(command, *layout);
    if (!parsed.output)
        return output;
    RefuseToWriteOver(*layout, *parsed.output);
    // The bytes as they are, which a shell's redirection may not keep
    // (Windows PowerShell 5.1 writes UTF-16).
    WriteWholeFile(*parsed.output, output);
    return "";
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
