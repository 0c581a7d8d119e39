#pragma once

#include "platform/Handles.h"
#include "platform/PopupMenus.h"
#include "platform/controls/Twips.h"

#include <cstdint>

namespace tessik {

// Drops down the form's help menu, whose chosen item's WM_COMMAND the form
// already turns into that item's click, and the menus that the program
// builds as they open, owned by the form too.
class Win32PopupMenus final : public PopupMenus {
public:
    Win32PopupMenus(WindowHandle form, uintptr_t helpMenu, const DisplayScale& scale)
        : form_(form), helpMenu_(helpMenu), scale_(scale) {}

    void PopupMenu(const MenuItem& menu, int x, int y) override;
    const PopupEntry* TrackMenuAtPointer(const std::vector<PopupEntry>& entries) override;

private:
    WindowHandle form_;
    uintptr_t helpMenu_;
    const DisplayScale& scale_;
};

} // namespace tessik
