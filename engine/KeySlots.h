#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tessik {

// The 57 keys a layout can assign, each named by its key label. Slot numbers
// follow the order of kKeyLabels: "Shift + A".."Shift + Z", "a ".."z ",
// "Shift + |", "\ ", "Shift + 3", "Shift + 6", "Shift + 7".
constexpr int kKeySlotCount = 57;
using KeySlot = int;

extern const std::array<std::string_view, kKeySlotCount> kKeyLabels;

// The slot a label names; the comparison is exact, blanks included.
std::optional<KeySlot> SlotOfLabel(std::string_view label);

namespace slot {
constexpr KeySlot ShiftLetter(char upper) { return upper - 'A'; }
constexpr KeySlot Letter(char upper) { return 26 + (upper - 'A'); }
constexpr KeySlot ShiftBackslash = 52;
constexpr KeySlot Backslash = 53;
constexpr KeySlot Shift3 = 54;
constexpr KeySlot Shift6 = 55;
constexpr KeySlot Shift7 = 56;
} // namespace slot

} // namespace tessik
