#pragma once

#include "platform/MessageDialog.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tessik {

// Records every message box and answers with the queued answers, then OK.
// While a box is "open", whileOpen runs, as the messages that the system
// dispatches during a modal box would.
class FakeMessageDialog : public MessageDialog {
public:
    struct Box {
        std::string text;
        uint32_t style;
        std::string title;
    };
    std::vector<Box> shown;
    std::deque<int> answers;
    std::function<void()> whileOpen;

    int Show(const std::string& text, uint32_t style, const std::string& title) override {
        shown.push_back({text, style, title});
        if (whileOpen)
            whileOpen();
        if (answers.empty())
            return box::Ok;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace tessik
