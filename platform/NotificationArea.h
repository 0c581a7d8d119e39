#pragma once

#include "platform/Handles.h"
#include "platform/SystemValues.h"

#include <array>
#include <cstdint>

namespace tessik {

// The notification-icon record in its first, 88-byte ANSI form, field by
// field. The Win32 binding copies it 1:1 into NOTIFYICONDATAA.
struct TrayIconRecord {
    static constexpr uint32_t kAnsiRecordSize = tray::AnsiRecordSizeV1;
    static constexpr std::size_t kTipSize = tray::TipSize;

    uint32_t cbSize = 0;
    WindowHandle hWnd = 0;
    uint32_t uID = 0;
    uint32_t uFlags = 0;
    uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    // Exactly 64 bytes; the shell reads up to the first NUL, or all 64 when
    // the text filled the field.
    std::array<char, kTipSize> szTip{};
};

enum class TrayMessage : uint32_t { Add = tray::Add, Modify = tray::Modify, Delete = tray::Delete };

// The shell's notification area (Shell_NotifyIconA). Returns whether the
// shell accepted the call.
class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    virtual bool Notify(TrayMessage message, const TrayIconRecord& record) = 0;
    // Lets the shell's messages reach `window` even when this process runs
    // elevated and the shell does not: the icon's callback message and the
    // "TaskbarCreated" broadcast of a restarted shell
    // (ChangeWindowMessageFilterEx). Returns whether both were allowed.
    virtual bool AcceptShellMessages(WindowHandle window, uint32_t callbackMessage) = 0;
};

} // namespace tessik
