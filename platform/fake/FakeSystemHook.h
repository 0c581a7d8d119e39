#pragma once

#include "platform/KeyboardInputWatch.h"
#include "platform/SystemHook.h"

#include <set>

namespace tessik {

// A system that hands out hook handles, or refuses them, and keeps track of
// which hooks are installed and which window is in the foreground.
class FakeSystemHook : public SystemHook {
public:
    bool refuse = false;
    std::set<uintptr_t> installed;
    int installCount = 0;
    int unhookCount = 0;
    WindowHandle foreground = 0;

    uintptr_t SetKeyboardHook() override {
        if (refuse)
            return 0;
        const uintptr_t handle = nextHandle_++;
        installed.insert(handle);
        ++installCount;
        return handle;
    }

    void Unhook(uintptr_t handle) override {
        ++unhookCount;
        installed.erase(handle);
    }

    WindowHandle ForegroundWindow() override { return foreground; }
    void SetForegroundWindow(WindowHandle window) override { foreground = window; }

private:
    uintptr_t nextHandle_ = 0x4000;
};

// The system's report of keyboard input, which may be refused; the tests
// drive the listener themselves.
class FakeKeyboardInputWatch final : public KeyboardInputWatch {
public:
    bool refuse = false;
    KeyboardInputListener* listener = nullptr;
    std::chrono::milliseconds interval{0};

    bool Start(KeyboardInputListener& to, std::chrono::milliseconds every) override {
        if (refuse)
            return false;
        listener = &to;
        interval = every;
        return true;
    }
    void Stop() override { listener = nullptr; }
};

} // namespace tessik
