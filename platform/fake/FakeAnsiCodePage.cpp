#include "platform/fake/FakeAnsiCodePage.h"

#include <array>

namespace tessik {
namespace {

// 0x80 to 0x9F of code page 1252; the five bytes it leaves free map to the
// C1 control of the same number, as Windows maps them.
constexpr std::array<char16_t, 32> kWestern80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char16_t> Western(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kWestern80To9F[byte - 0x80];
    return byte;
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::optional<char16_t> DoubleByteSingle(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xA1 && byte <= 0xDF) // half-width katakana
        return static_cast<char16_t>(0xFF61 + (byte - 0xA1));
    return std::nullopt;
}

std::optional<char16_t> DoubleBytePair(unsigned char lead, unsigned char trail) {
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
        return std::nullopt;
    return static_cast<char16_t>(0x4E00 + ((lead << 8) | trail) % 0x5000);
}

} // namespace

std::vector<AnsiCharacter> FakeAnsiCodePage::Characters(std::string_view text) const {
    std::vector<AnsiCharacter> characters;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (page == Page::Western) {
            characters.push_back({text.substr(i, 1), Western(byte)});
            ++i;
        } else if (IsLeadByte(byte) && i + 1 < text.size()) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            characters.push_back({text.substr(i, 2), DoubleBytePair(byte, trail)});
            i += 2;
        } else {
            const bool loneLead = IsLeadByte(byte);
            characters.push_back(
                {text.substr(i, 1), loneLead ? std::nullopt : DoubleByteSingle(byte)});
            ++i;
        }
    }
    return characters;
}

} // namespace tessik
