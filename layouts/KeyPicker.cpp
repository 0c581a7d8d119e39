#include "layouts/KeyPicker.h"

namespace tessik {

const std::array<std::string_view, kKeySlotCount> kPickerLabels = {
    "Shift + A", "a ", "Shift + B", "b ", "Shift + C", "c ",  "Shift + D", "d ",
    "Shift + E", "e ", "Shift + F", "f ", "Shift + G", "g ",  "Shift + H", "h ",
    "Shift + I", "i ", "Shift + J", "j ", "Shift + K", "k ",  "Shift + L", "l ",
    "Shift + M", "m ", "Shift + N", "n ", "Shift + O", "o ",  "Shift + P", "p ",
    "Shift + Q", "q ", "Shift + R", "r ", "Shift + S", "s ",  "Shift + T", "t ",
    "Shift + U", "u ", "Shift + V", "v ", "Shift + W", "w ",  "Shift + X", "x ",
    "Shift + Y", "y ", "Shift + Z", "z ", "Shift + |", "\\ ", "Shift + 3", "Shift + 6",
    "Shift + 7",
};

} // namespace tessik
