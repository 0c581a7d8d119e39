#include "shell/InternalError.h"
#include "shell/MainWindowDesign.h"
#include "shell/TrayIcon.h"
#include "shell_program.h"

#include <gtest/gtest.h>

namespace tessik::test {
namespace {

TEST_F(Program, EveryControlStartsAsDesigned) {
    AddLayout("Default", kKa);
    MainWindow& w = Start();
    const std::pair<const design::Control*, const Control*> controls[] = {
        {&design::lstTessikLetters, &w.lstTessikLetters},
        {&design::cmbLetters, &w.cmbLetters},
        {&design::cmdSave, &w.cmdSave},
        {&design::cmbLayouts, &w.cmbLayouts},
        {&design::txtLayoutName, &w.txtLayoutName},
        {&design::pctHotkey, &w.pctHotkey},
        {&design::cmdNew, &w.cmdNew},
        {&design::cmdHide, &w.cmdHide},
        {&design::cmdDelete, &w.cmdDelete},
        {&design::cmdModify, &w.cmdModify},
        {&design::cmdCancel, &w.cmdCancel},
        {&design::cmdAbout, &w.cmdAbout},
        {&design::lblLayouts, &w.lblLayouts},
        {&design::lblLName, &w.lblLName},
        {&design::cmdExit, &w.cmdExit},
        {&design::cmdHelp, &w.cmdHelp},
        {&design::imgTessik, &w.imgTessik},
        {&design::imgEnglish, &w.imgEnglish}};
    ASSERT_EQ(std::size(controls), design::kControls.size());
    for (const auto& [designed, control] : controls) {
        EXPECT_EQ(control->Name(), designed->name);
        EXPECT_EQ(control->Bounds(), designed->bounds) << designed->name;
        EXPECT_EQ(control->Visible(), designed->visible) << designed->name;
        EXPECT_EQ(control->Enabled(), designed->enabled) << designed->name;
    }
    EXPECT_EQ(w.cmdNew.Caption(), "&New Layout");
    EXPECT_EQ(w.lblLayouts.Caption(), "Available Layouts :");
    EXPECT_EQ(w.cmbLetters.ListCount(), 57);
    EXPECT_EQ(w.cmbLetters.Items()[1], "a ");
    EXPECT_EQ(w.lstTessikLetters.Columns().size(), 2u);
    EXPECT_EQ(w.frmMain.Caption(), "Tessik");
    EXPECT_FALSE(w.mnuHiddenPopup.Visible());
    EXPECT_EQ(w.mnuRules.Caption(), "Writing Rules");
}

TEST_F(Program, FirstStartSelectsDefaultAndWaitsHiddenInTheTray) {
    AddLayout("Default", kKa);
    AddLayout("Mnemonic", kKha);
    files.extraEntries[std::string(kLayouts) + "/Old"] = {"Old", true};
    files.extraEntries[std::string(kLayouts) + "/desktop.ini"] = {"desktop.ini", false, true, true};
    files.extraEntries[std::string(kLayouts) + "/.."] = {"..", true};

    MainWindow& w = Start();

    EXPECT_EQ(w.cmbLayouts.Items(), (std::vector<std::string>{"Default", "Mnemonic", "Phonetic"}));
    EXPECT_EQ(w.cmbLayouts.Text(), "Default");
    EXPECT_EQ(engine.CurrentLayoutName(), "Default");
    EXPECT_EQ(LoadedKa(), kKa);
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_FALSE(w.frmMain.Visible());
    EXPECT_FALSE(w.NativeMode());
    EXPECT_FALSE(w.cmbLayouts.Enabled());
    EXPECT_FALSE(w.cmdSave.Enabled());
    EXPECT_FALSE(w.cmdCancel.Enabled());
    EXPECT_TRUE(systemHook.installed.empty()); // nothing is translated yet

    ASSERT_EQ(tray.calls.size(), 1u);
    EXPECT_EQ(tray.calls[0].message, TrayMessage::Add);
    const TrayIconRecord& icon = ShownIcon();
    EXPECT_EQ(icon.cbSize, 88u);
    EXPECT_EQ(icon.hWnd, kMainWindow);
    EXPECT_EQ(icon.uID, 1u);
    EXPECT_EQ(icon.uFlags, 7u);
    EXPECT_EQ(icon.uCallbackMessage, kTrayCallbackMessage);
    EXPECT_EQ(icon.hIcon, kEnglishIcon);
    EXPECT_EQ(TipOf(icon), Padded("Current keyboard is 'System Default'"));

    EXPECT_EQ(hotKeySystem.hotKeys.at({3u, 0x20u}).window, kMainWindow);
    EXPECT_EQ(hotKeySystem.procedures[kMainWindow], FakeHotKeySystem::kHotKeyProcedure);
    // An elevated copy still hears the shell.
    EXPECT_EQ(tray.acceptedShellMessages, (std::vector<std::pair<WindowHandle, uint32_t>>{
                                              {kMainWindow, kTrayCallbackMessage}}));
}

TEST_F(Program, AHotKeyHeldByAnotherProgramIsToldOnceAndTheTrayStillSwitches) {
    AddLayout("Default", kKa);
    hotKeySystem.hotKeys[{3u, 0x20u}] = {kOtherApplication, 1};
    // The box comes when the icon that it points to is there.
    messages.whileOpen = [&] { EXPECT_EQ(tray.icons.size(), 1u); };

    MainWindow& w = Start();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].style, 64u);
    EXPECT_EQ(messages.shown[0].title, "Tessik");
    EXPECT_NE(messages.shown[0].text.find("Ctrl+Alt+Space"), std::string::npos);
    EXPECT_FALSE(w.frmMain.Visible());
    w.TrayCallback(wm::LButtonUp);
    EXPECT_TRUE(w.NativeMode());
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(Program, WithoutAnyLayoutTheErrorIsReportedOnceAndTheProgramStaysReachable) {
    files.extraEntries[std::string(kLayouts) + "/Default"] = {"Default", true}; // a folder
    StoreKeyLayout("Mnemonic");

    MainWindow& w = Start();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, InternalErrorText(383));
    EXPECT_EQ(tray.icons.size(), 1u);
    EXPECT_EQ(hotKeySystem.hotKeys.size(), 1u);
    EXPECT_FALSE(w.frmMain.Visible());

    // The mode can still be switched, and the program ended.
    PressHotKey();
    EXPECT_TRUE(w.NativeMode());
    messages.answers.push_back(box::Yes);
    w.cmdExit.Click();
    EXPECT_TRUE(tray.icons.empty());
    EXPECT_TRUE(systemHook.installed.empty());
}

TEST_F(Program, AMissingLayoutFileIsReportedWithFileNotFound) {
    AddLayout("Default", kKa);
    files.failOpenForReading = ErrorNumber::FileNotFound;
    Start();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "An internal error has occurred; please send the description when the error "
              "occurred and the error number.\r\rThe error number is : 53.");
    EXPECT_EQ(messages.shown[0].style, 16u);
    EXPECT_EQ(messages.shown[0].title, "Error");
    EXPECT_EQ(tray.icons.size(), 1u);
}

TEST_F(Program, TogglingSwitchesHookTrayAndLayoutList) {
    AddLayout("Default", kKa);
    MainWindow& w = Start();
    w.cmbLetters.SetVisible(true);

    w.ToggleInputMode();
    EXPECT_TRUE(w.NativeMode());
    EXPECT_EQ(systemHook.installed.size(), 1u);
    EXPECT_EQ(systemHook.foreground, kOtherApplication); // handed back
    EXPECT_TRUE(w.cmbLayouts.Enabled());
    EXPECT_FALSE(w.cmbLetters.Visible());
    EXPECT_EQ(tray.calls.back().message, TrayMessage::Modify);
    EXPECT_EQ(ShownIcon().hIcon, kTessikIcon);
    EXPECT_EQ(TipOf(ShownIcon()),
              Padded("Current keyboard is 'Tessik'\r\nCurrent layuot is 'Default'"));

    w.ToggleInputMode();
    EXPECT_FALSE(w.NativeMode());
    EXPECT_TRUE(systemHook.installed.empty());
    EXPECT_FALSE(w.cmbLayouts.Enabled());
    EXPECT_EQ(ShownIcon().hIcon, kEnglishIcon);
    EXPECT_EQ(TipOf(ShownIcon()), Padded("Current keyboard is 'System Default'"));

    w.ToggleInputMode();
    EXPECT_EQ(systemHook.installCount, 2);      // a new hook each time...
    EXPECT_EQ(systemHook.installed.size(), 1u); // ...and only ever one
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Program, ARefusedHookIsToldAndTheModeStaysSystemDefault) {
    AddLayout("Default", kKa);
    MainWindow& w = Start();
    systemHook.refuse = true;
    // Holding Ctrl+Alt+Space repeats the toggle while the box is open.
    messages.whileOpen = [&] { PressHotKey(); };

    w.TrayCallback(wm::LButtonUp);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].style, 16u);
    EXPECT_EQ(messages.shown[0].title, "Tessik");
    EXPECT_FALSE(w.NativeMode());
    EXPECT_FALSE(w.cmbLayouts.Enabled());
    EXPECT_EQ(ShownIcon().hIcon, kEnglishIcon);

    messages.whileOpen = nullptr;
    systemHook.refuse = false;
    w.TrayCallback(wm::LButtonUp);
    EXPECT_TRUE(w.NativeMode());
    EXPECT_EQ(ShownIcon().hIcon, kTessikIcon);
}

TEST_F(Program, TrayReleaseTogglesDoubleClickShowsTheWindowRightClickOpensTheMenu) {
    AddLayout("Default", kKa);
    MainWindow& w = Start();

    w.TrayCallback(0x201); // button down
    EXPECT_FALSE(w.NativeMode());
    w.TrayCallback(wm::LButtonUp);
    EXPECT_TRUE(w.NativeMode());

    // A double-click: release, double-click, release.
    w.TrayCallback(wm::LButtonUp);
    w.TrayCallback(wm::LButtonDblClk);
    w.TrayCallback(wm::LButtonUp);
    EXPECT_TRUE(w.NativeMode());
    EXPECT_TRUE(w.frmMain.Visible());
    EXPECT_EQ(systemHook.installCount, 2);

    // The right button neither switches nor shows: its release opens the
    // menu, closed here without a choice.
    const auto trayCalls = tray.calls.size();
    w.cmdHide.Click();
    w.TrayCallback(0x204);
    w.TrayCallback(wm::RButtonUp);
    w.TrayCallback(wm::MouseMove);
    EXPECT_TRUE(w.NativeMode());
    EXPECT_FALSE(w.frmMain.Visible());
    EXPECT_EQ(tray.calls.size(), trayCalls);
    EXPECT_EQ(menus.tracked.size(), 1u);
    w.frmMain.Show();

    w.cmdHide.Click();
    EXPECT_FALSE(w.frmMain.Visible());
    EXPECT_TRUE(w.NativeMode()); // typing goes on translated
}

TEST_F(Program, HotKeyTogglesThroughTheForwardedMouseMove) {
    AddLayout("Default", kKa);
    MainWindow& w = Start();

    hotKey.HotKeyWindowProc(kMainWindow, wm::HotKey, HotKey::kId, 0x00200003);
    EXPECT_FALSE(w.NativeMode()); // not inside the window procedure
    DispatchPosted();
    EXPECT_TRUE(w.NativeMode());

    PressHotKey();
    EXPECT_FALSE(w.NativeMode());

    // A move elsewhere on the picture box does nothing.
    w.pctHotkey.MouseMove(0, 0, 30, 0);
    EXPECT_FALSE(w.NativeMode());
    w.pctHotkey.MouseMove(0, 0, 7, 0); // rounds to pixel 0
    EXPECT_TRUE(w.NativeMode());
}

TEST_F(Program, ErrorsInsideAHandlerAreReportedAndTheHandlerReturns) {
    AddLayout("Default", kKa);
    MainWindow& w = Start();
    w.cmdHide.onClick = [&] {
        RunHandler(messages, [] { throw RuntimeError(ErrorNumber::PermissionDenied, "x"); });
    };
    w.cmdHide.Click();
    RunHandler(messages, [] { throw std::logic_error("x"); });
    RunHandler(messages, [] { throw std::bad_alloc(); });
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, InternalErrorText(70));
    EXPECT_EQ(messages.shown[1].text, InternalErrorText(51));
    EXPECT_EQ(messages.shown[2].text, InternalErrorText(7));
}

TEST_F(Program, ARestartedNotificationAreaGetsTheIconBackInItsState) {
    AddLayout("Default", kKa);
    MainWindow& w = Start();
    w.ToggleInputMode();

    tray.Restart();
    w.TaskbarCreated();

    EXPECT_EQ(tray.calls.back().message, TrayMessage::Add);
    EXPECT_EQ(ShownIcon().hIcon, kTessikIcon);
    EXPECT_EQ(TipOf(ShownIcon()),
              Padded("Current keyboard is 'Tessik'\r\nCurrent layuot is 'Default'"));

    // Once Exit has removed it, it stays away.
    messages.answers.push_back(box::Yes);
    w.cmdExit.Click();
    tray.Restart();
    w.TaskbarCreated();
    EXPECT_TRUE(tray.icons.empty());
}

TEST_F(Program, NativeTipHoldsA13CharacterNameAndCutsLongerOnes) {
    AddLayout("Default", kKa);
    AddLayout("Thirteen char", kKha);
    AddLayout("Fourteen chars", kKha);
    AddLayout("Sixteen chars!!!", kKha);
    StoreKeyLayout("Thirteen char");
    MainWindow& w = Start();

    w.ToggleInputMode();
    const std::string exact = "Current keyboard is 'Tessik'\r\nCurrent layuot is 'Thirteen char'";
    ASSERT_EQ(exact.size() + 1, 64u);
    EXPECT_EQ(TipOf(ShownIcon()), exact + '\0');

    // One character more cuts the NUL, and then the closing quote.
    w.cmbLayouts.SetText("Fourteen chars");
    w.UpdateTrayIcon(kTessikIcon);
    EXPECT_EQ(TipOf(ShownIcon()),
              "Current keyboard is 'Tessik'\r\nCurrent layuot is 'Fourteen chars'");
    w.cmbLayouts.SetText("Sixteen chars!!!");
    w.UpdateTrayIcon(kTessikIcon);
    EXPECT_EQ(TipOf(ShownIcon()),
              "Current keyboard is 'Tessik'\r\nCurrent layuot is 'Sixteen chars!!");
}

TEST_F(Program, ExitAsksThenTakesEverythingDownAndStoresTheLayout) {
    AddLayout("Default", kKa);
    AddLayout("Mnemonic", kKha);
    StoreKeyLayout("Mnemonic");
    MainWindow& w = Start();
    w.ToggleInputMode();

    messages.answers.push_back(box::No);
    w.cmdExit.Click();
    EXPECT_EQ(messages.shown.back().text, "Do you really want to close 'Tessik'?\rYou have to "
                                          "start 'Tessik' again to write tessik letters.");
    EXPECT_EQ(messages.shown.back().style, 36u);
    EXPECT_EQ(messages.shown.back().title, "Tessik");
    EXPECT_TRUE(w.frmMain.Loaded());
    EXPECT_EQ(systemHook.installed.size(), 1u);
    EXPECT_EQ(tray.icons.size(), 1u);

    registry.PutString(reg::CurrentUser, kSettingsKey, "KeyLayout", "overwritten on exit");
    messages.answers.push_back(box::Yes);
    w.cmdExit.Click();
    EXPECT_TRUE(systemHook.installed.empty());
    EXPECT_TRUE(hotKeySystem.hotKeys.empty());
    EXPECT_EQ(hotKeySystem.procedures[kMainWindow], kOriginalProcedure);
    EXPECT_TRUE(tray.icons.empty());
    EXPECT_EQ(tray.calls.back().message, TrayMessage::Delete);
    EXPECT_FALSE(w.frmMain.Loaded());
    const auto stored = registry.Find(reg::CurrentUser, kSettingsKey, "KeyLayout");
    ASSERT_TRUE(stored);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stored->data.data())), "Mnemonic");
}

TEST_F(Program, ExitInSystemDefaultModeDoesNotUnhook) {
    AddLayout("Default", kKa);
    MainWindow& w = Start();
    w.ToggleInputMode();
    w.ToggleInputMode();
    const int unhooks = systemHook.unhookCount;
    messages.answers.push_back(box::Yes);
    w.cmdExit.Click();
    EXPECT_EQ(systemHook.unhookCount, unhooks);
    EXPECT_FALSE(w.frmMain.Loaded());
}

TEST(InternalErrorReport, ShowsTheNumberWithItsSign) {
    EXPECT_EQ(InternalErrorText(-2147217900),
              "An internal error has occurred; please send the description when the error "
              "occurred and the error number.\r\rThe error number is : -2147217900.");
    EXPECT_EQ(InternalErrorText(0).substr(InternalErrorText(0).size() - 4), ": 0.");
}

} // namespace
} // namespace tessik::test
