#include "engine/HookLifecycle.h"

namespace tessik {

HookLifecycle::HookLifecycle(Engine& engine, SystemHook& system, KeyboardInputWatch& keyboardInput,
                             WindowHandle mainWindow)
    : engine_(engine), system_(system), keyboardInput_(keyboardInput), mainWindow_(mainWindow),
      watchdog_(system, *this) {}

HookLifecycle::~HookLifecycle() {
    StopWatching();
}

// The keys typed while the system default was on never reached the hook.
void HookLifecycle::InstallHook() {
    hookHandle_ = system_.SetKeyboardHook();
    engine_.InterruptKeySequence();
    previousForegroundWindow_ = system_.ForegroundWindow();
    system_.SetForegroundWindow(mainWindow_);
    system_.SetForegroundWindow(previousForegroundWindow_);
    // Without its report of the system's input the watchdog cannot tell a
    // lost hook from a quiet keyboard; the hook works on without it.
    if (hookHandle_ != 0 && !watchdog_.IsWatching() &&
        keyboardInput_.Start(watchdog_, HookWatchdog::kCheckInterval))
        watchdog_.Start();
}

void HookLifecycle::RemoveHook() {
    StopWatching();
    if (IsHookInstalled())
        system_.Unhook(hookHandle_);
}

// The watchdog reinstalls after keys that the lost hook did not see.
void HookLifecycle::ReinstallHook() {
    engine_.InterruptKeySequence();
    const uintptr_t replacement = system_.SetKeyboardHook();
    if (replacement == 0)
        return;
    if (IsHookInstalled())
        system_.Unhook(hookHandle_);
    hookHandle_ = replacement;
}

void HookLifecycle::StopWatching() {
    if (!watchdog_.IsWatching())
        return;
    watchdog_.Stop();
    keyboardInput_.Stop();
}

} // namespace tessik
