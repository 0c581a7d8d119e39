#include "platform/win32/Win32SystemHook.h"

#include "platform/win32/Win32Keyboard.h"

#include <windows.h>

namespace tessik {
namespace {

// Where the hook callback sends its events. Only the user-interface thread
// reads and writes these.
KeyboardHookClient* hookClient = nullptr;
HookCallListener* hookListener = nullptr;

// Runs for every keyboard event of the desktop, and again for each item the
// client injects while it is delivered (under Wine inside SendInput itself):
// no allocation, no waiting, and nothing may escape it.
LRESULT CALLBACK LowLevelKeyboardProc(int code, WPARAM message, LPARAM lParam) {
    const auto* record = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (hookListener != nullptr && code == HC_ACTION)
        hookListener->OnHookCalled(record->time);
    if (hookClient != nullptr) {
        const bool action = code == HC_ACTION;
        const KeyEvent event{action ? record->vkCode : 0u, record,
                             action && record->dwExtraInfo == kOwnInjectionMark};
        try {
            return hookClient->KeyboardHookProc(code, message, event);
        } catch (...) {
            // Fall through: the key goes on as if there were no hook.
        }
    }
    return CallNextHookEx(nullptr, code, message, lParam);
}

} // namespace

Win32SystemHook::Win32SystemHook(KeyboardHookClient& client) {
    hookClient = &client;
}

Win32SystemHook::~Win32SystemHook() {
    hookClient = nullptr;
    hookListener = nullptr;
}

void Win32SystemHook::ReportHookCallsTo(HookCallListener* listener) {
    hookListener = listener;
}

uintptr_t Win32SystemHook::SetKeyboardHook() {
    return reinterpret_cast<uintptr_t>(
        SetWindowsHookExA(WH_KEYBOARD_LL, LowLevelKeyboardProc, GetModuleHandleA(nullptr), 0));
}

void Win32SystemHook::Unhook(uintptr_t handle) {
    UnhookWindowsHookEx(reinterpret_cast<HHOOK>(handle));
}

WindowHandle Win32SystemHook::ForegroundWindow() {
    return reinterpret_cast<WindowHandle>(GetForegroundWindow());
}

void Win32SystemHook::SetForegroundWindow(WindowHandle window) {
    ::SetForegroundWindow(reinterpret_cast<HWND>(window));
}

} // namespace tessik
