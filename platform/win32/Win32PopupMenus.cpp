#include "platform/win32/Win32PopupMenus.h"

#include <windows.h>

namespace tessik {

void Win32PopupMenus::PopupMenu(const MenuItem&, int x, int y) {
    const HWND form = reinterpret_cast<HWND>(form_);
    const PixelRect at = scale_.ToPixels(TwipRect{x, y, 0, 0});
    POINT corner{at.left, at.top};
    ClientToScreen(form, &corner);
    // The menu only closes properly when its owner is the foreground window.
    SetForegroundWindow(form);
    TrackPopupMenu(reinterpret_cast<HMENU>(helpMenu_), 0, corner.x, corner.y, 0, form, nullptr);
    PostMessageA(form, WM_NULL, 0, 0);
}

} // namespace tessik
