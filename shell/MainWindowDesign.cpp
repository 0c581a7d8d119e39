#include "shell/MainWindowDesign.h"

namespace tessik::design {

const std::array<std::string_view, kKeySlotCount>& KeyPickerItems() {
    static const auto items = [] {
        std::array<std::string_view, kKeySlotCount> list{};
        std::size_t next = 0;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            list[next++] = kKeyLabels[static_cast<std::size_t>(slot::ShiftLetter(letter))];
            list[next++] = kKeyLabels[static_cast<std::size_t>(slot::Letter(letter))];
        }
        for (const KeySlot last :
             {slot::ShiftBackslash, slot::Backslash, slot::Shift3, slot::Shift6, slot::Shift7})
            list[next++] = kKeyLabels[static_cast<std::size_t>(last)];
        return list;
    }();
    return items;
}

} // namespace tessik::design
