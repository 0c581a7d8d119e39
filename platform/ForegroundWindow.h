#pragma once

#include "platform/Handles.h"

#include <cstdint>
#include <optional>

namespace tessik {

// What the keyboard hook learns of the process behind a window, in one look.
struct WindowProcess {
    bool isThisProcess = false;
    // The integrity level of the process's token (the RID of its mandatory
    // label), when the token could be read: another user's process, for
    // one, does not let this one read it.
    std::optional<uint32_t> integrityLevel;
};

// The window that receives what is typed now, and what the keyboard hook
// must know of it before it types into it.
class ForegroundWindow {
public:
    virtual ~ForegroundWindow() = default;
    // GetForegroundWindow: cheap, asked for every key-down. 0 when no window
    // is in the foreground.
    virtual WindowHandle Current() = 0;
    // The process behind the window; asked once per window that comes to the
    // foreground, since it costs several system calls.
    virtual WindowProcess ProcessOf(WindowHandle window) = 0;
    // The integrity level of this program's own process.
    virtual uint32_t OwnIntegrityLevel() = 0;
};

} // namespace tessik
