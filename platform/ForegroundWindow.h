#pragma once

#include "platform/Handles.h"

namespace tessik {

// The window that receives what is typed now, and what the keyboard hook
// must know of it before it types into it.
class ForegroundWindow {
public:
    virtual ~ForegroundWindow() = default;
    // GetForegroundWindow: cheap, asked for every key-down. 0 when no window
    // is in the foreground.
    virtual WindowHandle Current() = 0;
    // Whether the window belongs to this program's own process.
    virtual bool BelongsToThisProcess(WindowHandle window) = 0;
    // Whether the window's process runs at a higher integrity level than
    // this one: the system then drops the input injected into it.
    virtual bool RunsAtHigherIntegrity(WindowHandle window) = 0;
};

} // namespace tessik
