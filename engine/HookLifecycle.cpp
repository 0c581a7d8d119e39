#include "engine/HookLifecycle.h"

namespace tessik {

HookLifecycle::HookLifecycle(SystemHook& system, WindowHandle mainWindow)
    : system_(system), mainWindow_(mainWindow) {}

void HookLifecycle::InstallHook() {
    HookHandle = system_.SetKeyboardHook();
    PreviousForegroundWindow = system_.ForegroundWindow();
    system_.SetForegroundWindow(mainWindow_);
    system_.SetForegroundWindow(PreviousForegroundWindow);
}

void HookLifecycle::RemoveHook() {
    if (IsHookInstalled())
        system_.Unhook(HookHandle);
}

} // namespace tessik
