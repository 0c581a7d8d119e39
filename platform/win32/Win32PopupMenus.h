#pragma once

#include "platform/Handles.h"
#include "platform/PopupMenus.h"
#include "platform/controls/Twips.h"

#include <cstdint>

namespace tessik {

// Drops down the form's help menu. The form already turns the chosen item's
// WM_COMMAND into that item's click.
class Win32PopupMenus final : public PopupMenus {
public:
    Win32PopupMenus(WindowHandle form, uintptr_t helpMenu, const DisplayScale& scale)
        : form_(form), helpMenu_(helpMenu), scale_(scale) {}

    void PopupMenu(const MenuItem& menu, int x, int y) override;

private:
    WindowHandle form_;
    uintptr_t helpMenu_;
    const DisplayScale& scale_;
};

} // namespace tessik
