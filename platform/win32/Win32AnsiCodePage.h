#pragma once

#include "platform/AnsiCodePage.h"

namespace tessik {

// The code page of CP_ACP, through the system's own functions.
class Win32AnsiCodePage final : public AnsiCodePage {
protected:
    uint32_t Number() const override;
    bool IsLeadByte(unsigned char byte) const override;
    Conversion ToUtf16(uint32_t flags, std::string_view bytes,
                       std::span<char16_t> into) const override;
    Conversion FromUtf16(uint32_t flags, std::u16string_view text, std::span<char> into,
                         bool* usedDefault) const override;
};

} // namespace tessik
