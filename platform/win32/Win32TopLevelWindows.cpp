#include "platform/win32/Win32TopLevelWindows.h"

#include <windows.h>

namespace tessik {
namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

HMENU ToHmenu(MenuHandle menu) {
    return reinterpret_cast<HMENU>(menu);
}

} // namespace

WindowHandle Win32TopLevelWindows::FindTopLevelWindow(const std::string& className,
                                                      const std::string& caption) {
    return reinterpret_cast<WindowHandle>(FindWindowA(className.c_str(), caption.c_str()));
}

WindowHandle Win32TopLevelWindows::WindowAbove(WindowHandle window) {
    return reinterpret_cast<WindowHandle>(GetWindow(ToHwnd(window), GW_HWNDPREV));
}

WindowHandle Win32TopLevelWindows::OwnerOf(WindowHandle window) {
    return reinterpret_cast<WindowHandle>(GetWindow(ToHwnd(window), GW_OWNER));
}

void Win32TopLevelWindows::ShowWindow(WindowHandle window) {
    ::ShowWindow(ToHwnd(window), SW_SHOW);
}

void Win32TopLevelWindows::OpenIcon(WindowHandle window) {
    ::OpenIcon(ToHwnd(window));
}

void Win32TopLevelWindows::SetForegroundWindow(WindowHandle window) {
    ::SetForegroundWindow(ToHwnd(window));
}

MenuHandle Win32SystemMenus::GetSystemMenu(WindowHandle window) {
    return reinterpret_cast<MenuHandle>(::GetSystemMenu(ToHwnd(window), FALSE));
}

int Win32SystemMenus::GetMenuItemCount(MenuHandle menu) {
    return ::GetMenuItemCount(ToHmenu(menu));
}

bool Win32SystemMenus::RemoveMenuItem(MenuHandle menu, int position) {
    return RemoveMenu(ToHmenu(menu), static_cast<UINT>(position), MF_BYPOSITION | MF_REMOVE) !=
           FALSE;
}

void Win32SystemMenus::DrawMenuBar(WindowHandle window) {
    ::DrawMenuBar(ToHwnd(window));
}

} // namespace tessik
