#include "tools/ChartSvg.h"

#include "layouts/RowTable.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace tessik::cli {
namespace {

// Pixels. A letter key is four quarters wide and as high.
constexpr int kQuarter = 20;
constexpr int kKeyPitch = 4 * kQuarter;
constexpr int kGap = 6;
constexpr int kMargin = 20;
constexpr int kKeyboardTop = 64;
constexpr int kKeyHeight = kKeyPitch - kGap;
constexpr int kWidth = 2 * kMargin + 60 * kQuarter - kGap;
constexpr int kNotesTop = kKeyboardTop + 5 * kKeyPitch;
// Room for the two lines on reading the chart and three on typing with it.
constexpr int kNoteSpacing = 30;
constexpr int kHeight = kNotesTop + 42 + 4 * kNoteSpacing;

// Baselines inside a key, and the box that marks a free slot around a face.
constexpr int kShiftedBaseline = 32;
constexpr int kUnshiftedBaseline = 61;
constexpr int kFreeBoxWidth = 34;
constexpr int kFreeBoxHeight = 28;
constexpr int kFreeBoxAboveBaseline = 21;

constexpr const char* kStyle =
    "text{font-family:\"Nirmala UI\",Vrinda,\"Lohit Bengali\",\"Noto Sans Bengali\",sans-serif;"
    "text-anchor:middle;fill:#1c2340}\n"
    ".title{font-size:24px;text-anchor:start}\n"
    ".note{font-size:15px;text-anchor:start}\n"
    ".legend{font-size:13px;text-anchor:start;fill:#555}\n"
    ".shifted,.unshifted{font-size:24px}\n"
    "text.us{font-size:17px;fill:#777}\n"
    "rect.cap{fill:#fff;stroke:#444;stroke-width:1.2}\n"
    ".orientation rect.cap{fill:#e8e8e8;stroke:#999}\n"
    "rect.free{fill:none;stroke:#777;stroke-dasharray:3 2}\n";

std::string Format(const char* format, auto... values) {
    char line[256];
    std::snprintf(line, sizeof line, format, values...);
    return line;
}

std::string TextElement(int x, int y, const std::string& classes, std::string_view text) {
    return Format("<text x=\"%d\" y=\"%d\" class=\"%s\">", x, y, classes.c_str()) + XmlText(text) +
           "</text>\n";
}

std::string FreeBox(int centre, int baseline, const std::string& classes) {
    return Format("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" rx=\"4\" class=\"%s\"/>\n",
                  centre - kFreeBoxWidth / 2, baseline - kFreeBoxAboveBaseline, kFreeBoxWidth,
                  kFreeBoxHeight, classes.c_str());
}

// US characters are drawn smaller, on the middle of where a letter would be.
std::string Face(const KeyFace& face, const char* position, int centre, int baseline) {
    std::string svg;
    if (face.free)
        svg += FreeBox(centre, baseline, std::string(position) + " free");
    if (face.text.empty())
        return svg;
    if (face.usCharacter)
        return svg + TextElement(centre, baseline - 3, std::string(position) + " us", face.text);
    return svg + TextElement(centre, baseline, position, face.text);
}

std::string Key(const ChartKey& key) {
    const int x = kMargin + key.left * kQuarter;
    const int y = kKeyboardTop + key.row * kKeyPitch;
    const int width = key.width * kQuarter - kGap;
    std::string svg = key.ForOrientation() ? "<g class=\"key orientation\"" : "<g class=\"key\"";
    if (!key.token.empty())
        svg += " data-key=\"" + XmlText(key.token) + "\"";
    svg += Format(" transform=\"translate(%d %d)\">\n", x, y);
    svg += Format("<rect width=\"%d\" height=\"%d\" rx=\"6\" class=\"cap\"/>\n", width, kKeyHeight);
    if (!key.legend.empty())
        svg += TextElement(7, 17, "legend", key.legend);
    if (!key.token.empty()) {
        // A little right of the middle, clear of the legend.
        const int centre = width / 2 + 3;
        svg += Face(key.shifted, "shifted", centre, kShiftedBaseline);
        svg += Face(key.unshifted, "unshifted", centre, kUnshiftedBaseline);
    }
    return svg + "</g>\n";
}

// The hasanta's key pressed twice types the visible hasanta (the hasanta and
// ZERO WIDTH NON-JOINER). The key itself has no room to say so.
std::optional<std::string> HasantaTwice(const KeyboardChart& chart) {
    const std::string_view hasanta = kRows[static_cast<std::size_t>(*RowOfCode(0x09CD))].letter;
    for (const ChartKey& key : chart.keys) {
        for (const auto& [face, shift] :
             {std::pair{&key.unshifted, ""}, {&key.shifted, "Shift+"}}) {
            if (face->text == hasanta)
                return std::string("Hasanta (") + shift + key.legend +
                       ") twice: the visible hasanta, as in \u0995\u09CD\u200C.";
        }
    }
    return std::nullopt;
}

// How the composition rules are typed, in the layout's own keys: what the
// keys show alone would not tell.
std::vector<std::string> TypingNotes(const KeyboardChart& chart) {
    std::vector<std::string> notes;
    if (auto note = HasantaTwice(chart))
        notes.push_back(std::move(*note));
    if (const auto& vowel = chart.independentVowel)
        notes.push_back("Independent vowel: the hasanta, then its vowel sign (" + vowel->keys +
                        " gives " + vowel->text + ").");
    if (const auto& reph = chart.reph)
        notes.push_back("Reph: typed after the consonant or conjunct it stands on (" + reph->keys +
                        " gives " + reph->text + ").");
    return notes;
}

std::string HowToRead(const KeyboardChart& chart) {
    int baseline = kNotesTop + 22;
    std::string svg = TextElement(kMargin, baseline, "note",
                                  "On each key: below, what it types without Shift; above, with "
                                  "Shift. Grey characters are those of the US keyboard.");
    baseline += kNoteSpacing;
    svg += FreeBox(kMargin + kFreeBoxWidth / 2, baseline + 5, "free") +
           TextElement(kMargin + kFreeBoxWidth + 10, baseline, "note",
                       "A slot that the layout leaves free: the key types what the box shows, "
                       "or nothing.");
    for (const std::string& note : TypingNotes(chart)) {
        baseline += kNoteSpacing;
        svg += TextElement(kMargin, baseline, "note", note);
    }
    return svg;
}

// The code point at the start of `text` and its length in bytes; none for a
// byte that starts no well-formed UTF-8 sequence (overlong forms and
// surrogates included).
std::pair<std::optional<char32_t>, std::size_t> DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length)
        return {std::nullopt, 1};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return {std::nullopt, 1};
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {std::nullopt, 1};
    return {c, length};
}

bool IsXmlCharacter(char32_t c) {
    return c >= 0x20 && c != 0xFFFE && c != 0xFFFF;
}

} // namespace

std::string XmlText(std::string_view utf8) {
    std::string xml;
    while (!utf8.empty()) {
        const auto [c, length] = DecodeUtf8(utf8);
        if (!c || !IsXmlCharacter(*c))
            xml += "\uFFFD";
        else if (*c == '&')
            xml += "&amp;";
        else if (*c == '<')
            xml += "&lt;";
        else if (*c == '>')
            xml += "&gt;";
        else if (*c == '"')
            xml += "&quot;";
        else
            xml += utf8.substr(0, length);
        utf8.remove_prefix(length);
    }
    return xml;
}

std::string ChartSvg(const KeyboardChart& chart) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += Format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                  "viewBox=\"0 0 %d %d\">\n",
                  kWidth, kHeight, kWidth, kHeight);
    const std::string title =
        "Tessik keyboard chart of the layout \u201C" + chart.layoutName + "\u201D";
    svg += "<title>" + XmlText(title) + "</title>\n";
    svg += std::string("<style>\n") + kStyle + "</style>\n";
    svg += Format("<rect width=\"%d\" height=\"%d\" fill=\"#fff\"/>\n", kWidth, kHeight);
    svg += TextElement(kMargin, 40, "title", title);
    for (const ChartKey& key : chart.keys)
        svg += Key(key);
    return svg + HowToRead(chart) + "</svg>\n";
}

} // namespace tessik::cli
