#pragma once

#include "platform/AnsiCodePage.h"

namespace tessik {

// The code page of CP_ACP, asked of the system character by character.
class Win32AnsiCodePage : public AnsiCodePage {
public:
    std::vector<AnsiCharacter> Characters(std::string_view text) const override;
};

} // namespace tessik
