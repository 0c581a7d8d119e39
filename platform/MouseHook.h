#pragma once

#include <cstdint>

namespace tessik {

// Told of every mouse button pressed anywhere on the desktop. Called from
// the hook callback, inside the system's delivery of the mouse event: it
// must not allocate, wait or throw.
class MouseButtonListener {
public:
    virtual ~MouseButtonListener() = default;
    virtual void OnMouseButtonDown() noexcept = 0;
};

// The system calls behind the low-level mouse hook. The hook only reports
// the presses of buttons, and hands every mouse event on at once.
class MouseHook {
public:
    virtual ~MouseHook() = default;
    // Installs the hook for all threads of the desktop, reporting to
    // `listener`; returns its handle, or 0 when the system refuses it.
    virtual uintptr_t SetMouseHook(MouseButtonListener& listener) = 0;
    virtual void Unhook(uintptr_t handle) = 0;
};

} // namespace tessik
