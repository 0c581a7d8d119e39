#include "layouts/LayoutText.h"

#include "engine/KeySlots.h"
#include "layouts/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cctype>
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

std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (kBlanks.find(c) == std::string_view::npos)
            compact += c;
    }
    return compact;
}

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A label as a person writes it, taken apart: whether it says Shift, and
// what follows ("Shift + y" is {true, "y"}, "k " is {false, "k"}).
struct WrittenLabel {
    bool shift = false;
    std::string key;
};

WrittenLabel TakeApart(std::string_view written) {
    std::string compact = WithoutBlanks(written);
    constexpr std::string_view kShift = "shift+";
    if (!Lowered(compact).starts_with(kShift))
        return {false, compact};
    return {true, compact.substr(kShift.size())};
}

// The slot of a key label as people write it: blanks left out or added
// ("y", "Shift+Y"), Shift in any letter case and the letter after it in
// either ("shift + y", "SHIFT+Y"), and the backslash key with Shift named by
// either of its characters ("Shift + \", "Shift+|"). A capital letter
// alone says nothing of Shift for sure, and names no slot.
std::optional<KeySlot> SlotOfWrittenLabel(std::string_view written) {
    if (const auto exact = SlotOfLabel(written))
        return exact;
    const WrittenLabel label = TakeApart(written);
    if (label.key.size() != 1)
        return std::nullopt;
    const char key = label.key[0];
    if (!label.shift)
        return SlotOfLabel(std::string{key, ' '});
    const char named = key == '\\' ? '|' : static_cast<char>(std::toupper(key));
    return SlotOfLabel(std::string("Shift + ") + named);
}

// The labels of the key that a label naming no slot points at by its
// character, the Shift state it suggests first: "K" gives "Shift + K" and
// "k ", "Shift + 1" the three digit keys that have slots, "#" "Shift + 3".
std::vector<std::string_view> NearestLabels(std::string_view written) {
    WrittenLabel label = TakeApart(written);
    if (label.key.size() != 1)
        return {};
    char key = label.key[0];
    static constexpr std::pair<char, char> kShiftedCharacters[] = {
        {'|', '\\'}, {'#', '3'}, {'^', '6'}, {'&', '7'}};
    for (const auto& [shifted, plain] : kShiftedCharacters) {
        if (key == shifted) {
            key = plain;
            label.shift = true;
        }
    }
    if (std::isupper(static_cast<unsigned char>(key)))
        label.shift = true;
    std::vector<std::string_view> nearest;
    if (std::isdigit(static_cast<unsigned char>(key))) {
        for (const KeySlot slot : {slot::Shift3, slot::Shift6, slot::Shift7}) {
            if (kKeyLabels[static_cast<std::size_t>(slot)][8] == key)
                return {kKeyLabels[static_cast<std::size_t>(slot)]};
            nearest.push_back(kKeyLabels[static_cast<std::size_t>(slot)]);
        }
        return nearest;
    }
    const auto shifted = SlotOfWrittenLabel(std::string("Shift+") + key);
    const auto plain = SlotOfWrittenLabel(std::string(1, static_cast<char>(std::tolower(key))));
    for (const auto slot : label.shift ? std::array{shifted, plain} : std::array{plain, shifted}) {
        if (slot)
            nearest.push_back(kKeyLabels[static_cast<std::size_t>(*slot)]);
    }
    return nearest;
}

std::string UnknownLabel(const std::string& label) {
    std::string message = "unknown key label \"" + label + "\"";
    const auto nearest = NearestLabels(label);
    for (std::size_t i = 0; i < nearest.size(); ++i)
        message += (i == 0 ? " (nearest: \"" : ", \"") + std::string(nearest[i]) + "\"";
    if (!nearest.empty())
        message += ")";
    return message + "; the 57 key labels are listed under \"Creating a layout\" in the help "
                     "document \"Using the software\", and tessik-cli layout show Default shows "
                     "them in use";
}

// "row 12 (ka) is missing", or "rows 12 (ka) to 14 (ga) are missing".
std::string MissingRows(int first, int last) {
    if (first == last)
        return RowTitle(first) + " is missing";
    return "rows " + RowTitle(first).substr(4) + " to " + RowTitle(last).substr(4) + " are missing";
}

class Parser {
public:
    RowLabels Parse(std::string_view bytes) {
        const std::string decoded = Utf8OfFileText(bytes);
        std::string_view text = decoded;
        if (const auto bad = FirstNonUtf8Byte(text)) {
            const auto lineNumber = std::count(text.begin(), text.begin() + *bad, '\n') + 1;
            Fail(static_cast<int>(lineNumber), "the text is not UTF-8; save it as UTF-8");
        }
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
        if (rows_ == 0) {
            throw LayoutTextError(0, "only 0 rows; a layout has a line for each of the " +
                                         std::to_string(kRowCount) + " rows");
        }
        if (rows_ < kRowCount)
            throw LayoutTextError(0, MissingRows(rows_, kRowCount - 1));
        if (lineOfSlot_.empty())
            throw LayoutTextError(0, "no row has a key label; a layout gives one letter a key "
                                     "at least");
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
        if (const auto rowOfCode = RowOfCode(*code); rowOfCode && *rowOfCode > row)
            Fail(lineNumber, MissingRows(row, *rowOfCode - 1));
        if (*code != expected.code)
            Fail(lineNumber, RowTitle(row) + " has the code " + FormatCode(expected.code) +
                                 ", not " + FormatCode(*code) +
                                 "; the lines follow the rows of the letter table");
        if (ComparableLetter(words[1]) != ComparableLetter(expected.letter))
            Fail(lineNumber, "the letter of " + RowTitle(row) + " is " +
                                 std::string(expected.letter) + ", not " + std::string(words[1]) +
                                 "; to give a letter another key, change its key label");

        if (label.empty())
            return;
        // Written as the file has it, however the person wrote it.
        const auto slot = SlotOfWrittenLabel(label);
        if (!slot)
            Fail(lineNumber, UnknownLabel(label));
        const auto [earlier, isNew] = lineOfSlot_.emplace(*slot, lineNumber);
        if (!isNew)
            Fail(lineNumber, "the key label \"" + label + "\" is used twice (also on line " +
                                 std::to_string(earlier->second) + ")");
        labels_[static_cast<std::size_t>(row)] = kKeyLabels[static_cast<std::size_t>(*slot)];
    }

    RowLabels labels_;
    int rows_ = 0;
    std::map<KeySlot, int> lineOfSlot_;
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
