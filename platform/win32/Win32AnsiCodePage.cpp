#include "platform/win32/Win32AnsiCodePage.h"

#include <windows.h>

#include <array>

namespace tessik {
namespace {

// The UTF-16 code of `bytes` when they are one character that comes back
// unchanged: no best-fit stand-in, no default character.
std::optional<char16_t> RoundTrip(std::string_view bytes) {
    std::array<wchar_t, 2> wide{};
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                            static_cast<int>(bytes.size()), wide.data(),
                            static_cast<int>(wide.size())) != 1)
        return std::nullopt;
    std::array<char, 4> back{};
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), 1, back.data(),
                            static_cast<int>(back.size()), nullptr, &usedDefault);
    if (usedDefault || std::string_view(back.data(), static_cast<std::size_t>(length)) != bytes)
        return std::nullopt;
    return static_cast<char16_t>(wide[0]);
}

} // namespace

std::vector<AnsiCharacter> Win32AnsiCodePage::Characters(std::string_view text) const {
    std::vector<AnsiCharacter> characters;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size();
        const std::string_view bytes = text.substr(i, pair ? 2 : 1);
        characters.push_back({bytes, RoundTrip(bytes)});
        i += bytes.size();
    }
    return characters;
}

} // namespace tessik
