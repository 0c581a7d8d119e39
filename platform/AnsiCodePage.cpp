#include "platform/AnsiCodePage.h"

#include "platform/SystemValues.h"

#include <algorithm>
#include <array>

namespace tessik {
namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The bytes that a UTF-8 sequence beginning with `lead` has; a byte that
// begins no sequence stands alone.
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 1;
}

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The character that UTF-16 units make, when they make exactly one.
std::optional<char32_t> OneCharacter(std::u16string_view units) {
    if (units.size() == 1 && !IsSurrogate(units[0]))
        return units[0];
    if (units.size() == 2 && units[0] >= 0xD800 && units[0] <= 0xDBFF && units[1] >= 0xDC00 &&
        units[1] <= 0xDFFF)
        return 0x10000 + ((char32_t{units[0]} - 0xD800) << 10) + (char32_t{units[1]} - 0xDC00);
    return std::nullopt;
}

} // namespace

std::vector<AnsiCharacter> AnsiCodePage::Characters(std::string_view text) const {
    std::vector<AnsiCharacter> characters;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view bytes = text.substr(i, CharacterLength(text.substr(i)));
        characters.push_back({bytes, RoundTrip(bytes)});
        i += bytes.size();
    }
    return characters;
}

std::size_t AnsiCodePage::NameStart(std::string_view path) const {
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t length = CharacterLength(path.substr(i));
        if (length == 1 && (path[i] == '\\' || path[i] == '/'))
            start = i + 1;
        i += length;
    }
    return start;
}

std::size_t AnsiCodePage::Utf16Length(std::string_view text) const {
    std::size_t units = 0;
    for (const AnsiCharacter& character : Characters(text))
        units += character.code ? (*character.code > 0xFFFF ? 2 : 1) : character.bytes.size();
    return units;
}

// By the code page's own form: a UTF-8 sequence as its lead byte announces
// it (one cut short ends before the first byte that does not continue it),
// or a lead byte with the byte after it.
std::size_t AnsiCodePage::CharacterLength(std::string_view rest) const {
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (Number() == codepage::Utf8) {
        const std::size_t announced = std::min(Utf8SequenceLength(lead), rest.size());
        std::size_t length = 1;
        while (length < announced && IsContinuationByte(rest[length]))
            ++length;
        return length;
    }
    return IsLeadByte(lead) && rest.size() > 1 ? 2 : 1;
}

// The code of `bytes` when they are one character that comes back as the
// same bytes: no best-fit stand-in, no default character. UTF-8, and the
// code pages that take no flags, refuse to be asked for either; there the
// bytes coming back unchanged tell the same.
std::optional<char32_t> AnsiCodePage::RoundTrip(std::string_view bytes) const {
    std::array<char16_t, 2> wide{};
    const Conversion in = ToUtf16(codepage::MbErrInvalidChars, bytes, wide);
    if (in.length <= 0)
        return std::nullopt;
    const std::u16string_view units(wide.data(), static_cast<std::size_t>(in.length));
    const std::optional<char32_t> code = OneCharacter(units);
    if (!code)
        return std::nullopt;

    std::array<char, 8> back{};
    bool usedDefault = false;
    Conversion out = FromUtf16(codepage::WcNoBestFitChars, units, back, &usedDefault);
    if (out.length == 0 &&
        (out.error == codepage::InvalidFlags || out.error == codepage::InvalidParameter)) {
        usedDefault = false;
        out = FromUtf16(0, units, back, nullptr);
    }
    if (usedDefault || out.length <= 0 ||
        std::string_view(back.data(), static_cast<std::size_t>(out.length)) != bytes)
        return std::nullopt;
    return code;
}

} // namespace tessik
