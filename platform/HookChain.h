#pragma once

#include <cstdint>

namespace tessik {

// The system's time stamp of a key event, in milliseconds. The hook's
// record of an event and the system's report of it carry the same one. It
// wraps around after 49.7 days.
using EventTime = uint32_t;

// What the low-level keyboard hook is given for one keyboard event. Only the
// virtual-key code and whether this program injected the event are read; the
// system's own record rides along untouched so that the event can be handed
// on to the next hook as it came.
struct KeyEvent {
    uint32_t virtualKey = 0;
    const void* systemRecord = nullptr;
    // One of this program's own characters coming back through the hook.
    // What other programs inject (an on-screen keyboard, a remote-control
    // tool) is not: those are keys like any typed ones.
    bool injectedByThisProgram = false;
};

// Passes an event on to the next hook in the system's chain.
class HookChain {
public:
    virtual ~HookChain() = default;
    virtual intptr_t CallNextHook(int32_t code, uintptr_t message, const KeyEvent& event) = 0;
};

} // namespace tessik
