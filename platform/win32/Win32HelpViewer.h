#pragma once

#include "platform/HelpViewer.h"

namespace tessik {

// HtmlHelpA from the help library hhctrl.ocx, loaded on first use and kept
// loaded for the life of the process.
class Win32HelpViewer final : public HelpViewer {
public:
    bool LoadHelpLibrary() override;
    WindowHandle HtmlHelpA(WindowHandle caller, const std::string& file, uint32_t command,
                           uintptr_t data) override;

private:
    using HtmlHelpFunction = WindowHandle(__stdcall*)(WindowHandle, const char*, uint32_t,
                                                      uintptr_t);
    HtmlHelpFunction htmlHelp_ = nullptr;
};

} // namespace tessik
