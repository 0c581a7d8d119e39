#pragma once

#include "platform/SystemValues.h"

#include <cstdint>
#include <string>

namespace tessik {

// Shows a modal message box and returns the button the user pressed. Texts
// are ANSI; a line break inside a text is the single character CR. Messages
// keep being dispatched while the box is open.
class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    virtual int Show(const std::string& text, uint32_t style, const std::string& title) = 0;
};

} // namespace tessik
