#include "tools/TypeCommand.h"

#include "layouts/TextEncoding.h"
#include "platform/std/StdFileSystem.h"
#include "tools/CommandLine.h"
#include "tools/LayoutArgument.h"
#include "tools/SimulatedDesktop.h"
#include "tools/WholeFiles.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

namespace tessik::cli {
namespace {

struct TypeRequest {
    std::optional<std::string> layoutFile;
    bool trace = false;
    std::optional<std::string> keys;
    std::optional<std::string> text;
    bool textOnStandardInput = false;
};

struct Key {
    std::string token;
    KeyStroke stroke;
};

std::string OptionValue(std::span<const std::string> args, std::size_t& i) {
    if (i + 1 >= args.size())
        throw UsageError(args[i] + " needs a value");
    return args[++i];
}

// Options come first; the first argument that is not one starts the text,
// and "--" starts it explicitly (for a text that begins with "-"). A text
// that is only "-" stands for standard input.
TypeRequest ParseArguments(std::span<const std::string> args) {
    TypeRequest request;
    std::size_t i = 0;
    bool afterDoubleDash = false;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            ++i;
            afterDoubleDash = true;
            break;
        }
        if (arg == "--trace")
            request.trace = true;
        else if (arg == "--layout")
            request.layoutFile = OptionValue(args, i);
        else if (arg == "--keys" && !request.keys)
            request.keys = OptionValue(args, i);
        else if (arg == "--keys")
            throw UsageError("--keys is given twice");
        else if (arg.size() > 1 && arg[0] == '-')
            throw UsageError("unknown option \"" + arg + "\"");
        else
            break;
    }
    if (i < args.size()) {
        if (request.keys)
            throw UsageError("give either TEXT or --keys, not both");
        request.textOnStandardInput = !afterDoubleDash && i + 1 == args.size() && args[i] == "-";
        std::string text = args[i];
        while (++i < args.size())
            text += " " + args[i];
        request.text = std::move(text);
    }
    if (!request.keys && !request.text)
        throw UsageError("nothing to type: give TEXT or --keys \"TOKEN ...\"");
    return request;
}

// The character at the start of `text` as a person would recognise it in a
// message: a control character by its code, anything else as it is.
std::string Quoted(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x20 || lead == 0x7F) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", lead);
        return code;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return "\"" + std::string(text.substr(0, length)) + "\"";
}

// Standard input as typed text: one line end at its end, which every line
// of a pipe or a file has, is not part of it, and CR LF is one Enter.
std::string TextOfStandardInput() {
    const std::string input = Utf8OfFileText(ReadStandardInput());
    std::string text;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (!(input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n'))
            text += input[i];
    }
    if (text.ends_with('\n'))
        text.pop_back();
    return text;
}

std::vector<Key> KeysOfText(std::string_view text) {
    std::vector<Key> keys;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto stroke = KeyStrokeForCharacter(text[i]);
        if (!stroke)
            throw UsageError("no key of a US keyboard types " + Quoted(text.substr(i)));
        keys.push_back({CanonicalToken(*stroke), *stroke});
    }
    return keys;
}

std::vector<Key> KeysOfTokens(std::string_view tokens) {
    std::vector<Key> keys;
    constexpr std::string_view kBlanks = " \t";
    while (true) {
        const auto start = tokens.find_first_not_of(kBlanks);
        if (start == std::string_view::npos)
            return keys;
        tokens.remove_prefix(start);
        const std::string token(tokens.substr(0, tokens.find_first_of(kBlanks)));
        tokens.remove_prefix(token.size());
        const auto stroke = ParseKeyToken(token);
        if (!stroke)
            throw UsageError("unknown key token \"" + token + "\"");
        keys.push_back({token, *stroke});
    }
}

std::string TraceLine(const Key& key, const SimulatedDesktop::KeyOutcome& outcome) {
    std::string line = key.token + (outcome.swallowed ? " swallowed" : " passed");
    for (const uint16_t unit : outcome.injected) {
        char item[16];
        if (unit == InjectionBatch::kBackspace)
            std::snprintf(item, sizeof item, " BS");
        else
            std::snprintf(item, sizeof item, " U+%04X", unit);
        line += item;
    }
    return line + "\n";
}

} // namespace

std::string RunTypeCommand(std::span<const std::string> args) {
    const TypeRequest request = ParseArguments(args);
    const std::vector<Key> keys =
        request.keys
            ? KeysOfTokens(*request.keys)
            : KeysOfText(request.textOnStandardInput ? TextOfStandardInput() : *request.text);

    const std::optional<std::string> layout =
        request.layoutFile ? FindLayoutFile(*request.layoutFile) : DefaultLayoutFile();
    if (layout)
        ExpectLayoutFile(*layout);
    StdFileSystem files;
    SimulatedDesktop desktop(files, layout);

    std::string trace;
    for (const Key& key : keys) {
        const auto outcome = desktop.Press(key.stroke);
        if (request.trace)
            trace += TraceLine(key, outcome);
    }
    return request.trace ? trace : desktop.Text().Utf8() + "\n";
}

} // namespace tessik::cli
