#include "platform/fake/FakeAnsiCodePage.h"

#include "platform/SystemValues.h"

#include <algorithm>
#include <array>
#include <string>

namespace tessik {
namespace {

// One character read from the front of a text: the bytes it takes, and its
// code unless they are no character.
struct Decoded {
    std::size_t length;
    std::optional<char32_t> code;
};

// 0x80 to 0x9F of code page 1252; the five bytes it leaves free map to the
// C1 control of the same number, as Windows maps them.
constexpr std::array<char16_t, 32> kWestern80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t Western(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kWestern80To9F[byte - 0x80];
    return byte;
}

std::optional<std::string> WesternBytes(char32_t code) {
    for (int byte = 0; byte < 0x100; ++byte) {
        if (Western(static_cast<unsigned char>(byte)) == code)
            return std::string(1, static_cast<char>(byte));
    }
    return std::nullopt;
}

// The double-byte page: lead bytes 0x81 to 0x9F and 0xE0 to 0xFC, trail
// bytes 0x40 to 0xFC but 0x7F, the pairs numbered lead by lead from U+4E00.
constexpr char32_t kFirstPairCode = 0x4E00;
constexpr int kLeadCount = 31 + 29;
constexpr int kTrailCount = 188;

bool IsDoubleByteLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

int LeadIndex(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}

std::optional<int> TrailIndex(unsigned char trail) {
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
        return std::nullopt;
    return trail < 0x7F ? trail - 0x40 : trail - 0x41;
}

Decoded DoubleByte(std::string_view rest) {
    const auto byte = static_cast<unsigned char>(rest[0]);
    if (IsDoubleByteLead(byte)) {
        if (rest.size() < 2)
            return {1, std::nullopt};
        const auto trail = TrailIndex(static_cast<unsigned char>(rest[1]));
        if (!trail)
            return {2, std::nullopt};
        return {2, kFirstPairCode + LeadIndex(byte) * kTrailCount + *trail};
    }
    if (byte < 0x80)
        return {1, byte};
    if (byte >= 0xA1 && byte <= 0xDF) // half-width katakana
        return {1, 0xFF61 + (byte - 0xA1)};
    return {1, std::nullopt};
}

std::optional<std::string> DoubleByteBytes(char32_t code) {
    if (code < 0x80)
        return std::string(1, static_cast<char>(code));
    if (code >= 0xFF61 && code <= 0xFF61 + (0xDF - 0xA1))
        return std::string(1, static_cast<char>(0xA1 + (code - 0xFF61)));
    if (code < kFirstPairCode || code >= kFirstPairCode + kLeadCount * kTrailCount)
        return std::nullopt;
    const int index = static_cast<int>(code - kFirstPairCode);
    const int lead = index / kTrailCount, trail = index % kTrailCount;
    return std::string{static_cast<char>(lead < 31 ? 0x81 + lead : 0xE0 + lead - 31),
                       static_cast<char>(trail < 0x3F ? 0x40 + trail : 0x41 + trail)};
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
Decoded Utf8(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC0 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF8 ? 4
                                                             : 0;
    if (length == 0 || length > rest.size())
        return {1, std::nullopt};
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(rest[i]);
        if ((next & 0xC0) != 0x80)
            return {1, std::nullopt};
        code = (code << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {1, std::nullopt};
    return {length, code};
}

std::string Utf8Bytes(char32_t code) {
    if (code < 0x80)
        return std::string(1, static_cast<char>(code));
    constexpr std::array<char32_t, 4> kLeads = {0, 0xC0, 0xE0, 0xF0};
    int continuations = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    std::string bytes(1, static_cast<char>(kLeads[continuations] | (code >> (6 * continuations))));
    while (continuations-- > 0)
        bytes += static_cast<char>(0x80 | ((code >> (6 * continuations)) & 0x3F));
    return bytes;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf16(std::u16string& text, char32_t code) {
    if (code < 0x10000) {
        text += static_cast<char16_t>(code);
        return;
    }
    text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
    text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
}

template <class Unit>
AnsiCodePage::Conversion CopyOut(const std::basic_string<Unit>& text, std::span<Unit> into) {
    if (text.size() > into.size())
        return {0, codepage::InsufficientBuffer};
    std::copy(text.begin(), text.end(), into.begin());
    return {static_cast<int>(text.size()), 0};
}

} // namespace

uint32_t FakeAnsiCodePage::Number() const {
    switch (page) {
    case Page::Western:
        return 1252;
    case Page::DoubleByte:
        return 932;
    case Page::Utf8:
        return codepage::Utf8;
    }
    return 0;
}

bool FakeAnsiCodePage::IsLeadByte(unsigned char byte) const {
    return page == Page::DoubleByte && IsDoubleByteLead(byte);
}

// Without MB_ERR_INVALID_CHARS, bytes that are no character become U+FFFD.
AnsiCodePage::Conversion FakeAnsiCodePage::ToUtf16(uint32_t flags, std::string_view bytes,
                                                   std::span<char16_t> into) const {
    if (bytes.empty())
        return {0, codepage::InvalidParameter};
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::string_view rest = bytes.substr(i);
        const Decoded character = page == Page::Western      ? Decoded{1, Western(rest[0])}
                                  : page == Page::DoubleByte ? DoubleByte(rest)
                                                             : Utf8(rest);
        if (!character.code && (flags & codepage::MbErrInvalidChars) != 0)
            return {0, codepage::NoUnicodeTranslation};
        AppendUtf16(text, character.code.value_or(0xFFFD));
        i += character.length;
    }
    return CopyOut(text, into);
}

// A character that the page does not have becomes '?' and sets the
// used-default flag; a lone surrogate in UTF-8 becomes U+FFFD, or fails with
// WC_ERR_INVALID_CHARS.
AnsiCodePage::Conversion FakeAnsiCodePage::FromUtf16(uint32_t flags, std::u16string_view text,
                                                     std::span<char> into,
                                                     bool* usedDefault) const {
    if (text.empty())
        return {0, codepage::InvalidParameter};
    const bool utf8 = page == Page::Utf8;
    if (utf8 ? (flags & ~codepage::WcErrInvalidChars) != 0
             : (flags & codepage::WcErrInvalidChars) != 0)
        return {0, codepage::InvalidFlags};
    if (utf8 && usedDefault != nullptr)
        return {0, codepage::InvalidParameter};
    if (usedDefault != nullptr)
        *usedDefault = false;
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::optional<char32_t> code = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code = 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            code.reset();
        }
        if (utf8) {
            if (!code && (flags & codepage::WcErrInvalidChars) != 0)
                return {0, codepage::NoUnicodeTranslation};
            bytes += Utf8Bytes(code.value_or(0xFFFD));
            continue;
        }
        const std::optional<std::string> encoded = !code                   ? std::nullopt
                                                   : page == Page::Western ? WesternBytes(*code)
                                                                           : DoubleByteBytes(*code);
        if (encoded) {
            bytes += *encoded;
        } else {
            bytes += '?';
            if (usedDefault != nullptr)
                *usedDefault = true;
        }
    }
    return CopyOut(bytes, into);
}

} // namespace tessik
