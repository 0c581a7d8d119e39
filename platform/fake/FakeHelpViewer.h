#pragma once

#include "platform/HelpViewer.h"

#include <string>
#include <vector>

namespace tessik {

// A help viewer whose library can be made to be missing. Records every call
// of HtmlHelpA and answers with a viewer window.
class FakeHelpViewer : public HelpViewer {
public:
    struct Call {
        WindowHandle caller;
        std::string file;
        uint32_t command;
        uintptr_t data;
    };
    static constexpr WindowHandle kViewerWindow = 0x900;

    bool libraryPresent = true;
    int loadAttempts = 0;
    std::vector<Call> calls;

    bool LoadHelpLibrary() override {
        ++loadAttempts;
        return libraryPresent;
    }

    WindowHandle HtmlHelpA(WindowHandle caller, const std::string& file, uint32_t command,
                           uintptr_t data) override {
        calls.push_back({caller, file, command, data});
        return kViewerWindow;
    }
};

} // namespace tessik
