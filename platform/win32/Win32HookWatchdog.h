#pragma once

#include "engine/HookWatchdog.h"

namespace tessik {

// Feeds the hook watchdog on Windows. The system's keyboard input arrives as
// raw input at a message-only window: keyboard only (the mouse must not
// count), and with RIDEV_INPUTSINK also while other programs have the focus.
// A timer on the same window runs the watchdog's check. Everything runs on
// the thread that created it, the one that installs the hook.
class Win32HookWatchdog {
public:
    // Creates the window; throws RuntimeError when the system refuses it.
    explicit Win32HookWatchdog(HookWatchdog& watchdog);
    ~Win32HookWatchdog();
    Win32HookWatchdog(const Win32HookWatchdog&) = delete;
    Win32HookWatchdog& operator=(const Win32HookWatchdog&) = delete;

    // Call when the native mode goes on. Returns false, and does not watch,
    // when the system refuses the raw keyboard input.
    bool Start();
    // Call when the native mode goes off.
    void Stop();

private:
    HookWatchdog& watchdog_;
    void* window_ = nullptr;
};

} // namespace tessik
