#include "shell/InternalError.h"
#include "shell_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace tessik::test {
namespace {

constexpr int kRowKa = 11;
const std::string kNativeTipPrefix = "Current keyboard is 'Tessik'\r\nCurrent layuot is '";

// The layouts Default (k types KA) and Mnemonic (k types KHA), with Default
// current after start-up.
class LayoutList : public Program {
protected:
    LayoutList() {
        AddLayout("Default", kKa);
        AddLayout("Mnemonic", {{kKha, "k "}, {kKa, "Shift + K"}});
        Start();
    }

    void Choose(const std::string& name) {
        const auto& items = window->cmbLayouts.Items();
        window->cmbLayouts.UserSelected(
            static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin()));
    }

    void ClickDelete(std::optional<int> answer = std::nullopt) {
        if (answer)
            messages.answers.push_back(*answer);
        window->cmdDelete.Click();
    }
};

TEST_F(LayoutList, ChoosingALayoutMakesItCurrentForTypingTheTrayAndTheTable) {
    window->ToggleInputMode();
    Choose("Mnemonic");

    EXPECT_EQ(engine.CurrentLayoutName(), "Mnemonic");
    EXPECT_EQ(TypeK(), std::vector<uint16_t>{kKha});
    EXPECT_EQ(ShownIcon().hIcon, kTessikIcon);
    EXPECT_EQ(TipOf(ShownIcon()), Padded(kNativeTipPrefix + "Mnemonic'"));
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa).subItemText, "Shift + K");
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa + 1).subItemText, "k ");
    EXPECT_TRUE(window->NativeMode()); // the mode is not changed
    EXPECT_TRUE(messages.shown.empty());
}

// The phonetic layout is built in: listed where a file of its name would be,
// typing its scheme, with its mouse hook only while it types, and neither
// deleted nor modified. A file of its name is never read nor touched.
TEST_F(LayoutList, ThePhoneticLayoutIsBuiltInAndAFileOfItsNameIsLeftAlone) {
    AddLayout("Phonetic", kKha);
    AddLayout("Zeta", kKha);
    window.reset();
    Start();
    const auto filesBefore = files.files;
    EXPECT_EQ(window->cmbLayouts.Items(),
              (std::vector<std::string>{"Default", "Mnemonic", "Phonetic", "Zeta"}));

    window->ToggleInputMode();
    Choose("Phonetic");
    EXPECT_TRUE(engine.PhoneticIsCurrent());
    EXPECT_EQ(TipOf(ShownIcon()), Padded(kNativeTipPrefix + "Phonetic'"));
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa).subItemText, "k");
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa + 1).subItemText, "kh");
    EXPECT_EQ(TypeK(), std::vector<uint16_t>{kKa});
    EXPECT_EQ(TypeKey('H'), (std::vector<uint16_t>{0x08, kKha}));
    // A click may move the caret: the next key starts a new word.
    EXPECT_EQ(mouseHook.installed.size(), 1u);
    mouseHook.PressButton();
    EXPECT_EQ(TypeKey('H'), std::vector<uint16_t>{0x09B9});

    window->ToggleInputMode();
    EXPECT_TRUE(mouseHook.installed.empty());
    window->ToggleInputMode();
    EXPECT_EQ(mouseHook.installed.size(), 1u);

    ClickDelete(box::Yes);
    window->cmdModify.Click();
    ASSERT_EQ(messages.shown.size(), 2u); // no question asked
    EXPECT_EQ(messages.shown[0].text, "You cannot delete the 'Phonetic' layout.");
    EXPECT_EQ(messages.shown[1].text, "You cannot modify the 'Phonetic' layout.");
    Choose("Zeta");
    EXPECT_TRUE(mouseHook.installed.empty());
    EXPECT_EQ(TypeK(), std::vector<uint16_t>{kKha});
    EXPECT_EQ(files.files, filesBefore);
}

TEST_F(LayoutList, ALayoutWhoseFileHasGoneIsNamedButNeitherLoadedNorShown) {
    window->ToggleInputMode();
    const auto table = KeyColumn();
    files.files.erase(LayoutPath("Mnemonic"));

    Choose("Mnemonic");

    ASSERT_EQ(messages.shown.size(), 1u); // not a second report from showing it
    EXPECT_EQ(messages.shown[0].text, InternalErrorText(53));
    EXPECT_EQ(engine.CurrentLayoutName(), "Mnemonic");
    EXPECT_EQ(TipOf(ShownIcon()), Padded(kNativeTipPrefix + "Mnemonic'"));
    EXPECT_EQ(KeyColumn(), table);
    // The map was emptied before the file was opened: keys go on unchanged.
    EXPECT_TRUE(TypeK().empty());
}

TEST_F(LayoutList, AFileThatIsNoLayoutIsSaidOnceForEachChoiceAndNeitherShowsNorTypesAKey) {
    window->ToggleInputMode();
    files.files[LayoutPath("Mnemonic")] = "# Tessik keyboard layout.\n\"k \"  U+0995  ক\n";

    Choose("Mnemonic");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "The file 'Mnemonic' in the Layouts folder is not a layout file: while it is chosen, "
              "the keys type as in 'System Default'.\rA layout in its text form is made into a "
              "layout file with tessik-cli layout import.");
    EXPECT_EQ(messages.shown[0].style, 64u);
    EXPECT_EQ(messages.shown[0].title, "Tessik");
    EXPECT_EQ(KeyColumn(), std::vector<std::string>(kRowCount, ""));
    EXPECT_EQ(engine.KeyboardHookProc(0, msg::KeyDown, KeyEvent{'K'}), FakeHookChain::kPassedOn);
    // Chosen again while current, shown again (as Cancel does) or typed
    // with, it is not said again.
    Choose("Mnemonic");
    window->ShowLayout();
    TypeK();
    EXPECT_EQ(messages.shown.size(), 1u);

    Choose("Default");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(TypeK(), std::vector<uint16_t>{kKa});
    Choose("Mnemonic");
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(LayoutList, TheDefaultLayoutCannotBeDeleted) {
    ClickDelete();
    ASSERT_EQ(messages.shown.size(), 1u); // no question asked
    EXPECT_EQ(messages.shown[0].text, "You cannot delete the 'Default' layout.");
    EXPECT_EQ(messages.shown[0].style, 64u);
    EXPECT_EQ(messages.shown[0].title, "Tessik");
    EXPECT_TRUE(files.files.count(LayoutPath("Default")));
    EXPECT_EQ(window->cmbLayouts.ListCount(), 3);
}

TEST_F(LayoutList, DeletingAsksFirstAndNoChangesNothing) {
    window->ToggleInputMode();
    Choose("Mnemonic");
    const auto trayCalls = tray.calls.size();

    ClickDelete(box::No);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Do you really want to delete this layout?");
    EXPECT_EQ(messages.shown[0].style, 36u);
    EXPECT_EQ(messages.shown[0].title, "Tessik");
    EXPECT_TRUE(files.files.count(LayoutPath("Mnemonic")));
    EXPECT_EQ(window->cmbLayouts.Text(), "Mnemonic");
    EXPECT_EQ(engine.CurrentLayoutName(), "Mnemonic");
    EXPECT_EQ(TypeK(), std::vector<uint16_t>{kKha});
    EXPECT_EQ(tray.calls.size(), trayCalls);
}

TEST_F(LayoutList, DeletingALayoutRemovesItsFileAndEntryAndReturnsToDefault) {
    window->ToggleInputMode();
    Choose("Mnemonic");

    ClickDelete(box::Yes);

    EXPECT_FALSE(files.files.count(LayoutPath("Mnemonic")));
    EXPECT_TRUE(files.files.count(LayoutPath("Default")));
    EXPECT_EQ(window->cmbLayouts.Items(), (std::vector<std::string>{"Default", "Phonetic"}));
    EXPECT_EQ(window->cmbLayouts.Text(), "Default");
    EXPECT_EQ(engine.CurrentLayoutName(), "Default");
    EXPECT_EQ(TypeK(), std::vector<uint16_t>{kKa});
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa).subItemText, "k ");
    EXPECT_EQ(ShownIcon().hIcon, kTessikIcon);
    EXPECT_EQ(TipOf(ShownIcon()), Padded(kNativeTipPrefix + "Default'"));
    EXPECT_EQ(messages.shown.size(), 1u); // the question only
}

TEST_F(LayoutList, DeletingInTheSystemDefaultModeKeepsTheTrayInThatMode) {
    window->ToggleInputMode();
    Choose("Mnemonic");
    window->ToggleInputMode();

    ClickDelete(box::Yes);

    EXPECT_FALSE(window->NativeMode());
    EXPECT_EQ(engine.CurrentLayoutName(), "Default");
    EXPECT_EQ(ShownIcon().hIcon, kEnglishIcon);
    EXPECT_EQ(TipOf(ShownIcon()), Padded("Current keyboard is 'System Default'"));

    // Switched on, the tray names the layout that is now current.
    window->ToggleInputMode();
    EXPECT_EQ(TipOf(ShownIcon()), Padded(kNativeTipPrefix + "Default'"));
}

TEST_F(LayoutList, AFileThatCannotBeDeletedIsReportedAndNothingChanges) {
    window->ToggleInputMode();
    Choose("Mnemonic");
    files.failRemove = ErrorNumber::PermissionDenied;

    ClickDelete(box::Yes);

    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, InternalErrorText(70));
    EXPECT_EQ(window->cmbLayouts.ListCount(), 3);
    EXPECT_EQ(window->cmbLayouts.Text(), "Mnemonic");
    EXPECT_EQ(engine.CurrentLayoutName(), "Mnemonic");
}

TEST_F(LayoutList, WithoutADefaultEntryTheDeletedOneIsGoneAndNothingIsLeftToDelete) {
    AddLayout("default", kKha); // only letter case differs: not protected
    window.reset();
    files.files.erase(LayoutPath("Default"));
    Start();
    ASSERT_EQ(window->cmbLayouts.Text(), "");
    messages.shown.clear();
    window->cmbLayouts.SetText("default");

    ClickDelete(box::Yes);

    EXPECT_EQ(messages.shown[0].text, "Do you really want to delete this layout?");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, InternalErrorText(383));
    EXPECT_FALSE(files.files.count(LayoutPath("default")));
    EXPECT_EQ(window->cmbLayouts.Items(), (std::vector<std::string>{"Mnemonic", "Phonetic"}));
    EXPECT_EQ(window->cmbLayouts.ListIndex(), -1);
    EXPECT_EQ(engine.CurrentLayoutName(), "default");

    // With no entry selected there is nothing to delete, and nothing is asked.
    const auto filesLeft = files.files;
    ClickDelete(box::Yes);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(files.files, filesLeft);
}

} // namespace
} // namespace tessik::test
