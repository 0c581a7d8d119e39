#include "engine/HookLifecycle.h"

namespace tessik {

HookLifecycle::HookLifecycle(Engine& engine, SystemHook& system, MouseHook& mouse,
                             KeyboardInputWatch& keyboardInput, WindowHandle mainWindow)
    : engine_(engine), system_(system), mouse_(mouse), keyboardInput_(keyboardInput),
      mainWindow_(mainWindow), watchdog_(system, *this) {}

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
    keyboardHookInPlace_ = hookHandle_ != 0;
    FollowLayout();
}

// Keys typed in the system default go by the engine: the word is done.
void HookLifecycle::RemoveHook() {
    StopWatching();
    if (IsHookInstalled())
        system_.Unhook(hookHandle_);
    keyboardHookInPlace_ = false;
    FollowLayout();
    engine_.InterruptKeySequence();
}

void HookLifecycle::FollowLayout() {
    const bool wanted = keyboardHookInPlace_ && engine_.PhoneticIsCurrent();
    if (wanted && !IsMouseHookInstalled()) {
        mouseHookHandle_ = mouse_.SetMouseHook(engine_);
    } else if (!wanted && IsMouseHookInstalled()) {
        mouse_.Unhook(mouseHookHandle_);
        mouseHookHandle_ = 0;
    }
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
    if (!IsMouseHookInstalled())
        return;
    if (const uintptr_t mouseReplacement = mouse_.SetMouseHook(engine_)) {
        mouse_.Unhook(mouseHookHandle_);
        mouseHookHandle_ = mouseReplacement;
    }
}

void HookLifecycle::StopWatching() {
    if (!watchdog_.IsWatching())
        return;
    watchdog_.Stop();
    keyboardInput_.Stop();
}

} // namespace tessik
