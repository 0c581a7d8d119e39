#pragma once

#include "platform/controls/TextControl.h"

#include <string>
#include <utility>

namespace tessik {

// A one-line text box; it starts empty.
class TextBox : public TextControl {
public:
    TextBox(Form& form, std::string name, TwipRect bounds, bool enabled, bool visible = true)
        : TextControl(form, std::move(name), bounds, {}, enabled, visible) {}

    const std::string& Text() const { return CurrentText(); }
    void SetText(std::string text) { ChangeText(std::move(text)); }

    // Platform notification: the user edited the text.
    void UserChangedText(std::string text) { NoteUserText(std::move(text)); }
};

} // namespace tessik
