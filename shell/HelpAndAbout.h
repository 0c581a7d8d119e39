#pragma once

#include "platform/FileSystem.h"
#include "platform/HelpViewer.h"
#include "platform/MessageDialog.h"
#include "platform/PopupMenus.h"

#include <array>
#include <string>
#include <string_view>

namespace tessik {

class MainWindow;

// The help files, in the order of the help menu's items; they lie in the
// folder Help beside the executable.
inline constexpr std::array<std::string_view, 4> kHelpFiles{
    "Configuring the system.chm", "Beginning.chm", "Using the software.chm", "Writing Rules.chm"};

// The folder of the executable + "\Help\" + the file. The folder comes
// without a trailing separator, except for the root of a drive, whose
// separator then stays doubled, as the system accepts it.
std::string HelpFilePath(std::string_view executableFolder, std::string_view file);

// The four lines of the About box, each ended by CR but the last.
std::string AboutText();

// What the user is told when a help file cannot be shown: its path, and
// whether the file is missing or the system's help viewer.
std::string HelpFileMissingText(const std::string& path);
std::string HelpViewerMissingText(const std::string& path);

// The Help and "?" buttons of frmMain. Help drops down the help menu under
// the button; each item opens its help file in the system's HTML help
// viewer, after making sure that both are there; "?" shows the About box.
// Attaches its handlers to the window's controls, so it must live as long as
// the window.
class HelpAndAbout {
public:
    struct Platform {
        MessageDialog& messages;
        PopupMenus& menus;
        HelpViewer& viewer;
        FileSystem& files;
    };

    HelpAndAbout(MainWindow& window, Platform platform, std::string executableFolder);
    HelpAndAbout(const HelpAndAbout&) = delete;
    HelpAndAbout& operator=(const HelpAndAbout&) = delete;

private:
    void DropDownHelpMenu();
    void ShowHelpFile(std::string_view file);
    bool CanBeOpened(const std::string& path);
    void ShowAbout();

    MainWindow& window_;
    Platform platform_;
    std::string executableFolder_;
};

} // namespace tessik
