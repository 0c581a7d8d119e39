#include "layouts/KeyPicker.h"
#include "shell/CloseCommand.h"
#include "shell/InternalError.h"
#include "shell_program.h"

#include <gtest/gtest.h>

namespace tessik::test {
namespace {

constexpr WindowHandle kRunningCopy = 0x500;     // its application window
constexpr WindowHandle kRunningCopyMain = 0x501; // its frmMain, owned by it

class StartUp : public Program {
protected:
    StartUp() {
        AddLayout("Default", kKa);
        AddLayout("Mnemonic", kKha);
    }

    // A first copy of the program: its main window directly above its
    // application window, minimized, and some other program in front.
    void RunFirstCopy() {
        application.previousInstanceRunning = true;
        desktop.windows.insert(
            desktop.windows.begin(),
            {{kOtherApplication, "Notepad", "Untitled - Notepad"},
             {kRunningCopyMain, "TessikMainWindow", "Tessik", true, kRunningCopy, false},
             {kRunningCopy, kApplicationWindowClass, "Tessik"}});
        desktop.foreground = kOtherApplication;
    }
};

TEST_F(StartUp, LeavesTheTaskListAndTheCloseCommandAndShowsTheStoredLayout) {
    StoreKeyLayout("Mnemonic");
    MainWindow& w = Start();

    EXPECT_FALSE(application.inTaskList);
    EXPECT_EQ(systemMenus.menus[kMainWindow],
              (std::vector<std::string>{"Restore", "Move", "Size", "Minimize", "Maximize"}));
    EXPECT_EQ(systemMenus.redraws, 1);
    EXPECT_EQ(w.ApplicationTitle, "Tessik");
    EXPECT_EQ(application.Title(), "Tessik");
    EXPECT_EQ(w.cmbLayouts.Text(), "Mnemonic");
    EXPECT_EQ(engine.CurrentLayoutName(), "Mnemonic");
    EXPECT_EQ(LoadedKa(), kKha);
    EXPECT_EQ(w.lstTessikLetters.Row(12).subItemText, "k ");
    EXPECT_EQ(tray.calls.size(), 1u); // only the add: the selection came before it
    EXPECT_TRUE(messages.shown.empty());
}

// The built-in phonetic layout has no file to find: its stored name is enough.
TEST_F(StartUp, AStoredPhoneticSelectsTheBuiltInLayout) {
    StoreKeyLayout("Phonetic");
    MainWindow& w = Start();
    EXPECT_EQ(w.cmbLayouts.Text(), "Phonetic");
    EXPECT_TRUE(engine.PhoneticIsCurrent());
    EXPECT_EQ(KeyColumn()[12], "kh");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(mouseHook.installed.empty()); // the system default types
    w.ToggleInputMode();
    EXPECT_EQ(mouseHook.installed.size(), 1u);
}

TEST_F(StartUp, AStoredFileThatIsNoLayoutIsSaidOnceAndTheIconStillComes) {
    files.files[LayoutPath("Mnemonic")] = "";
    StoreKeyLayout("Mnemonic");
    Start();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.starts_with(
        "The file 'Mnemonic' in the Layouts folder is not a layout file"));
    EXPECT_EQ(window->cmbLayouts.Text(), "Mnemonic");
    EXPECT_EQ(tray.calls.size(), 1u);
}

TEST_F(StartUp, AStoredLayoutThatIsGoneOrEmptyFallsBackToDefault) {
    for (const std::string stored : {"Removed since", ""}) {
        StoreKeyLayout(stored);
        Start();
        EXPECT_EQ(window->cmbLayouts.Text(), "Default") << stored;
        EXPECT_EQ(engine.CurrentLayoutName(), "Default");
        EXPECT_EQ(TypeK(), std::vector<uint16_t>{kKa});
        EXPECT_EQ(window->lstTessikLetters.Row(11).subItemText, "k ");
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(tray.icons.size(), 1u);
        window.reset();
        tray.Restart();
        hotKeySystem.hotKeys.clear();
    }
}

// The first layout saved becomes the current one: there was none to show.
TEST_F(StartUp, WithoutLayoutsStartUpGoesOnAndTheFirstSaveMakesTheFolderAndTheLayout) {
    for (const bool folderMissing : {true, false}) {
        SCOPED_TRACE(folderMissing ? "no Layouts folder" : "an empty Layouts folder");
        files.files.clear();
        if (folderMissing)
            files.missingFolders.insert(kLayouts);
        messages.shown.clear();
        tray.Restart();
        engine.SelectLayout({});
        MainWindow& w = Start();

        // The one report of the missing layout.
        EXPECT_EQ(w.cmbLayouts.Items(), std::vector<std::string>{"Phonetic"});
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, InternalErrorText(383));
        EXPECT_EQ(w.lstTessikLetters.RowCount(), 55);
        EXPECT_EQ(tray.icons.size(), 1u);
        EXPECT_EQ(hotKeySystem.hotKeys.size(), 1u);

        w.cmdNew.Click();
        for (int row = 0; row < w.lstTessikLetters.RowCount(); ++row)
            w.lstTessikLetters.SetRowText(row, std::string(kPickerLabels[row]));
        w.txtLayoutName.SetText("Mine");
        w.cmdSave.Click();
        EXPECT_EQ(messages.shown.size(), 1u) << messages.shown.back().text;
        EXPECT_TRUE(files.missingFolders.empty());
        EXPECT_EQ(files.files.count(LayoutPath("Mine")), 1u);
        EXPECT_EQ(w.cmbLayouts.Items(), (std::vector<std::string>{"Phonetic", "Mine"}));
        EXPECT_EQ(w.cmbLayouts.Text(), "Mine");
        EXPECT_EQ(engine.CurrentLayoutName(), "Mine");
        EXPECT_EQ(StoredKeyLayout(), "Mine");
        EXPECT_EQ(w.lstTessikLetters.Row(12).subItemText, kPickerLabels[12]);
        EXPECT_FALSE(w.cmdSave.Enabled());
        window.reset();
    }
}

TEST_F(StartUp, ASecondCopyHandsOverToTheFirstAndEnds) {
    RunFirstCopy();
    StoreKeyLayout("Mnemonic");
    const auto settingsBefore = StoredKeyLayout();

    MainWindow& w = Start();

    EXPECT_TRUE(application.ended);
    EXPECT_EQ(desktop.foreground, kRunningCopyMain);
    EXPECT_FALSE(desktop.Find(kRunningCopyMain)->minimized);
    EXPECT_TRUE(desktop.Find(kRunningCopyMain)->visible);
    // Nothing else of start-up ran, and nothing is stored.
    EXPECT_EQ(systemMenus.menus[kMainWindow], kStandardSystemMenu);
    EXPECT_EQ(w.cmbLayouts.ListCount(), 0);
    EXPECT_EQ(w.lstTessikLetters.RowCount(), 0);
    EXPECT_TRUE(tray.calls.empty());
    EXPECT_TRUE(hotKeySystem.hotKeys.empty());
    EXPECT_EQ(StoredKeyLayout(), settingsBefore);
    EXPECT_TRUE(messages.shown.empty());
    // The first copy is not otherwise touched.
    EXPECT_EQ(desktop.Find(kRunningCopy)->caption, "Tessik");
}

TEST_F(StartUp, AWindowAboveTheFirstCopyThatItDoesNotOwnIsLeftAlone) {
    RunFirstCopy();
    desktop.Find(kRunningCopyMain)->owner = 0;

    Start();

    EXPECT_TRUE(application.ended);
    EXPECT_EQ(desktop.foreground, kOtherApplication);
    EXPECT_FALSE(desktop.Find(kRunningCopyMain)->visible);
    EXPECT_TRUE(desktop.Find(kRunningCopyMain)->minimized);
}

TEST_F(StartUp, ACopyThatFindsNoFirstOneStartsFullyAsThePreviousInstance) {
    // Reported, but no window found: not even our own, which has the same
    // class and title until it is renamed.
    application.previousInstanceRunning = true;

    MainWindow& w = Start();

    EXPECT_FALSE(application.ended);
    EXPECT_EQ(w.ApplicationTitle, "Previous Instance");
    EXPECT_EQ(application.Title(), "Previous Instance");
    EXPECT_EQ(tray.icons.size(), 1u);
    EXPECT_EQ(hotKeySystem.hotKeys.size(), 1u);
    EXPECT_EQ(w.cmbLayouts.Text(), "Default");

    // Boxes without a title of their own carry the new one.
    w.cmdDelete.Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Previous Instance");
}

TEST(DisableClose, RemovesTheLastTwoItemsOfTheSystemMenu) {
    FakeSystemMenus menus;
    constexpr WindowHandle many = 1, one = 2, empty = 3, none = 4;
    menus.menus[many] = kStandardSystemMenu;
    menus.menus[one] = {"Close"};
    menus.menus[empty] = {};

    DisableClose(menus, many);
    EXPECT_EQ(menus.menus[many],
              (std::vector<std::string>{"Restore", "Move", "Size", "Minimize", "Maximize"}));
    EXPECT_EQ(menus.removals, (std::vector<int>{6, 5}));
    EXPECT_EQ(menus.redraws, 1);

    // One item: it goes, and the removal at -1 fails without effect.
    menus.removals.clear();
    DisableClose(menus, one);
    EXPECT_TRUE(menus.menus[one].empty());
    EXPECT_EQ(menus.removals, (std::vector<int>{0, -1}));
    EXPECT_EQ(menus.redraws, 2);

    // An empty menu, or no menu at all, is left alone.
    menus.removals.clear();
    DisableClose(menus, empty);
    DisableClose(menus, none);
    EXPECT_TRUE(menus.removals.empty());
    EXPECT_EQ(menus.redraws, 2);
}

} // namespace
} // namespace tessik::test
