#pragma once

#include "platform/Handles.h"

#include <cstdint>

namespace tessik {

using MenuHandle = uintptr_t;

// The window menus that the system gives each top-level window.
class SystemMenus {
public:
    virtual ~SystemMenus() = default;
    // GetSystemMenu(window, FALSE): the window's own system menu, or 0.
    virtual MenuHandle GetSystemMenu(WindowHandle window) = 0;
    // GetMenuItemCount; -1 when the menu cannot be read.
    virtual int GetMenuItemCount(MenuHandle menu) = 0;
    // RemoveMenu(menu, position, MF_BYPOSITION | MF_REMOVE). A position that
    // holds no item fails without effect; returns whether an item went.
    virtual bool RemoveMenuItem(MenuHandle menu, int position) = 0;
    virtual void DrawMenuBar(WindowHandle window) = 0;
};

} // namespace tessik
