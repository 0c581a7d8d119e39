#include "platform/win32/Win32KeyboardInputWatch.h"

#include "platform/RuntimeError.h"

#include <windows.h>

namespace tessik {
namespace {

constexpr char kWindowClass[] = "TessikKeyboardInputWatch";
constexpr UINT_PTR kTickTimer = 1;
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kKeyboardUsage = 0x06;

// Milliseconds since the system started.
std::chrono::milliseconds ClockNow() {
    return std::chrono::milliseconds(static_cast<std::chrono::milliseconds::rep>(GetTickCount64()));
}

bool IsKeyboardInput(LPARAM rawInput) {
    RAWINPUTHEADER header;
    UINT size = sizeof header;
    return GetRawInputData(reinterpret_cast<HRAWINPUT>(rawInput), RID_HEADER, &header, &size,
                           sizeof(RAWINPUTHEADER)) == sizeof header &&
           header.dwType == RIM_TYPEKEYBOARD;
}

LRESULT CALLBACK WatchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* listener =
        reinterpret_cast<KeyboardInputListener*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (listener != nullptr) {
        try {
            if (message == WM_INPUT) {
                // The message's time is the key event's, as the hook was told it.
                if (IsKeyboardInput(lParam))
                    listener->OnSystemKeyboardInput(static_cast<EventTime>(GetMessageTime()),
                                                    ClockNow());
            } else if (message == WM_TIMER && wParam == kTickTimer) {
                listener->Check(ClockNow());
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
    windowClass.lpfnWndProc = WatchWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           "cannot register the keyboard input window");
}

bool RegisterKeyboardInput(HWND target, DWORD flags) {
    const RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, flags, target};
    return RegisterRawInputDevices(&keyboard, 1, sizeof keyboard) != FALSE;
}

} // namespace

Win32KeyboardInputWatch::Win32KeyboardInputWatch() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClass(instance);
    HWND window = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
    if (window == nullptr)
        throw RuntimeError(ErrorNumber::InvalidArgument, "cannot create the keyboard input window");
    window_ = window;
}

Win32KeyboardInputWatch::~Win32KeyboardInputWatch() {
    Stop();
    DestroyWindow(static_cast<HWND>(window_));
}

bool Win32KeyboardInputWatch::Start(KeyboardInputListener& listener,
                                    std::chrono::milliseconds interval) {
    auto* window = static_cast<HWND>(window_);
    if (!RegisterKeyboardInput(window, RIDEV_INPUTSINK))
        return false;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&listener));
    SetTimer(window, kTickTimer, static_cast<UINT>(interval.count()), nullptr);
    started_ = true;
    return true;
}

void Win32KeyboardInputWatch::Stop() {
    if (!started_)
        return;
    started_ = false;
    auto* window = static_cast<HWND>(window_);
    KillTimer(window, kTickTimer);
    RegisterKeyboardInput(nullptr, RIDEV_REMOVE);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

} // namespace tessik
