#include "platform/win32/Win32AnsiCodePage.h"

#include <windows.h>

namespace tessik {
namespace {

AnsiCodePage::Conversion Result(int length) {
    return {length, length == 0 ? static_cast<uint32_t>(GetLastError()) : 0};
}

} // namespace

uint32_t Win32AnsiCodePage::Number() const {
    return GetACP();
}

bool Win32AnsiCodePage::IsLeadByte(unsigned char byte) const {
    return IsDBCSLeadByteEx(CP_ACP, byte) != FALSE;
}

AnsiCodePage::Conversion Win32AnsiCodePage::ToUtf16(uint32_t flags, std::string_view bytes,
                                                    std::span<char16_t> into) const {
    return Result(MultiByteToWideChar(CP_ACP, flags, bytes.data(), static_cast<int>(bytes.size()),
                                      reinterpret_cast<wchar_t*>(into.data()),
                                      static_cast<int>(into.size())));
}

AnsiCodePage::Conversion Win32AnsiCodePage::FromUtf16(uint32_t flags, std::u16string_view text,
                                                      std::span<char> into,
                                                      bool* usedDefault) const {
    BOOL used = FALSE;
    const int length = WideCharToMultiByte(
        CP_ACP, flags, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
        into.data(), static_cast<int>(into.size()), nullptr, usedDefault ? &used : nullptr);
    const Conversion result = Result(length);
    if (usedDefault)
        *usedDefault = used != FALSE;
    return result;
}

} // namespace tessik
