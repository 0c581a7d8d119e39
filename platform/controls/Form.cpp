#include "platform/controls/Form.h"

#include <utility>

namespace tessik {

Form::Form(std::string caption, WindowHandle handle, bool visible)
    : caption_(std::move(caption)), handle_(handle), visible_(visible) {}

void Form::Show() {
    visible_ = true;
    if (backend_)
        backend_->Show();
}

void Form::Hide() {
    visible_ = false;
    if (backend_)
        backend_->Hide();
}

void Form::Unload() {
    if (!loaded_)
        return;
    if (onUnload)
        onUnload();
    loaded_ = false;
    visible_ = false;
    if (backend_)
        backend_->Unload();
}

void Form::Attach(FormBackend& backend) {
    backend_ = &backend;
    if (visible_)
        backend.Show();
    else
        backend.Hide();
}

} // namespace tessik
