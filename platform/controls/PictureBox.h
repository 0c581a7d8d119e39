#pragma once

#include "platform/Handles.h"
#include "platform/controls/Control.h"

#include <functional>
#include <string>
#include <utility>

namespace tessik {

// A picture box: a child window of its own, here used only as a receiver
// of messages.
class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name, TwipRect bounds, WindowHandle handle, bool visible)
        : Control(form, std::move(name), bounds, true, visible), handle_(handle) {}

    WindowHandle Handle() const { return handle_; }

    // Raised by the platform for WM_MOUSEMOVE; x and y are in twips.
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    void MouseMove(int button, int shift, float x, float y) const {
        if (onMouseMove)
            onMouseMove(button, shift, x, y);
    }

    void Attach(ControlBackend& backend) { AttachBackend(backend); }

private:
    WindowHandle handle_;
};

} // namespace tessik
