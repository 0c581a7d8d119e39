#pragma once

#include "platform/KeyboardInputWatch.h"

namespace tessik {

// The system's keyboard input arrives as raw input at a message-only window:
// keyboard only (the mouse must not count), and with RIDEV_INPUTSINK also
// while other programs have the focus. A timer on the same window gives the
// tick. Everything runs on the thread that created it, the one that installs
// the hook.
class Win32KeyboardInputWatch final : public KeyboardInputWatch {
public:
    // Creates the window; throws RuntimeError when the system refuses it.
    Win32KeyboardInputWatch();
    ~Win32KeyboardInputWatch() override;
    Win32KeyboardInputWatch(const Win32KeyboardInputWatch&) = delete;
    Win32KeyboardInputWatch& operator=(const Win32KeyboardInputWatch&) = delete;

    bool Start(KeyboardInputListener& listener, std::chrono::milliseconds interval) override;
    void Stop() override;

private:
    void* window_ = nullptr;
    bool started_ = false;
};

} // namespace tessik
