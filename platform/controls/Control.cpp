#include "platform/controls/Control.h"

#include "platform/controls/Form.h"

#include <utility>

namespace tessik {

Control::Control(Form& form, std::string name, TwipRect bounds, bool enabled, bool visible)
    : form_(form), name_(std::move(name)), bounds_(bounds), enabled_(enabled), visible_(visible) {}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (backend_)
        backend_->SetEnabled(enabled);
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    if (backend_)
        backend_->SetVisible(visible);
}

void Control::Move(int left, int top) {
    bounds_.left = left;
    bounds_.top = top;
    if (backend_)
        backend_->Move(bounds_);
}

void Control::SetFocus() {
    form_.focused_ = this;
    if (backend_)
        backend_->SetFocus();
}

bool Control::HasFocus() const {
    return form_.focused_ == this;
}

void Control::GotFocus() {
    form_.focused_ = this;
}

void Control::AttachBackend(ControlBackend& backend) {
    backend_ = &backend;
    PushState(backend);
}

void Control::PushState(ControlBackend& backend) const {
    backend.Move(bounds_);
    backend.SetEnabled(enabled_);
    backend.SetVisible(visible_);
}

} // namespace tessik
