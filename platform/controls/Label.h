#pragma once

#include "platform/controls/TextControl.h"

#include <string>
#include <utility>

namespace tessik {

// A static text.
class Label : public TextControl {
public:
    Label(Form& form, std::string name, TwipRect bounds, std::string caption, bool visible = true)
        : TextControl(form, std::move(name), bounds, std::move(caption), true, visible) {}

    const std::string& Caption() const { return CurrentText(); }
    void SetCaption(std::string caption) { ChangeText(std::move(caption)); }
};

} // namespace tessik
