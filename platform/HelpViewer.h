#pragma once

#include "platform/Handles.h"
#include "platform/SystemValues.h"

#include <cstdint>
#include <string>

namespace tessik {

// The system's HTML help viewer. It lives in the help library (hhctrl.ocx),
// which is loaded only when help is first asked for, so that the program
// starts and runs without it.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Loads the help library and finds HtmlHelpA in it, unless that was done
    // before; the library then stays loaded. False when either step fails.
    virtual bool LoadHelpLibrary() = 0;
    // HtmlHelpA(caller, file, command, data) of the loaded library, with the
    // file path in the ANSI code page. Returns the viewer's window, or 0.
    // Call it only after LoadHelpLibrary has returned true.
    virtual WindowHandle HtmlHelpA(WindowHandle caller, const std::string& file, uint32_t command,
                                   uintptr_t data) = 0;
};

} // namespace tessik
