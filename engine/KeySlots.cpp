#include "engine/KeySlots.h"

#include <algorithm>

namespace tessik {

const std::array<std::string_view, kKeySlotCount> kKeyLabels = {
    "Shift + A", "Shift + B", "Shift + C", "Shift + D", "Shift + E", "Shift + F", "Shift + G",
    "Shift + H", "Shift + I", "Shift + J", "Shift + K", "Shift + L", "Shift + M", "Shift + N",
    "Shift + O", "Shift + P", "Shift + Q", "Shift + R", "Shift + S", "Shift + T", "Shift + U",
    "Shift + V", "Shift + W", "Shift + X", "Shift + Y", "Shift + Z", "a ",        "b ",
    "c ",        "d ",        "e ",        "f ",        "g ",        "h ",        "i ",
    "j ",        "k ",        "l ",        "m ",        "n ",        "o ",        "p ",
    "q ",        "r ",        "s ",        "t ",        "u ",        "v ",        "w ",
    "x ",        "y ",        "z ",        "Shift + |", "\\ ",       "Shift + 3", "Shift + 6",
    "Shift + 7",
};

std::optional<KeySlot> SlotOfLabel(std::string_view label) {
    const auto found = std::find(kKeyLabels.begin(), kKeyLabels.end(), label);
    if (found == kKeyLabels.end())
        return std::nullopt;
    return static_cast<KeySlot>(found - kKeyLabels.begin());
}

} // namespace tessik
