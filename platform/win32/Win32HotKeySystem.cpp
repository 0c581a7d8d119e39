#include "platform/win32/Win32HotKeySystem.h"

#include <windows.h>

namespace tessik {
namespace {

// The procedure that replaces the main window's. Only the user-interface
// thread reads and writes it.
HotKeyWindowProcedure* routedProcedure = nullptr;

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

LRESULT CALLBACK HotKeyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (routedProcedure == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    return routedProcedure->HotKeyWindowProc(reinterpret_cast<WindowHandle>(window), message,
                                             wParam, lParam);
}

} // namespace

Win32HotKeySystem::~Win32HotKeySystem() {
    routedProcedure = nullptr;
}

void Win32HotKeySystem::RouteTo(HotKeyWindowProcedure& procedure) {
    routedProcedure = &procedure;
}

bool Win32HotKeySystem::RegisterGlobalHotKey(WindowHandle window, int id, uint32_t modifiers,
                                             uint32_t virtualKey) {
    return RegisterHotKey(ToHwnd(window), id, modifiers, virtualKey) != FALSE;
}

bool Win32HotKeySystem::UnregisterGlobalHotKey(WindowHandle window, int id) {
    return UnregisterHotKey(ToHwnd(window), id) != FALSE;
}

WindowProcedure Win32HotKeySystem::ReplaceWindowProcedure(WindowHandle window) {
    return static_cast<WindowProcedure>(SetWindowLongPtrA(
        ToHwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotKeyProcedure)));
}

void Win32HotKeySystem::RestoreWindowProcedure(WindowHandle window, WindowProcedure previous) {
    SetWindowLongPtrA(ToHwnd(window), GWLP_WNDPROC, static_cast<LONG_PTR>(previous));
}

intptr_t Win32HotKeySystem::CallWindowProcedure(WindowProcedure previous, WindowHandle window,
                                                uint32_t message, uintptr_t wParam,
                                                intptr_t lParam) {
    return CallWindowProcA(reinterpret_cast<WNDPROC>(previous), ToHwnd(window), message, wParam,
                           lParam);
}

bool Win32HotKeySystem::PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                                          intptr_t lParam) {
    return PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

} // namespace tessik
