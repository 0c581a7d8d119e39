#pragma once

#include "engine/CodeValue.h"
#include "engine/KeySlots.h"

#include <array>

namespace tessik {

// The active key map: one code value for each of the 57 key slots.
class KeyMap {
public:
    CodeValue At(KeySlot slot) const { return codes_[static_cast<std::size_t>(slot)]; }
    void Set(KeySlot slot, CodeValue code) { codes_[static_cast<std::size_t>(slot)] = code; }
    void Clear() { codes_.fill(0); }

private:
    std::array<CodeValue, kKeySlotCount> codes_{};
};

} // namespace tessik
