#include "shell/HotKey.h"

namespace tessik {

bool HotKey::InstallHotKey(WindowHandle mainWindow, WindowHandle targetWindow) {
    hotKeyWindow_ = mainWindow;
    hotKeyTarget_ = targetWindow;
    const bool registered = system_.RegisterGlobalHotKey(mainWindow, kId, kModifiers, kKey);
    previousWindowProc_ = system_.ReplaceWindowProcedure(mainWindow);
    return registered;
}

void HotKey::RemoveHotKey() {
    system_.UnregisterGlobalHotKey(hotKeyWindow_, kId);
    system_.RestoreWindowProcedure(hotKeyWindow_, previousWindowProc_);
}

intptr_t HotKey::HotKeyWindowProc(WindowHandle hwnd, uint32_t message, uintptr_t wParam,
                                  intptr_t lParam) noexcept {
    if (message == wm::NcDestroy)
        RemoveHotKey();
    else if (message == wm::HotKey)
        // The hot key's id, 0, becomes the posted lParam: a move to (0, 0).
        system_.PostWindowMessage(hotKeyTarget_, wm::MouseMove, 0, static_cast<intptr_t>(wParam));
    return system_.CallWindowProcedure(previousWindowProc_, hwnd, message, wParam, lParam);
}

} // namespace tessik
