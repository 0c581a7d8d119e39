#include "platform/win32/Win32NotificationArea.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

namespace tessik {

// The record's size names the first form, 88 bytes in a 32-bit process; in a
// 64-bit process that form is longer, since its handles are.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == TrayIconRecord::kAnsiRecordSize);

bool Win32NotificationArea::Notify(TrayMessage message, const TrayIconRecord& record) {
    // The newer, longer record begins with the same fields; its size field
    // tells the shell to read only the first form's fields and a 64-byte tip.
    NOTIFYICONDATAA data{};
    data.cbSize =
        record.cbSize == TrayIconRecord::kAnsiRecordSize ? NOTIFYICONDATAA_V1_SIZE : record.cbSize;
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::memcpy(data.szTip, record.szTip.data(), record.szTip.size());
    return Shell_NotifyIconA(static_cast<DWORD>(message), &data) != FALSE;
}

bool Win32NotificationArea::AcceptShellMessages(WindowHandle window, uint32_t callbackMessage) {
    HWND hwnd = reinterpret_cast<HWND>(window);
    bool allowed = true;
    for (const UINT message :
         {static_cast<UINT>(callbackMessage), RegisterWindowMessageA("TaskbarCreated")})
        allowed = ChangeWindowMessageFilterEx(hwnd, message, MSGFLT_ALLOW, nullptr) && allowed;
    return allowed;
}

} // namespace tessik
