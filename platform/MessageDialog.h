#pragma once

#include <cstdint>
#include <string>

namespace tessik {

// Styles and answers of the modal message boxes, as the system numbers them.
namespace box {
constexpr uint32_t StopOk = 16;        // stop icon, OK
constexpr uint32_t QuestionYesNo = 36; // question icon, Yes and No
constexpr uint32_t InformationOk = 64; // information icon, OK

constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace box

// Shows a modal message box and returns the button the user pressed. Texts
// are ANSI; a line break inside a text is the single character CR. Messages
// keep being dispatched while the box is open.
class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    virtual int Show(const std::string& text, uint32_t style, const std::string& title) = 0;
};

} // namespace tessik
