#pragma once

#include "platform/Handles.h"
#include "platform/controls/Control.h"

#include <string>
#include <utility>

namespace tessik {

// An image control: a picture drawn on the form, with no window of its own.
class Image : public Control {
public:
    Image(Form& form, std::string name, TwipRect bounds, IconHandle picture, bool visible)
        : Control(form, std::move(name), bounds, true, visible), picture_(picture) {}

    IconHandle Picture() const { return picture_; }

private:
    IconHandle picture_;
};

} // namespace tessik
