#pragma once

#include "platform/controls/Control.h"

#include <string>

namespace tessik {

// A control that shows one text: the caption of a button or label, or the
// contents of a text box.
class TextControl : public Control {
public:
    void Attach(ControlBackend& backend) { AttachBackend(backend); }

protected:
    TextControl(Form& form, std::string name, TwipRect bounds, std::string text, bool enabled,
                bool visible);

    const std::string& CurrentText() const { return text_; }
    void ChangeText(std::string text);
    void NoteUserText(std::string text) { text_ = std::move(text); }

private:
    void PushState(ControlBackend& backend) const override;

    std::string text_;
};

} // namespace tessik
