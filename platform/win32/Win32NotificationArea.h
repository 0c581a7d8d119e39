#pragma once

#include "platform/NotificationArea.h"

namespace tessik {

// Shell_NotifyIconA with the record in its first, 88-byte form.
class Win32NotificationArea final : public NotificationArea {
public:
    bool Notify(TrayMessage message, const TrayIconRecord& record) override;
    bool AcceptShellMessages(WindowHandle window, uint32_t callbackMessage) override;
};

} // namespace tessik
