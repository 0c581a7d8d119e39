#pragma once

#include <cstdint>

namespace tessik {

// The asynchronous state of a key, as the system reports it: bit 0x8000 is
// set while the key is held down now.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual int16_t AsyncKeyState(int virtualKey) = 0;
};

} // namespace tessik
