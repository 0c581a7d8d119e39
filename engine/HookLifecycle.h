#pragma once

#include "platform/SystemHook.h"

#include <cstdint>

namespace tessik {

// Installs and removes the system-wide keyboard hook. The input-mode flag
// itself (NativeMode) belongs to the main window, whose toggle calls these.
class HookLifecycle {
public:
    HookLifecycle(SystemHook& system, WindowHandle mainWindow);

    // Installs the hook, then briefly brings the main window forward and
    // hands the foreground back to the window that had it.
    void InstallHook();
    // Removes the hook when one was obtained; the handle is kept.
    void RemoveHook();
    bool IsHookInstalled() const { return HookHandle != 0; }

    uintptr_t HookHandle = 0;
    WindowHandle PreviousForegroundWindow = 0;

private:
    SystemHook& system_;
    WindowHandle mainWindow_;
};

} // namespace tessik
