#include "platform/win32/Win32NotificationArea.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

namespace tessik {

static_assert(NOTIFYICONDATAA_V1_SIZE == TrayIconRecord::kAnsiRecordSize);

bool Win32NotificationArea::Notify(TrayMessage message, const TrayIconRecord& record) {
    // The newer, longer record begins with the same fields; its size field
    // tells the shell to read only the first 88 bytes and a 64-byte tip.
    NOTIFYICONDATAA data{};
    data.cbSize = record.cbSize;
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::memcpy(data.szTip, record.szTip.data(), record.szTip.size());
    return Shell_NotifyIconA(static_cast<DWORD>(message), &data) != FALSE;
}

} // namespace tessik
