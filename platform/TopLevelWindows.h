#pragma once

#include "platform/Handles.h"

#include <string>

namespace tessik {

// The desktop's top-level windows, as far as handing over to a running copy
// of the program needs them. The names differ from the system's own where
// those are macros of the system headers.
class TopLevelWindows {
public:
    virtual ~TopLevelWindows() = default;
    // FindWindowA(className, caption): the first top-level window of that
    // class with exactly that caption, or 0.
    virtual WindowHandle FindTopLevelWindow(const std::string& className,
                                            const std::string& caption) = 0;
    // GetWindow(window, GW_HWNDPREV): the window directly above in the Z
    // order, or 0.
    virtual WindowHandle WindowAbove(WindowHandle window) = 0;
    // GetWindow(window, GW_OWNER): the window's owner, or 0.
    virtual WindowHandle OwnerOf(WindowHandle window) = 0;
    // ShowWindow(window, SW_SHOW), also for another process's window.
    virtual void ShowWindow(WindowHandle window) = 0;
    // OpenIcon: restores the window if it is minimized.
    virtual void OpenIcon(WindowHandle window) = 0;
    virtual void SetForegroundWindow(WindowHandle window) = 0;
};

} // namespace tessik
