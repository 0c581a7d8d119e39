#pragma once

#include "platform/Handles.h"

#include <cstdint>

namespace tessik {

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
