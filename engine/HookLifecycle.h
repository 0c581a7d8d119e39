#pragma once

#include "engine/Engine.h"
#include "engine/HookWatchdog.h"
#include "platform/KeyboardInputWatch.h"
#include "platform/SystemHook.h"

#include <cstdint>

namespace tessik {

// Installs and removes the system-wide keyboard hook, and owns everything
// whose life follows the hook's: the watchdog that puts it back when the
// system takes it away watches from each installation to each removal,
// whichever path asks for them. The input-mode flag itself (NativeMode)
// belongs to the main window, whose toggle calls these. Each installation
// tells the engine that keys went by unseen.
class HookLifecycle {
public:
    HookLifecycle(Engine& engine, SystemHook& system, KeyboardInputWatch& keyboardInput,
                  WindowHandle mainWindow);
    ~HookLifecycle();
    HookLifecycle(const HookLifecycle&) = delete;
    HookLifecycle& operator=(const HookLifecycle&) = delete;

    // Installs the hook, then briefly brings the main window forward and
    // hands the foreground back to the window that had it. The watchdog
    // starts when the system gave a hook.
    void InstallHook();
    // Stops the watchdog, and removes the hook when one was obtained; the
    // handle is kept.
    void RemoveHook();
    bool IsHookInstalled() const { return hookHandle_ != 0; }

    // The handle of the last hook obtained; 0 until the first.
    uintptr_t HookHandle() const { return hookHandle_; }
    WindowHandle PreviousForegroundWindow() const { return previousForegroundWindow_; }

    // Installs a new hook before it removes the current one, so that no key
    // goes untranslated in between, and without touching the foreground
    // window: the user is typing. A refused hook leaves the current one.
    void ReinstallHook();

    HookWatchdog& Watchdog() { return watchdog_; }
    const HookWatchdog& Watchdog() const { return watchdog_; }

private:
    void StopWatching();

    Engine& engine_;
    SystemHook& system_;
    KeyboardInputWatch& keyboardInput_;
    WindowHandle mainWindow_;
    uintptr_t hookHandle_ = 0;
    WindowHandle previousForegroundWindow_ = 0;
    HookWatchdog watchdog_;
};

} // namespace tessik
