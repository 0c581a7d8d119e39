#include "platform/win32/Win32MessageDialog.h"

#include <windows.h>

namespace tessik {

int Win32MessageDialog::Show(const std::string& text, uint32_t style, const std::string& title) {
    return MessageBoxA(reinterpret_cast<HWND>(owner_), text.c_str(), title.c_str(),
                       style | MB_SETFOREGROUND);
}

} // namespace tessik
