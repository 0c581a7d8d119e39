#pragma once

#include "platform/AnsiCodePage.h"

namespace tessik {

// A code page for tests whose functions behave as the system documents them
// for: Western (1252) exactly; a double-byte page shaped like Japanese
// (932), with its lead, trail and single bytes and made-up codes for its
// pairs; and UTF-8 (65001), where WideCharToMultiByte refuses every flag
// but WC_ERR_INVALID_CHARS (ERROR_INVALID_FLAGS) and a used-default flag
// to set (ERROR_INVALID_PARAMETER), and no byte is a lead byte.
class FakeAnsiCodePage : public AnsiCodePage {
public:
    enum class Page { Western, DoubleByte, Utf8 };
    Page page = Page::Western;

protected:
    uint32_t Number() const override;
    bool IsLeadByte(unsigned char byte) const override;
    Conversion ToUtf16(uint32_t flags, std::string_view bytes,
                       std::span<char16_t> into) const override;
    Conversion FromUtf16(uint32_t flags, std::u16string_view text, std::span<char> into,
                         bool* usedDefault) const override;
};

} // namespace tessik
