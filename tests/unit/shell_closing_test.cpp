#include "shell_program.h"

#include <gtest/gtest.h>

namespace tessik::test {
namespace {

class Closing : public Program {
protected:
    Closing() {
        AddLayout("Default", kKa);
        AddLayout("Mnemonic", kKha);
        StoreKeyLayout("Mnemonic");
        Start();
        window->ToggleInputMode();
        StoreKeyLayout("stale");
    }
};

TEST_F(Closing, ExitTakesEverythingDownInItsOrderAndTheUnloadStoresAgain) {
    // What had been taken down when the icon was removed, and when the
    // form was unloaded.
    bool hookGone = false, hotKeyGone = false, layoutStored = false, stillLoaded = false;
    tray.beforeNotify = [&](TrayMessage message) {
        if (message != TrayMessage::Delete)
            return;
        hookGone = systemHook.installed.empty() && !hooks.Watchdog().IsWatching() &&
                   keyboardInput.listener == nullptr;
        hotKeyGone = hotKeySystem.hotKeys.empty();
        layoutStored = StoredKeyLayout() == "Mnemonic";
        stillLoaded = window->frmMain.Loaded();
    };
    bool iconGoneAtUnload = false;
    auto unload = window->frmMain.onUnload;
    window->frmMain.onUnload = [&] {
        iconGoneAtUnload = tray.icons.empty();
        StoreKeyLayout("stale again");
        unload();
    };
    messages.answers.push_back(box::Yes);

    window->cmdExit.Click();

    EXPECT_TRUE(hookGone);
    EXPECT_TRUE(hotKeyGone);
    EXPECT_TRUE(layoutStored);
    EXPECT_TRUE(stillLoaded);
    EXPECT_TRUE(iconGoneAtUnload);
    EXPECT_EQ(StoredKeyLayout(), "Mnemonic"); // written a second time
    EXPECT_FALSE(window->frmMain.Loaded());
}

TEST_F(Closing, TheEndOfTheSessionStoresTheSelectedLayoutAndLeavesTheRest) {
    window->SessionEnding();
    EXPECT_EQ(StoredKeyLayout(), "Mnemonic");
    EXPECT_EQ(systemHook.installed.size(), 1u);
    EXPECT_EQ(hotKeySystem.hotKeys.size(), 1u);
    EXPECT_EQ(tray.icons.size(), 1u);
    EXPECT_TRUE(window->frmMain.Loaded());
    EXPECT_TRUE(messages.shown.empty());

    // The system then unloads the form, which stores it once more; the
    // rest goes with the process.
    StoreKeyLayout("stale");
    window->frmMain.Unload();
    EXPECT_EQ(StoredKeyLayout(), "Mnemonic");
    EXPECT_EQ(systemHook.installed.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Closing, WhenTheSessionHasEndedTheHookAndItsWatchdogStopBeforeTheFormIsUnloaded) {
    ASSERT_TRUE(hooks.Watchdog().IsWatching());
    bool hookGoneAtUnload = false;
    auto unload = window->frmMain.onUnload;
    window->frmMain.onUnload = [&] {
        hookGoneAtUnload = systemHook.installed.empty() && !hooks.Watchdog().IsWatching() &&
                           keyboardInput.listener == nullptr;
        unload();
    };
    window->SessionEnded();
    EXPECT_TRUE(hookGoneAtUnload);
    EXPECT_FALSE(window->frmMain.Loaded());
    EXPECT_EQ(StoredKeyLayout(), "Mnemonic");
    EXPECT_EQ(tray.icons.size(), 1u);
}

} // namespace
} // namespace tessik::test
