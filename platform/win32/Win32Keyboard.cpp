#include "platform/win32/Win32Keyboard.h"

#include <windows.h>

#include <array>
#include <optional>

namespace tessik {
namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

// The integrity level of a process token: the RID of its mandatory label,
// such as SECURITY_MANDATORY_MEDIUM_RID. None when it cannot be read.
std::optional<uint32_t> IntegrityLevel(HANDLE token) {
    // A label is a TOKEN_MANDATORY_LABEL followed by its SID, which has one
    // sub-authority: a small fixed buffer holds it.
    alignas(TOKEN_MANDATORY_LABEL) BYTE buffer[64];
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer, sizeof buffer, &size))
        return std::nullopt;
    const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid;
    const UCHAR count = *GetSidSubAuthorityCount(sid);
    if (count == 0)
        return std::nullopt;
    return *GetSidSubAuthority(sid, count - 1U);
}

uint32_t IntegrityLevelOfThisProcess() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return SECURITY_MANDATORY_MEDIUM_RID;
    const auto level = IntegrityLevel(token);
    CloseHandle(token);
    return level.value_or(SECURITY_MANDATORY_MEDIUM_RID);
}

} // namespace

Win32ForegroundWindow::Win32ForegroundWindow()
    : processId_(GetCurrentProcessId()), integrityLevel_(IntegrityLevelOfThisProcess()) {}

WindowHandle Win32ForegroundWindow::Current() {
    return reinterpret_cast<WindowHandle>(GetForegroundWindow());
}

// One question for the process, and only what could be read of its token:
// a process that keeps its token from this one (another user's) is not
// taken for an elevated one.
WindowProcess Win32ForegroundWindow::ProcessOf(WindowHandle window) {
    DWORD processId = 0;
    if (GetWindowThreadProcessId(ToHwnd(window), &processId) == 0)
        return {};
    if (processId == processId_)
        return {true, integrityLevel_};
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr)
        return {};
    HANDLE token = nullptr;
    const bool opened = OpenProcessToken(process, TOKEN_QUERY, &token) != FALSE;
    CloseHandle(process);
    if (!opened)
        return {};
    const auto level = IntegrityLevel(token);
    CloseHandle(token);
    return {false, level};
}

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
// does not wait for the target window. Only the inputs in use are cleared,
// so a key costs what its batch holds, not what a batch could hold.
void Win32Injector::Inject(const InjectionBatch& batch) {
    std::array<INPUT, 2 * InjectionBatch::kCapacity> inputs;
    UINT count = 0;
    const auto press = [&](WORD virtualKey, WORD scanCode, DWORD flags) {
        for (const DWORD direction : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT& input = inputs[count++];
            input = INPUT{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = virtualKey;
            input.ki.wScan = scanCode;
            input.ki.dwFlags = flags | direction;
            input.ki.dwExtraInfo = kOwnInjectionMark;
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
