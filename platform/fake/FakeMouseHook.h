#pragma once

#include "platform/MouseHook.h"

#include <set>

namespace tessik {

// A system that hands out mouse hook handles, or refuses them, and presses
// a button for the test in front of the hooks installed.
class FakeMouseHook final : public MouseHook {
public:
    bool refuse = false;
    std::set<uintptr_t> installed;
    MouseButtonListener* listener = nullptr;

    uintptr_t SetMouseHook(MouseButtonListener& to) override {
        if (refuse)
            return 0;
        listener = &to;
        installed.insert(nextHandle_);
        return nextHandle_++;
    }
    void Unhook(uintptr_t handle) override { installed.erase(handle); }

    // A button pressed anywhere: only an installed hook hears of it.
    void PressButton() {
        if (!installed.empty())
            listener->OnMouseButtonDown();
    }

private:
    uintptr_t nextHandle_ = 0x6000;
};

} // namespace tessik
