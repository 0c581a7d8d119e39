#include "platform/controls/TextControl.h"

#include <utility>

namespace tessik {

TextControl::TextControl(Form& form, std::string name, TwipRect bounds, std::string text,
                         bool enabled, bool visible)
    : Control(form, std::move(name), bounds, enabled, visible), text_(std::move(text)) {}

void TextControl::ChangeText(std::string text) {
    text_ = std::move(text);
    if (backend_)
        backend_->SetText(text_);
}

void TextControl::PushState(ControlBackend& backend) const {
    Control::PushState(backend);
    backend.SetText(text_);
}

} // namespace tessik
