#include "tools/KeyboardChart.h"

#include "engine/KeySlots.h"
#include "layouts/RowTable.h"
#include "platform/std/StdFileSystem.h"
#include "tools/SimulatedDesktop.h"

#include <cctype>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

namespace tessik::cli {
namespace {

constexpr int kRowWidth = 60;

struct PlainKey {
    std::string_view name;
    int width = 0;
};

// A row of the main block: a key that types no character here, the keys that
// do (named by what they type without Shift), and the key that fills the
// row to its end; without one, the last typing key fills it (backslash).
struct KeyRow {
    PlainKey first;
    std::string_view typingKeys;
    std::string_view last;
};

constexpr KeyRow kTypingRows[] = {
    {{}, "`1234567890-=", "Backspace"},
    {{"Tab", 6}, "qwertyuiop[]\\", ""},
    {{"Caps Lock", 7}, "asdfghjkl;'", "Enter"},
    {{"Shift", 9}, "zxcvbnm,./", "Shift"},
};

constexpr PlainKey kBottomRow[] = {{"Ctrl", 5}, {"Win", 5}, {"Alt", 5},  {"", 25},
                                   {"Alt", 5},  {"Win", 5}, {"Menu", 5}, {"Ctrl", 5}};

// The slot of a key, by the rule of key labels: the character and a blank
// without Shift; with Shift, "Shift + " and the capital letter, the digit, or
// "|" for the backslash key.
std::optional<KeySlot> SlotOfKey(char plain, bool shift) {
    if (!shift)
        return SlotOfLabel(std::string{plain, ' '});
    const char named = plain == '\\' ? '|' : static_cast<char>(std::toupper(plain));
    return SlotOfLabel(std::string("Shift + ") + named);
}

KeyFace FaceOfKey(StdFileSystem& files, const std::filesystem::path& layout, KeyStroke stroke,
                  char plain) {
    // A fresh desktop for each key, so that nothing typed before composes with it.
    SimulatedDesktop desktop(files, layout);
    const auto slot = SlotOfKey(plain, stroke.shift);
    const CodeValue code = slot ? desktop.ActiveKeyMap().At(*slot) : 0;
    if (const auto row = RowOfCode(code))
        return {std::string(kRows[static_cast<std::size_t>(*row)].letter), false, false};
    const auto outcome = desktop.Press(stroke);
    return {desktop.Text().Utf8(), !outcome.swallowed, slot && code == 0};
}

ChartKey TypingKey(StdFileSystem& files, const std::filesystem::path& layout, char plain) {
    KeyStroke stroke = *KeyStrokeForCharacter(plain);
    ChartKey key;
    key.token = CanonicalToken(stroke);
    key.unshifted = FaceOfKey(files, layout, stroke, plain);
    stroke.shift = true;
    key.shifted = FaceOfKey(files, layout, stroke, plain);
    if (!key.ForOrientation())
        key.legend = std::string(1, static_cast<char>(std::toupper(plain)));
    return key;
}

// The first row from `first` to `last` (codes of rows, in table order)
// whose letter a key of the chart types, with that key pressed as it does.
std::optional<std::pair<const ChartKey*, KeyStroke>>
KeyOfFirstLetter(const KeyboardChart& chart, CodeValue first, CodeValue last) {
    for (int row = *RowOfCode(first); row <= *RowOfCode(last); ++row) {
        const std::string_view letter = kRows[static_cast<std::size_t>(row)].letter;
        for (const ChartKey& key : chart.keys) {
            if (key.token.empty() || (key.unshifted.text != letter && key.shifted.text != letter))
                continue;
            KeyStroke stroke = *ParseKeyToken(key.token);
            stroke.shift = key.unshifted.text != letter;
            return std::pair{&key, stroke};
        }
    }
    return std::nullopt;
}

// Presses, on a fresh desktop, a key of each range of rows (see
// KeyOfFirstLetter) one after the other; none when a range has no key.
std::optional<TypedKeys>
TypeFirstLetters(const KeyboardChart& chart, StdFileSystem& files,
                 const std::filesystem::path& layout,
                 std::initializer_list<std::pair<CodeValue, CodeValue>> ranges) {
    SimulatedDesktop desktop(files, layout);
    TypedKeys typed;
    for (const auto& [first, last] : ranges) {
        const auto key = KeyOfFirstLetter(chart, first, last);
        if (!key)
            return std::nullopt;
        desktop.Press(key->second);
        if (!typed.keys.empty())
            typed.keys += ' ';
        if (key->second.shift)
            typed.keys += "Shift+";
        typed.keys += key->first->legend;
    }
    typed.text = desktop.Text().Utf8();
    return typed;
}

} // namespace

bool ChartKey::ForOrientation() const {
    const auto usOnly = [](const KeyFace& face) { return face.usCharacter && !face.free; };
    return token.empty() || (usOnly(shifted) && usOnly(unshifted));
}

KeyboardChart ChartOfLayoutFile(const std::string& path) {
    const std::filesystem::path layout(path);
    StdFileSystem files;
    KeyboardChart chart;
    chart.layoutName = layout.filename().string();

    int row = 0;
    int left = 0;
    const auto place = [&](ChartKey key, int width) {
        key.row = row;
        key.left = left;
        key.width = width;
        left += width;
        chart.keys.push_back(std::move(key));
    };
    const auto placePlain = [&](PlainKey plain) {
        if (plain.width == 0)
            return;
        ChartKey key;
        key.legend = plain.name;
        place(std::move(key), plain.width);
    };

    for (const KeyRow& keyRow : kTypingRows) {
        left = 0;
        placePlain(keyRow.first);
        for (std::size_t i = 0; i < keyRow.typingKeys.size(); ++i) {
            const bool fillsRow = keyRow.last.empty() && i + 1 == keyRow.typingKeys.size();
            place(TypingKey(files, layout, keyRow.typingKeys[i]), fillsRow ? kRowWidth - left : 4);
        }
        placePlain({keyRow.last, kRowWidth - left});
        ++row;
    }
    left = 0;
    for (const PlainKey plain : kBottomRow)
        placePlain(plain);

    constexpr CodeValue kHasanta = 0x09CD;
    chart.independentVowel = TypeFirstLetters(chart, files, layout,
                                              {{kHasanta, kHasanta}, {0x09BE, 0x09CC}}); // ◌া to ◌ৌ
    chart.reph = TypeFirstLetters(chart, files, layout,
                                  {{0x0995, 0x09B9}, {special::Reph, special::Reph}}); // ক to হ
    return chart;
}

} // namespace tessik::cli
