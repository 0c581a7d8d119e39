#include "platform/win32/Win32Application.h"

#include "platform/RuntimeError.h"

#include <windows.h>

namespace tessik {
namespace {

// One name for every copy in the session: the mutex only says whether a
// copy runs; finding it is done by its application window.
constexpr char kInstanceMutexName[] = "Tessik.RunningInstance";

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

} // namespace

Win32Application::Win32Application(const std::string& title) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kApplicationWindowClass;
    if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw RuntimeError(ErrorNumber::InternalError, "cannot register the application window");
    // Never shown: it only carries the title and owns the main window.
    HWND window = CreateWindowExA(0, kApplicationWindowClass, title.c_str(), WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        throw RuntimeError(ErrorNumber::InternalError, "cannot create the application window");
    window_ = reinterpret_cast<WindowHandle>(window);

    // Created once and kept open for the life of the process, so a copy
    // started later finds it, whenever it asks.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    previousInstanceRunning_ = mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    mutex_ = reinterpret_cast<uintptr_t>(mutex);
}

Win32Application::~Win32Application() {
    if (mutex_ != 0)
        CloseHandle(reinterpret_cast<HANDLE>(mutex_));
    if (IsWindow(ToHwnd(window_)))
        DestroyWindow(ToHwnd(window_));
}

void Win32Application::LeaveTaskList() {
    HWND window = ToHwnd(window_);
    SetWindowLongPtrA(window, GWL_EXSTYLE,
                      GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

bool Win32Application::PreviousInstanceRunning() {
    return previousInstanceRunning_;
}

void Win32Application::SetTitle(const std::string& title) {
    SetWindowTextA(ToHwnd(window_), title.c_str());
}

void Win32Application::EndProcess() {
    ExitProcess(0);
}

} // namespace tessik
