#include "shell/InternalError.h"
#include "shell_program.h"

#include <gtest/gtest.h>

namespace tessik::test {
namespace {

// The menu as a person reads it: "-" a separator, "> " before a submenu's
// entries, and the marks [default], [checked] and [disabled].
std::vector<std::string> Read(const std::vector<PopupEntry>& menu, const std::string& indent = "") {
    std::vector<std::string> lines;
    for (const PopupEntry& entry : menu) {
        lines.push_back(indent + (entry.kind == PopupEntry::Kind::Separator ? "-" : entry.caption) +
                        (entry.isDefault ? " [default]" : "") +
                        (entry.checked ? " [checked]" : "") + (entry.enabled ? "" : " [disabled]"));
        for (const std::string& line : Read(entry.entries, indent + "> "))
            lines.push_back(line);
    }
    return lines;
}

class TrayMenu : public Program {
protected:
    // A right click on the icon, choosing the command named by its captions.
    std::vector<std::string> RightClick(std::vector<std::string> choice = {}) {
        menus.choice = std::move(choice);
        window->TrayCallback(wm::RButtonUp);
        return Read(menus.tracked.back());
    }
};

TEST_F(TrayMenu, ListsTheLayoutsAndChoosesOneAsTheListDoes) {
    AddLayout("Default", kKa);
    AddLayout("Kha", kKha);
    MainWindow& w = Start();

    // In the system default the layouts cannot be chosen, as in the list.
    EXPECT_EQ(RightClick({"Kha"}),
              (std::vector<std::string>{"Show Tessik [default]", "-",
                                        "Default [checked] [disabled]", "Kha [disabled]",
                                        "Phonetic [disabled]", "-", "Help", "> Configuring the system", "> Beginning",
                                        "> Using the software", "> Writing Rules", "Exit"}));
    EXPECT_EQ(engine.CurrentLayoutName(), "Default");

    w.ToggleInputMode();
    EXPECT_EQ(RightClick({"Kha"})[3], "Kha");
    // The selection steps ran: the list, typing, the tip and the letter table.
    EXPECT_EQ(w.cmbLayouts.Text(), "Kha");
    EXPECT_EQ(TypeK(), (std::vector<uint16_t>{static_cast<uint16_t>(kKha)}));
    EXPECT_EQ(TipOf(ShownIcon()),
              Padded("Current keyboard is 'Tessik'\r\nCurrent layuot is 'Kha'"));
    EXPECT_EQ(KeyColumn()[12], "k ");

    // Built anew on every opening: the mark follows the choice, a layout
    // saved since is there, and the current one chosen again reloads
    // nothing over what is shown.
    AddLayout("Kha", kKa);
    w.cmbLayouts.AddItem("Saved since");
    const auto menu = RightClick({"Kha"});
    EXPECT_EQ(std::vector<std::string>(menu.begin() + 2, menu.begin() + 7),
              (std::vector<std::string>{"Default", "Kha [checked]", "Phonetic", "Saved since",
                                        "-"}));
    EXPECT_EQ(LoadedKa(), kKha);

    // The hot key closes the list while the menu is open: nothing is chosen.
    menus.whileOpen = [&] { PressHotKey(); };
    RightClick({"Default"});
    menus.whileOpen = nullptr;
    EXPECT_EQ(w.cmbLayouts.Text(), "Kha");
    PressHotKey();

    // While a new layout is made, the list is closed, and so are they.
    w.cmdNew.Click();
    EXPECT_EQ(RightClick()[3], "Kha [checked] [disabled]");

    // A layout whose file has gone is reported as a choice in the list is.
    w.cmdCancel.Click();
    files.files.erase(LayoutPath("Kha"));
    w.cmbLayouts.SetText("Default");
    RightClick({"Kha"});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, InternalErrorText(53));
}

TEST_F(TrayMenu, ShowsTheWindowAndExitsAsTheButtonDoesFromTheHiddenWindow) {
    files.extraEntries[std::string(kLayouts) + "/Default"] = {"Default", true}; // no layout
    MainWindow& w = Start();
    messages.shown.clear();
    w.ToggleInputMode();

    messages.answers.push_back(box::No);
    EXPECT_EQ(RightClick({"Exit"}),
              (std::vector<std::string>{"Show Tessik [default]", "-", "Phonetic", "-", "Help",
                                        "> Configuring the system", "> Beginning",
                                        "> Using the software", "> Writing Rules", "Exit"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Do you really want to close 'Tessik'?\rYou have to "
                                      "start 'Tessik' again to write tessik letters.");
    EXPECT_TRUE(w.frmMain.Loaded());
    EXPECT_FALSE(w.frmMain.Visible());

    RightClick({"Show Tessik"});
    EXPECT_TRUE(w.frmMain.Visible());
    EXPECT_TRUE(w.NativeMode());
    w.cmdHide.Click();

    messages.answers.push_back(box::Yes);
    RightClick({"Exit"});
    EXPECT_FALSE(w.frmMain.Loaded());
    EXPECT_TRUE(tray.icons.empty());
    EXPECT_TRUE(systemHook.installed.empty());
}

} // namespace
} // namespace tessik::test
