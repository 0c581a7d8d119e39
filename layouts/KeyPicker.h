#pragma once

#include "engine/KeySlots.h"

#include <array>
#include <string_view>

namespace tessik {

// The key picker's items in the order the window lists them: for each letter
// the Shift label first, then the small letter with its trailing blank, then
// the backslash key's two labels and Shift with 3, 6 and 7. The same 57
// labels as the key slots, in a different order.
extern const std::array<std::string_view, kKeySlotCount> kPickerLabels;

} // namespace tessik
