#pragma once

#include "platform/HotKeySystem.h"

namespace tessik {

// RegisterHotKey and the subclassing of the main window with SetWindowLongPtrA
// and CallWindowProcA. The replacement procedure hands every message to
// the procedure given to RouteTo (one per process).
class Win32HotKeySystem final : public HotKeySystem {
public:
    Win32HotKeySystem() = default;
    ~Win32HotKeySystem() override;
    Win32HotKeySystem(const Win32HotKeySystem&) = delete;
    Win32HotKeySystem& operator=(const Win32HotKeySystem&) = delete;

    void RouteTo(HotKeyWindowProcedure& procedure);

    bool RegisterGlobalHotKey(WindowHandle window, int id, uint32_t modifiers,
                              uint32_t virtualKey) override;
    bool UnregisterGlobalHotKey(WindowHandle window, int id) override;
    WindowProcedure ReplaceWindowProcedure(WindowHandle window) override;
    void RestoreWindowProcedure(WindowHandle window, WindowProcedure previous) override;
    intptr_t CallWindowProcedure(WindowProcedure previous, WindowHandle window, uint32_t message,
                                 uintptr_t wParam, intptr_t lParam) override;
    bool PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                           intptr_t lParam) override;
};

} // namespace tessik
