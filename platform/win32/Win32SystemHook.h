#pragma once

#include "platform/SystemHook.h"

namespace tessik {

// The low-level keyboard hook of Windows. Its callback unpacks each event
// for the client's KeyboardHookProc. The system calls it on the thread that
// installed the hook, and there is one such hook per process: the client
// given to the last Win32SystemHook constructed receives the keys.
class Win32SystemHook final : public SystemHook {
public:
    explicit Win32SystemHook(KeyboardHookClient& client);
    ~Win32SystemHook() override;
    Win32SystemHook(const Win32SystemHook&) = delete;
    Win32SystemHook& operator=(const Win32SystemHook&) = delete;

    // Every call of the hook is also reported to `listener` (none: nullptr).
    void ReportHookCallsTo(HookCallListener* listener);

    uintptr_t SetKeyboardHook() override;
    void Unhook(uintptr_t handle) override;
    WindowHandle ForegroundWindow() override;
    void SetForegroundWindow(WindowHandle window) override;
};

} // namespace tessik
