#include "platform/win32/Win32Keyboard.h"

#include <windows.h>

#include <array>

namespace tessik {

int16_t Win32KeyState::AsyncKeyState(int virtualKey) {
    return GetAsyncKeyState(virtualKey);
}

// The hook handle argument has been ignored by the system since Windows NT.
intptr_t Win32HookChain::CallNextHook(int32_t code, uintptr_t message, const KeyEvent& event) {
    return CallNextHookEx(nullptr, code, static_cast<WPARAM>(message),
                          reinterpret_cast<LPARAM>(event.systemRecord));
}

Win32Injector::Win32Injector()
    : backspaceScanCode_(static_cast<uint16_t>(MapVirtualKeyW(VK_BACK, MAPVK_VK_TO_VSC))) {}

// Runs inside the hook callback: the inputs live on the stack, and the call
// does not wait for the target window.
void Win32Injector::Inject(const InjectionBatch& batch) {
    std::array<INPUT, 2 * InjectionBatch::kCapacity> inputs{};
    UINT count = 0;
    const auto press = [&](WORD virtualKey, WORD scanCode, DWORD flags) {
        for (const DWORD direction : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT& input = inputs[count++];
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = virtualKey;
            input.ki.wScan = scanCode;
            input.ki.dwFlags = flags | direction;
        }
    };
    for (const uint16_t unit : batch) {
        if (unit == InjectionBatch::kBackspace)
            press(VK_BACK, backspaceScanCode_, 0);
        else
            press(0, unit, KEYEVENTF_UNICODE);
    }
    if (count != 0)
        SendInput(count, inputs.data(), sizeof(INPUT));
}

} // namespace tessik
