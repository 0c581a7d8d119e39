#include "shell/HelpAndAbout.h"

#include "platform/RuntimeError.h"
#include "shell/InternalError.h"
#include "shell/MainWindow.h"

#include <utility>

namespace tessik {
namespace {

// The About box names the project, not a person. The project has no web
// site, mail box or telephone of its own yet; the two addresses lie in a
// domain reserved for examples, so that they can never reach a stranger.
constexpr const char* kCreatedBy = "The Tessik developers";
constexpr const char* kWeb = "https://tessik.example.org";
constexpr const char* kEmail = "tessik@example.org";
constexpr const char* kPhone = "none";

} // namespace

std::string HelpFilePath(std::string_view executableFolder, std::string_view file) {
    return JoinPath(JoinPath(executableFolder, "Help"), file);
}

std::string AboutText() {
    return std::string("Created by : ") + kCreatedBy + "\rWeb : " + kWeb + "\rE-Mail : " + kEmail +
           "\rPhone : " + kPhone;
}

std::string HelpFileMissingText(const std::string& path) {
    return "The help file\r" + path +
           "\rcould not be opened.\r\rThe folder 'Help' beside 'Tessik' should hold it. "
           "Unpacking the Tessik zip file again brings it back.";
}

std::string HelpViewerMissingText(const std::string& path) {
    return "The help file\r" + path +
           "\rcould not be shown, because the HTML Help viewer of Windows (hhctrl.ocx) could not "
           "be loaded.";
}

HelpAndAbout::HelpAndAbout(MainWindow& window, Platform platform, std::string executableFolder)
    : window_(window), platform_(platform), executableFolder_(std::move(executableFolder)) {
    // Nothing escapes a handler to the window procedure that raised it; the
    // menu items and "?" report a failure as the other handlers do.
    const auto handler = [this](auto body) {
        return [this, body] { RunHandler(platform_.messages, body); };
    };
    window_.cmdHelp.onClick = handler([this] { DropDownHelpMenu(); });
    window_.cmdAbout.onClick = handler([this] { ShowAbout(); });
    const auto items = window_.HelpItems();
    static_assert(items.size() == kHelpFiles.size());
    for (std::size_t i = 0; i < kHelpFiles.size(); ++i)
        items[i]->onClick = handler([this, file = kHelpFiles[i]] { ShowHelpFile(file); });
}

// Directly under the button, left-aligned with it; the form's coordinates
// follow the window wherever it has been moved.
void HelpAndAbout::DropDownHelpMenu() {
    const TwipRect& button = window_.cmdHelp.Bounds();
    platform_.menus.PopupMenu(window_.mnuHiddenPopup, button.left, button.top + button.height);
}

// A file that is not there, or a viewer that cannot be loaded, would fail in
// silence; both are told here, before the viewer is asked. What the viewer
// shows, or fails to show, once it has the file is its own business.
void HelpAndAbout::ShowHelpFile(std::string_view file) {
    const std::string path = HelpFilePath(executableFolder_, file);
    if (!CanBeOpened(path)) {
        platform_.messages.Show(HelpFileMissingText(path), box::StopOk, window_.ApplicationTitle);
        return;
    }
    if (!platform_.viewer.LoadHelpLibrary()) {
        platform_.messages.Show(HelpViewerMissingText(path), box::StopOk, window_.ApplicationTitle);
        return;
    }
    platform_.viewer.HtmlHelpA(window_.frmMain.Handle(), path, help::DisplayTopic, 0);
}

bool HelpAndAbout::CanBeOpened(const std::string& path) {
    try {
        platform_.files.OpenForReading(path);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

void HelpAndAbout::ShowAbout() {
    platform_.messages.Show(AboutText(), box::InformationOk, window_.ApplicationTitle);
}

} // namespace tessik
