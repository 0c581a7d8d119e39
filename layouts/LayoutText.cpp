#include "layouts/LayoutText.h"

#include "engine/KeySlots.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <vector>

namespace tessik {
namespace {

constexpr std::string_view kHeader =
    "# Tessik keyboard layout.\n"
    "#\n"
    "# One line for each row of the letter table, in the table's order: the key\n"
    "# label in double quotes (\"\" when the row has no key), the row's code value\n"
    "# (U+XXXX, or the special code 2, 3 or 4) and its letter. To give a letter\n"
    "# another key, change its key label. Text after \"#\" is a comment.\n"
    "#\n"
    "# key        code    letter\n";

// Widths of the label and code columns, two blanks included, so that the
// letters line up under each other.
constexpr std::size_t kLabelColumn = 13;
constexpr std::size_t kCodeColumn = 8;

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string RowTitle(int row) {
    return "row " + std::to_string(row + 1) + " (" +
           std::string(kRows[static_cast<std::size_t>(row)].name) + ")";
}

std::string FormatCode(CodeValue code) {
    if (IsSpecialCode(code))
        return std::to_string(code);
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

std::optional<CodeValue> ParseCode(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && (text[0] == 'U' || text[0] == 'u') && text[1] == '+') {
        text.remove_prefix(2);
        base = 16;
    }
    CodeValue value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// Letters compare as a reader sees them: with or without the dotted circle
// that carries a sign, and with the letters that have a two-character form
// (O and AU signs, RRA, RHA, YYA) in either form.
std::string ComparableLetter(std::string_view letter) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kEquivalents = {{
        {"\u25CC", ""},
        {"\u09CB", "\u09C7\u09BE"},
        {"\u09CC", "\u09C7\u09D7"},
        {"\u09DC", "\u09A1\u09BC"},
        {"\u09DD", "\u09A2\u09BC"},
        {"\u09DF", "\u09AF\u09BC"},
    }};
    std::string result(letter);
    for (const auto& [from, to] : kEquivalents) {
        for (auto at = result.find(from); at != std::string::npos; at = result.find(from, at))
            result.replace(at, from.size(), to);
    }
    return result;
}

std::vector<std::string_view> SplitAtBlanks(std::string_view text) {
    std::vector<std::string_view> words;
    while (true) {
        const auto start = text.find_first_not_of(kBlanks);
        if (start == std::string_view::npos)
            return words;
        text.remove_prefix(start);
        const auto end = std::min(text.find_first_of(kBlanks), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

// Most wrong labels are a right one with its blank missing or misplaced, or
// the key's character where the Shift label was meant ("K", "|", "3").
std::string SuggestionFor(std::string_view label) {
    const auto first = label.find_first_not_of(kBlanks);
    const std::string trimmed(
        first == std::string_view::npos
            ? std::string_view()
            : label.substr(first, label.find_last_not_of(kBlanks) + 1 - first));
    for (const std::string& candidate :
         {std::string(label) + " ", trimmed, trimmed + " ", "Shift + " + trimmed}) {
        if (SlotOfLabel(candidate))
            return " (did you mean \"" + candidate + "\"?)";
    }
    return "";
}

class Parser {
public:
    RowLabels Parse(std::string_view text) {
        if (text.starts_with(kByteOrderMark))
            text.remove_prefix(kByteOrderMark.size());
        int lineNumber = 0;
        while (!text.empty()) {
            const auto end = std::min(text.find('\n'), text.size());
            std::string_view line = text.substr(0, end);
            text.remove_prefix(std::min(end + 1, text.size()));
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            ++lineNumber;
            ParseLine(line, lineNumber);
        }
        if (rows_ < kRowCount) {
            throw LayoutTextError(0, "only " + std::to_string(rows_) +
                                         " rows; a layout has a line for each of the " +
                                         std::to_string(kRowCount) + " rows");
        }
        return labels_;
    }

private:
    [[noreturn]] static void Fail(int lineNumber, const std::string& what) {
        throw LayoutTextError(lineNumber, "line " + std::to_string(lineNumber) + ": " + what);
    }

    void ParseLine(std::string_view line, int lineNumber) {
        const auto start = line.find_first_not_of(kBlanks);
        if (start == std::string_view::npos || line[start] == '#')
            return;
        line.remove_prefix(start);
        if (line[0] != '"')
            Fail(lineNumber, "expected a key label in double quotes at the start of the line");
        const auto closing = line.find('"', 1);
        if (closing == std::string_view::npos)
            Fail(lineNumber, "the key label has no closing double quote");
        const std::string label(line.substr(1, closing - 1));
        std::string_view rest = line.substr(closing + 1);
        rest = rest.substr(0, rest.find('#'));
        const auto words = SplitAtBlanks(rest);
        if (words.size() < 2)
            Fail(lineNumber, "expected the code value and the letter after the key label");
        if (words.size() > 2)
            Fail(lineNumber, "unexpected \"" + std::string(words[2]) +
                                 "\" after the letter (comments start with #)");

        if (rows_ == kRowCount)
            Fail(lineNumber,
                 "one row too many; a layout has " + std::to_string(kRowCount) + " rows");
        const int row = rows_++;
        const LetterRow& expected = kRows[static_cast<std::size_t>(row)];
        const auto code = ParseCode(words[0]);
        if (!code)
            Fail(lineNumber,
                 "\"" + std::string(words[0]) + "\" is not a code value (U+XXXX or 2 to 4)");
        if (*code != expected.code)
            Fail(lineNumber, RowTitle(row) + " has the code " + FormatCode(expected.code) +
                                 ", not " + FormatCode(*code) +
                                 "; the lines follow the rows of the letter table");
        if (ComparableLetter(words[1]) != ComparableLetter(expected.letter))
            Fail(lineNumber, "the letter of " + RowTitle(row) + " is " +
                                 std::string(expected.letter) + ", not " + std::string(words[1]) +
                                 "; to give a letter another key, change its key label");

        if (!label.empty()) {
            if (!SlotOfLabel(label))
                Fail(lineNumber, "unknown key label \"" + label + "\"" + SuggestionFor(label));
            const auto [earlier, isNew] = lineOfLabel_.emplace(label, lineNumber);
            if (!isNew)
                Fail(lineNumber, "the key label \"" + label + "\" is used twice (also on line " +
                                     std::to_string(earlier->second) + ")");
        }
        labels_[static_cast<std::size_t>(row)] = label;
    }

    RowLabels labels_;
    int rows_ = 0;
    std::map<std::string, int> lineOfLabel_;
};

bool IsWritableLabel(std::string_view label) {
    for (const char c : label) {
        if (c < 0x20 || c > 0x7E || c == '"')
            return false;
    }
    return true;
}

void AppendPadded(std::string& text, std::string_view field, std::size_t width) {
    text += field;
    text.append(field.size() + 2 > width ? 2 : width - field.size(), ' ');
}

} // namespace

RowLabels ParseLayoutText(std::string_view text) {
    return Parser().Parse(text);
}

std::string FormatLayoutText(const RowLabels& labels) {
    std::string text(kHeader);
    for (int row = 0; row < kRowCount; ++row) {
        const std::string& label = labels[static_cast<std::size_t>(row)];
        const LetterRow& letterRow = kRows[static_cast<std::size_t>(row)];
        if (!IsWritableLabel(label))
            throw std::invalid_argument(RowTitle(row) +
                                        " has a key label that the text form cannot hold (a "
                                        "double quote or a byte outside printable ASCII)");
        AppendPadded(text, "\"" + label + "\"", kLabelColumn);
        AppendPadded(text, FormatCode(letterRow.code), kCodeColumn);
        text += letterRow.letter;
        text += "  # " + std::to_string(row + 1) + " " + std::string(letterRow.name) + "\n";
    }
    return text;
}

} // namespace tessik
