#pragma once

#include "engine/Engine.h"
#include "engine/HookWatchdog.h"
#include "platform/SystemHook.h"

namespace tessik {

// The low-level keyboard hook of Windows. Its callback unpacks each event
// for the engine's KeyboardHookProc. The system calls it on the thread that
// installed the hook, and there is one such hook per process: the engine
// given to the last Win32SystemHook constructed receives the keys.
class Win32SystemHook final : public SystemHook {
public:
    explicit Win32SystemHook(Engine& engine);
    ~Win32SystemHook() override;
    Win32SystemHook(const Win32SystemHook&) = delete;
    Win32SystemHook& operator=(const Win32SystemHook&) = delete;

    // Every call of the hook is also reported to `watchdog` (none: nullptr),
    // so that it can tell when the system has taken the hook away.
    void ReportHookCallsTo(HookWatchdog* watchdog);

    uintptr_t SetKeyboardHook() override;
    void Unhook(uintptr_t handle) override;
    WindowHandle ForegroundWindow() override;
    void SetForegroundWindow(WindowHandle window) override;
};

} // namespace tessik
