#pragma once

#include "platform/MouseHook.h"

namespace tessik {

// The low-level mouse hook of Windows. Its callback tells the listener of
// each button pressed and hands every event on at once. The system calls it
// on the thread that installed the hook; one listener per process, the one
// given to the last SetMouseHook.
class Win32MouseHook final : public MouseHook {
public:
    Win32MouseHook() = default;
    ~Win32MouseHook() override;
    Win32MouseHook(const Win32MouseHook&) = delete;
    Win32MouseHook& operator=(const Win32MouseHook&) = delete;

    uintptr_t SetMouseHook(MouseButtonListener& listener) override;
    void Unhook(uintptr_t handle) override;
};

} // namespace tessik
