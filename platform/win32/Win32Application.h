#pragma once

#include "platform/Application.h"
#include "platform/Handles.h"

#include <string>

namespace tessik {

// The program's hidden application window, of class kApplicationWindowClass
// and captioned with the application title, and the named mutex that tells a
// second copy that this one runs. Both are made when the object is made,
// before the main window, which the application window then owns.
class Win32Application final : public Application {
public:
    // Throws RuntimeError when the system refuses the window.
    explicit Win32Application(const std::string& title);
    ~Win32Application() override;
    Win32Application(const Win32Application&) = delete;
    Win32Application& operator=(const Win32Application&) = delete;

    WindowHandle Window() const { return window_; }

    void LeaveTaskList() override;
    bool PreviousInstanceRunning() override;
    void SetTitle(const std::string& title) override;
    [[noreturn]] void EndProcess() override;

private:
    WindowHandle window_ = 0;
    uintptr_t mutex_ = 0;
    bool previousInstanceRunning_ = false;
};

} // namespace tessik
