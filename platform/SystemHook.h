#pragma once

#include "platform/Handles.h"
#include "platform/HookChain.h"

#include <cstdint>

namespace tessik {

// What the low-level keyboard hook's callback hands each event to. The
// system calls it on the thread that installed the hook, for every keyboard
// event of the desktop and again for each item injected while it runs: it
// must not allocate or wait.
class KeyboardHookClient {
public:
    virtual ~KeyboardHookClient() = default;
    // Returns 1 to swallow the event, or what the next hook returned.
    virtual intptr_t KeyboardHookProc(int32_t code, uintptr_t message, const KeyEvent& event) = 0;
};

// Told of every key event that reaches the hook, before its client sees it.
class HookCallListener {
public:
    virtual ~HookCallListener() = default;
    virtual void OnHookCalled(EventTime event) noexcept = 0;
};

// The system calls behind the keyboard hook's lifecycle.
class SystemHook {
public:
    virtual ~SystemHook() = default;
    // Installs the low-level keyboard hook for all threads of the desktop;
    // returns its handle, or 0 when the system refuses it.
    virtual uintptr_t SetKeyboardHook() = 0;
    virtual void Unhook(uintptr_t handle) = 0;
    virtual WindowHandle ForegroundWindow() = 0;
    virtual void SetForegroundWindow(WindowHandle window) = 0;
};

} // namespace tessik
