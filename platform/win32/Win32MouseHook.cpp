#include "platform/win32/Win32MouseHook.h"

#include <windows.h>

namespace tessik {
namespace {

// Only the user-interface thread reads and writes it.
MouseButtonListener* buttonListener = nullptr;

bool IsButtonDown(WPARAM message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

// Runs for every mouse event of the desktop, moves included: it does no
// more than compare and note, so that the pointer never lags behind.
LRESULT CALLBACK LowLevelMouseProc(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION && buttonListener != nullptr && IsButtonDown(message))
        buttonListener->OnMouseButtonDown();
    return CallNextHookEx(nullptr, code, message, lParam);
}

} // namespace

Win32MouseHook::~Win32MouseHook() {
    buttonListener = nullptr;
}

uintptr_t Win32MouseHook::SetMouseHook(MouseButtonListener& listener) {
    buttonListener = &listener;
    return reinterpret_cast<uintptr_t>(
        SetWindowsHookExA(WH_MOUSE_LL, LowLevelMouseProc, GetModuleHandleA(nullptr), 0));
}

void Win32MouseHook::Unhook(uintptr_t handle) {
    UnhookWindowsHookEx(reinterpret_cast<HHOOK>(handle));
}

} // namespace tessik
