#pragma once

#include "platform/SystemMenus.h"
#include "platform/TopLevelWindows.h"

namespace tessik {

// The desktop's top-level windows through user32.
class Win32TopLevelWindows final : public TopLevelWindows {
public:
    WindowHandle FindTopLevelWindow(const std::string& className,
                                    const std::string& caption) override;
    WindowHandle WindowAbove(WindowHandle window) override;
    WindowHandle OwnerOf(WindowHandle window) override;
    void ShowWindow(WindowHandle window) override;
    void OpenIcon(WindowHandle window) override;
    void SetForegroundWindow(WindowHandle window) override;
};

// The system menus of top-level windows through user32.
class Win32SystemMenus final : public SystemMenus {
public:
    MenuHandle GetSystemMenu(WindowHandle window) override;
    int GetMenuItemCount(MenuHandle menu) override;
    bool RemoveMenuItem(MenuHandle menu, int position) override;
    void DrawMenuBar(WindowHandle window) override;
};

} // namespace tessik
