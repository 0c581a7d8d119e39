#pragma once

#include "platform/controls/TextControl.h"

#include <functional>
#include <string>
#include <utility>

namespace tessik {

// A push button. An "&" in the caption marks its access key.
class Button : public TextControl {
public:
    Button(Form& form, std::string name, TwipRect bounds, std::string caption, bool enabled,
           bool visible = true)
        : TextControl(form, std::move(name), bounds, std::move(caption), enabled, visible) {}

    const std::string& Caption() const { return CurrentText(); }
    void SetCaption(std::string caption) { ChangeText(std::move(caption)); }

    // Raised by the platform when the user presses the button.
    std::function<void()> onClick;
    void Click() const {
        if (onClick)
            onClick();
    }
};

} // namespace tessik
