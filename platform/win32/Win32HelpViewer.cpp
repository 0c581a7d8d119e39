#include "platform/win32/Win32HelpViewer.h"

#include <windows.h>

namespace tessik {

bool Win32HelpViewer::LoadHelpLibrary() {
    if (htmlHelp_ != nullptr)
        return true;
    // Never freed: the viewer's windows live on after the call returns.
    HMODULE library = LoadLibraryA("hhctrl.ocx");
    if (library == nullptr)
        return false;
    htmlHelp_ = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));
    return htmlHelp_ != nullptr;
}

WindowHandle Win32HelpViewer::HtmlHelpA(WindowHandle caller, const std::string& file,
                                        uint32_t command, uintptr_t data) {
    if (htmlHelp_ == nullptr)
        return 0;
    return htmlHelp_(caller, file.c_str(), command, data);
}

} // namespace tessik
