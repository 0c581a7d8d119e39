#pragma once

#include <cstdint>

namespace tessik {

// System handles cross the portable seam as plain numbers: the logic only
// stores, compares and passes them back.
using WindowHandle = uintptr_t;
using IconHandle = uintptr_t;

} // namespace tessik
