#pragma once

#include "platform/SystemValues.h"

#include <cstdint>

namespace tessik {

// The asynchronous state of a key, as the system reports it: the bit
// keystate::HeldNow is set while the key is held down now.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual int16_t AsyncKeyState(int virtualKey) = 0;
};

} // namespace tessik
