#include "shell/TrayMenu.h"

#include "shell/MainWindow.h"

#include <algorithm>
#include <utility>

namespace tessik {
namespace {

constexpr const char* kShowCaption = "Show Tessik";
constexpr const char* kExitCaption = "Exit";

PopupEntry Command(std::string caption, std::function<void()> choose) {
    PopupEntry entry;
    entry.caption = std::move(caption);
    entry.choose = std::move(choose);
    return entry;
}

PopupEntry Separator() {
    PopupEntry entry;
    entry.kind = PopupEntry::Kind::Separator;
    return entry;
}

// Chosen by name, in the list as it is once the menu has closed: the hot
// key may have closed the list meanwhile. It is a pick in the list, so the
// current layout chosen again changes nothing there either.
void ChooseLayout(ComboBox& list, const std::string& name) {
    const auto& items = list.Items();
    const auto found = std::find(items.begin(), items.end(), name);
    if (found == items.end() || !list.Enabled())
        return;
    list.UserSelectedElsewhere(static_cast<int>(found - items.begin()));
}

} // namespace

std::vector<PopupEntry> TrayMenu(MainWindow& window) {
    std::vector<PopupEntry> menu;
    menu.push_back(Command(kShowCaption, [&window] { window.frmMain.Show(); }));
    menu.back().isDefault = true;
    menu.push_back(Separator());

    ComboBox& list = window.cmbLayouts;
    for (const std::string& name : list.Items()) {
        menu.push_back(Command(name, [&list, name] { ChooseLayout(list, name); }));
        menu.back().checked = name == list.Text();
        menu.back().enabled = list.Enabled();
    }
    if (list.ListCount() > 0)
        menu.push_back(Separator());

    PopupEntry help;
    help.kind = PopupEntry::Kind::Submenu;
    help.caption = window.mnuHiddenPopup.Caption();
    for (MenuItem* item : window.HelpItems())
        help.entries.push_back(Command(item->Caption(), [item] { item->Click(); }));
    menu.push_back(std::move(help));
    menu.push_back(Command(kExitCaption, [&window] { window.cmdExit.Click(); }));
    return menu;
}

} // namespace tessik
