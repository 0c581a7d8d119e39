#include "shell/HotKey.h"

namespace tessik {

bool HotKey::InstallHotKey(WindowHandle mainWindow, WindowHandle targetWindow) {
    HotKeyWindow = mainWindow;
    HotKeyTarget = targetWindow;
    const bool registered = system_.RegisterGlobalHotKey(mainWindow, kId, kModifiers, kKey);
    PreviousWindowProc = system_.ReplaceWindowProcedure(mainWindow);
    return registered;
}

void HotKey::RemoveHotKey() {
    system_.UnregisterGlobalHotKey(HotKeyWindow, kId);
    system_.RestoreWindowProcedure(HotKeyWindow, PreviousWindowProc);
}

intptr_t HotKey::HotKeyWindowProc(WindowHandle hwnd, uint32_t message, uintptr_t wParam,
                                  intptr_t lParam) noexcept {
    if (message == wm::NcDestroy)
        RemoveHotKey();
    else if (message == wm::HotKey)
        // The hot key's id, 0, becomes the posted lParam: a move to (0, 0).
        system_.PostWindowMessage(HotKeyTarget, wm::MouseMove, 0, static_cast<intptr_t>(wParam));
    return system_.CallWindowProcedure(PreviousWindowProc, hwnd, message, wParam, lParam);
}

} // namespace tessik
