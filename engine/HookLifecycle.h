#pragma once

#include "engine/Engine.h"
#include "engine/HookWatchdog.h"
#include "platform/KeyboardInputWatch.h"
#include "platform/MouseHook.h"
#include "platform/SystemHook.h"

#include <cstdint>

namespace tessik {

// Installs and removes the system-wide keyboard hook, and owns everything
// whose life follows the hook's: the watchdog that puts it back when the
// system takes it away watches from each installation to each removal,
// whichever path asks for them, and the mouse hook that ends the word typed
// phonetically at each click is in place while the keyboard hook is and the
// phonetic layout is current. The input-mode flag itself (NativeMode)
// belongs to the main window, whose toggle calls these. Each installation
// and removal tells the engine that keys go by unseen.
class HookLifecycle {
public:
    HookLifecycle(Engine& engine, SystemHook& system, MouseHook& mouse,
                  KeyboardInputWatch& keyboardInput, WindowHandle mainWindow);
    ~HookLifecycle();
    HookLifecycle(const HookLifecycle&) = delete;
    HookLifecycle& operator=(const HookLifecycle&) = delete;

    // Installs the hook, then briefly brings the main window forward and
    // hands the foreground back to the window that had it. The watchdog
    // starts when the system gave a hook.
    void InstallHook();
    // Stops the watchdog, and removes the hook when one was obtained; the
    // handle is kept. The mouse hook goes too.
    void RemoveHook();
    bool IsHookInstalled() const { return hookHandle_ != 0; }

    // Installs or removes the mouse hook after the current layout changed.
    // A refused mouse hook is asked for again at the next change: typing
    // works without it, the word then ending at the next key that ends it.
    void FollowLayout();
    bool IsMouseHookInstalled() const { return mouseHookHandle_ != 0; }

    // The handle of the last hook obtained; 0 until the first.
    uintptr_t HookHandle() const { return hookHandle_; }
    WindowHandle PreviousForegroundWindow() const { return previousForegroundWindow_; }

    // Installs a new hook before it removes the current one, so that no key
    // goes untranslated in between, and without touching the foreground
    // window: the user is typing. A refused hook leaves the current one.
    // The system takes a mouse hook away for the same delays, so one in
    // place is renewed the same way.
    void ReinstallHook();

    HookWatchdog& Watchdog() { return watchdog_; }
    const HookWatchdog& Watchdog() const { return watchdog_; }

private:
    void StopWatching();

    Engine& engine_;
    SystemHook& system_;
    MouseHook& mouse_;
    KeyboardInputWatch& keyboardInput_;
    WindowHandle mainWindow_;
    uintptr_t hookHandle_ = 0;
    // From an installation that the system granted to the next removal.
    bool keyboardHookInPlace_ = false;
    uintptr_t mouseHookHandle_ = 0;
    WindowHandle previousForegroundWindow_ = 0;
    HookWatchdog watchdog_;
};

} // namespace tessik
