#pragma once

#include "platform/HookChain.h"

#include <chrono>

namespace tessik {

// Hears the system's own report of keyboard input, independent of any hook,
// and a regular tick to act on it.
class KeyboardInputListener {
public:
    virtual ~KeyboardInputListener() = default;
    // The system received a key event; `now` is milliseconds of a monotonic
    // clock.
    virtual void OnSystemKeyboardInput(EventTime event, std::chrono::milliseconds now) = 0;
    // The tick.
    virtual void Check(std::chrono::milliseconds now) = 0;
};

// The source of those reports: every key event the system receives, also
// while other programs have the focus, and a tick every `interval`.
class KeyboardInputWatch {
public:
    virtual ~KeyboardInputWatch() = default;
    // Returns false, and reports nothing, when the system refuses the input.
    virtual bool Start(KeyboardInputListener& listener, std::chrono::milliseconds interval) = 0;
    // Stops the reports; nothing happens when none were started.
    virtual void Stop() = 0;
};

} // namespace tessik
