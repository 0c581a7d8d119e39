#pragma once

#include <functional>
#include <string>
#include <utility>

namespace tessik {

// An item of a window's menu; a top-level item opens its own items.
class MenuItem {
public:
    MenuItem(std::string name, std::string caption, bool visible = true)
        : name_(std::move(name)), caption_(std::move(caption)), visible_(visible) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    bool Visible() const { return visible_; }

    std::function<void()> onClick;
    void Click() const {
        if (onClick)
            onClick();
    }

private:
    std::string name_;
    std::string caption_;
    bool visible_;
};

} // namespace tessik
