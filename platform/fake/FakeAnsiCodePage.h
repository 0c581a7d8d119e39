#pragma once

#include "platform/AnsiCodePage.h"

namespace tessik {

// A code page for tests: Western (1252) exactly, or a double-byte page
// shaped like Japanese (932): its lead, trail and single bytes, with
// made-up codes for its pairs.
class FakeAnsiCodePage : public AnsiCodePage {
public:
    enum class Page { Western, DoubleByte };
    Page page = Page::Western;

    std::vector<AnsiCharacter> Characters(std::string_view text) const override;
};

} // namespace tessik
