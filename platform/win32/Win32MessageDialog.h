#pragma once

#include "platform/Handles.h"
#include "platform/MessageDialog.h"

namespace tessik {

// MessageBoxA, owned by the main window so that the window cannot be used
// while a box is open. The box comes to the foreground even when it is
// raised from the tray or the hot key while another program is active.
class Win32MessageDialog final : public MessageDialog {
public:
    explicit Win32MessageDialog(WindowHandle owner) : owner_(owner) {}
    int Show(const std::string& text, uint32_t style, const std::string& title) override;

private:
    WindowHandle owner_;
};

} // namespace tessik
