#pragma once

#include "platform/Handles.h"
#include "platform/SystemValues.h"

#include <cstdint>

namespace tessik {

// The address of a window procedure, as SetWindowLongPtrA returns it.
using WindowProcedure = uintptr_t;

// The program's replacement window procedure, to which the system's
// procedure hands every message of the subclassed window. It must not throw.
class HotKeyWindowProcedure {
public:
    virtual ~HotKeyWindowProcedure() = default;
    virtual intptr_t HotKeyWindowProc(WindowHandle hwnd, uint32_t message, uintptr_t wParam,
                                      intptr_t lParam) noexcept = 0;
};

// The system calls behind the global hot key: registration and the window
// procedure that catches WM_HOTKEY. None of them throws.
class HotKeySystem {
public:
    virtual ~HotKeySystem() = default;
    // RegisterHotKey / UnregisterHotKey; false when the system refuses.
    virtual bool RegisterGlobalHotKey(WindowHandle window, int id, uint32_t modifiers,
                                      uint32_t virtualKey) = 0;
    virtual bool UnregisterGlobalHotKey(WindowHandle window, int id) = 0;
    // SetWindowLongPtrA(window, GWLP_WNDPROC, p) where p is the program's hot-key
    // procedure, which hands every message to a HotKeyWindowProcedure. Returns the
    // procedure it replaced.
    virtual WindowProcedure ReplaceWindowProcedure(WindowHandle window) = 0;
    // SetWindowLongPtrA(window, GWLP_WNDPROC, previous).
    virtual void RestoreWindowProcedure(WindowHandle window, WindowProcedure previous) = 0;
    // CallWindowProcA(previous, window, message, wParam, lParam).
    virtual intptr_t CallWindowProcedure(WindowProcedure previous, WindowHandle window,
                                         uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // PostMessageA; false when the message could not be queued.
    virtual bool PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                                   intptr_t lParam) = 0;
};

} // namespace tessik
