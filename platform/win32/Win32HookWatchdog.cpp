#include "platform/win32/Win32HookWatchdog.h"

#include "platform/RuntimeError.h"

#include <windows.h>

namespace tessik {
namespace {

constexpr char kWindowClass[] = "TessikHookWatchdog";
constexpr UINT_PTR kCheckTimer = 1;
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kKeyboardUsage = 0x06;

// Milliseconds since the system started.
HookWatchdog::Clock WatchdogClockNow() {
    return HookWatchdog::Clock(static_cast<HookWatchdog::Clock::rep>(GetTickCount64()));
}

bool IsKeyboardInput(LPARAM rawInput) {
    RAWINPUTHEADER header;
    UINT size = sizeof header;
    return GetRawInputData(reinterpret_cast<HRAWINPUT>(rawInput), RID_HEADER, &header, &size,
                           sizeof(RAWINPUTHEADER)) == sizeof header &&
           header.dwType == RIM_TYPEKEYBOARD;
}

LRESULT CALLBACK WatchdogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watchdog = reinterpret_cast<HookWatchdog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (watchdog != nullptr) {
        try {
            if (message == WM_INPUT) {
                // The message's time is the key event's, as the hook was told it.
                if (IsKeyboardInput(lParam))
                    watchdog->OnSystemKeyboardInput(static_cast<EventTime>(GetMessageTime()),
                                                    WatchdogClockNow());
            } else if (message == WM_TIMER && wParam == kCheckTimer) {
                watchdog->Check(WatchdogClockNow());
            }
        } catch (...) {
            // Nothing may leave a window procedure; the next tick checks again.
        }
    }
    // WM_INPUT must reach DefWindowProc, which releases the input.
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WatchdogWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw RuntimeError(ErrorNumber::InvalidArgument, "cannot register the watchdog window");
}

bool RegisterKeyboardInput(HWND target, DWORD flags) {
    const RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, flags, target};
    return RegisterRawInputDevices(&keyboard, 1, sizeof keyboard) != FALSE;
}

} // namespace

Win32HookWatchdog::Win32HookWatchdog(HookWatchdog& watchdog) : watchdog_(watchdog) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClass(instance);
    HWND window = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
    if (window == nullptr)
        throw RuntimeError(ErrorNumber::InvalidArgument, "cannot create the watchdog window");
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&watchdog_));
    window_ = window;
}

Win32HookWatchdog::~Win32HookWatchdog() {
    Stop();
    DestroyWindow(static_cast<HWND>(window_));
}

bool Win32HookWatchdog::Start() {
    auto* window = static_cast<HWND>(window_);
    if (!RegisterKeyboardInput(window, RIDEV_INPUTSINK))
        return false;
    SetTimer(window, kCheckTimer, static_cast<UINT>(HookWatchdog::kCheckInterval.count()), nullptr);
    watchdog_.Start();
    return true;
}

void Win32HookWatchdog::Stop() {
    if (!watchdog_.IsWatching())
        return;
    watchdog_.Stop();
    KillTimer(static_cast<HWND>(window_), kCheckTimer);
    RegisterKeyboardInput(nullptr, RIDEV_REMOVE);
}

} // namespace tessik
