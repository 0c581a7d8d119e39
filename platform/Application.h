#pragma once

#include <string>

namespace tessik {

// The window class of the hidden application window. A running copy of the
// program is found by this class and its caption, the application title.
constexpr const char* kApplicationWindowClass = "ThunderRT6Main";

// The program as the system sees it: its place in the task list, whether a
// copy of it was already running, the hidden application window whose
// caption is the application title, and the process itself.
class Application {
public:
    virtual ~Application() = default;
    // Takes the program out of the system's task list.
    virtual void LeaveTaskList() = 0;
    // Whether another copy of the program was running when this one started.
    virtual bool PreviousInstanceRunning() = 0;
    // Gives the application window a new caption.
    virtual void SetTitle(const std::string& title) = 0;
    // Ends the process at once: no window is unloaded and nothing is stored.
    // The real process never returns from it; callers still stop their work
    // afterwards, as if it had not returned.
    virtual void EndProcess() = 0;
};

} // namespace tessik
