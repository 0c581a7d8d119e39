#pragma once

#include <cstdint>

namespace tessik {

// The value a layout assigns to a key: 0 means nothing assigned, 1 to 4 run
// a composition sequence, anything else is the UTF-16 code to type.
using CodeValue = int32_t;

namespace special {
constexpr CodeValue KhandaTa = 1;
constexpr CodeValue HasantaYa = 2;
constexpr CodeValue HasantaRa = 3;
constexpr CodeValue Reph = 4;
} // namespace special

constexpr bool IsSpecialCode(CodeValue v) { return v >= 1 && v <= 4; }

} // namespace tessik
