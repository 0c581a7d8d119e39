// Modify / Apply Changes and Cancel: the modify state, the refusal for the
// built-in layout, the file rewritten in place of the old one, and typing
// and the letter table following the change at once.

#include "engine/KeySlots.h"
#include "shell/InternalError.h"
#include "shell_editor.h"

#include <gtest/gtest.h>

namespace tessik::test {
namespace {

constexpr int kRowKa = 11;
const std::string kCannotModify = "You cannot modify the 'Default' layout.";

// Mnemonic is current; the picker's first two items, "Shift + A" and "a ",
// are free in it.
class ModifyLayout : public Editor {
protected:
    ModifyLayout() : Editor("Mnemonic") {}

    void ClickModify() { window->cmdModify.Click(); }
    void ClickCancel() { window->cmdCancel.Click(); }
};

TEST_F(ModifyLayout, TheDefaultLayoutIsNeitherEnteredNorApplied) {
    window->ToggleInputMode();
    Choose("Default");
    ClickModify();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kCannotModify);
    EXPECT_EQ(messages.shown[0].style, 64u);
    EXPECT_EQ(messages.shown[0].title, "Tessik");
    EXPECT_EQ(State(), BrowseState(true));

    // Chosen while another layout is being modified: Apply is refused and
    // the window stays in the modify state.
    Choose("Mnemonic");
    ClickModify();
    Choose("Default");
    GiveKey(kRowKa, "a ");
    const auto filesBefore = files.files;
    ClickModify();
    EXPECT_EQ(NewMessages().back(), kCannotModify);
    EXPECT_EQ(State(), ModifyState(true));
    EXPECT_EQ(files.files, filesBefore);

    // Back on Mnemonic, Apply writes to it: the edits were discarded when
    // Default was shown.
    Choose("Mnemonic");
    GiveKey(kRowKa, "a ");
    ClickModify();
    EXPECT_EQ(State(), BrowseState(true));
    EXPECT_EQ(FileOf("Default"), filesBefore.at(LayoutPath("Default")));
    EXPECT_EQ(Press("a "), std::vector<uint16_t>{kKa});
}

// The layout list open in the native mode, the layout it shows taken again:
// nothing is reloaded over the edits, and Apply writes them.
TEST_F(ModifyLayout, ChoosingTheCurrentLayoutAgainKeepsTheEdits) {
    window->ToggleInputMode();
    ClickModify();
    GiveKey(kRowKa, "a ");
    const RowLabels edited = Table();
    Choose("Mnemonic");
    EXPECT_EQ(Table(), edited);
    EXPECT_EQ(State(), ModifyState(true));
    ClickModify();
    EXPECT_TRUE(NewMessages().empty());
    // Typing and the table follow the file as Apply wrote it.
    EXPECT_EQ(Press("a "), std::vector<uint16_t>{kKa});
    EXPECT_EQ(Table(), edited);
}

TEST_F(ModifyLayout, EnteringChangesOnlyTheCaptionAndFourButtons) {
    ClickModify();
    EXPECT_EQ(State(), ModifyState(false));
    EXPECT_EQ(Table(), MnemonicLabels());
    EXPECT_TRUE(messages.shown.empty());
    ClickRow(kRowKa);
    EXPECT_TRUE(window->cmbLetters.Visible());
    EXPECT_EQ(window->cmbLetters.Text(), MnemonicLabels()[kRowKa]);
}

TEST_F(ModifyLayout, ApplyingWithoutChangesRewritesTheSameFile) {
    // A file with a stale tail, as older versions left them.
    const std::string written = FileOf("Mnemonic");
    files.files[LayoutPath("Mnemonic")] += "stale bytes after the 55th record";
    ClickModify();
    ClickModify();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(State(), BrowseState(false));
    EXPECT_EQ(FileOf("Mnemonic"), written);
    EXPECT_EQ(Table(), MnemonicLabels());

    // Someone's file with the form of the temporary file is left alone.
    files.files[LayoutPath("~Mnemonic.tmp")] = "not a layout";
    files.files[LayoutPath("Mnemonic")] += "stale";
    ClickModify();
    ClickModify();
    EXPECT_EQ(FileOf("Mnemonic"), written);
    EXPECT_EQ(FileOf("~Mnemonic.tmp"), "not a layout");
    EXPECT_EQ(files.files.size(), 3u);
}

TEST_F(ModifyLayout, AppliedChangesTypeAtOnceAndShowInTheTable) {
    const std::string oldKey = MnemonicLabels()[kRowKa];
    ASSERT_EQ(Press(oldKey), std::vector<uint16_t>{kKa});
    ClickModify();
    GiveKey(kRowKa, "a ");
    ClickRow(3); // the picker is open when Apply is clicked
    ClickModify();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(State(), BrowseState(false));
    EXPECT_EQ(Press("a "), std::vector<uint16_t>{kKa});
    EXPECT_TRUE(Press(oldKey).empty()); // no longer assigned: the key goes on
    RowLabels expected = MnemonicLabels();
    expected[kRowKa] = "a ";
    EXPECT_EQ(Table(), expected);
    EXPECT_EQ(engine.CurrentLayoutName(), "Mnemonic");

    // Apply leaves the picker open; the next row click, now in the browse
    // state, hides it.
    EXPECT_TRUE(window->cmbLetters.Visible());
    ClickRow(3);
    EXPECT_FALSE(window->cmbLetters.Visible());
}

TEST_F(ModifyLayout, ThreeRowsWithOneLabelStopApplyWithOneMessage) {
    ClickModify();
    GiveKey(4, "Shift + A");
    GiveKey(9, "Shift + A");
    GiveKey(20, "Shift + A");
    const auto filesBefore = files.files;
    ClickModify();
    EXPECT_EQ(NewMessages(), std::vector<std::string>{"'Shift + A' is defined more than once."});
    EXPECT_EQ(State(), ModifyState(false));
    EXPECT_EQ(files.files, filesBefore);
    EXPECT_EQ(Press("Shift + A"), std::vector<uint16_t>{});
}

TEST_F(ModifyLayout, ARowWithoutAKeyIsWrittenEmptyButTwoAreTheSameLabelTwice) {
    std::vector<LayoutRecord> records;
    for (int row = 0; row < kRowCount; ++row) {
        if (row != kRowKa && row != 30)
            records.push_back({kRows[row].code, MnemonicLabels()[row]});
    }
    AddLayout("Two short", records);
    records.push_back({kRows[30].code, MnemonicLabels()[30]});
    AddLayout("One short", records);

    window.reset();
    StoreKeyLayout("One short");
    Start();
    ClickModify();
    ClickModify();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(State(), BrowseState(false));
    // All 55 records now, the one of KA with an empty label.
    const std::string kaWithoutKey("\x95\x09\0\0\0\0", 6);
    EXPECT_EQ(FileOf("One short").size(),
              FileOf("Mnemonic").size() - MnemonicLabels()[kRowKa].size());
    EXPECT_NE(FileOf("One short").find(kaWithoutKey), std::string::npos);

    window.reset();
    StoreKeyLayout("Two short");
    Start();
    const auto filesBefore = files.files;
    ClickModify();
    ClickModify();
    EXPECT_EQ(NewMessages(), std::vector<std::string>{"'' is defined more than once."});
    EXPECT_EQ(State(), ModifyState(false));
    EXPECT_EQ(files.files, filesBefore);
}

TEST_F(ModifyLayout, AFailedWriteLeavesTheFileTypingAndTheModifyState) {
    ClickModify();
    GiveKey(kRowKa, "a ");
    const auto filesBefore = files.files;
    files.failWrite = ErrorNumber::DeviceIoError;
    files.failWriteAt = 200;
    ClickModify();
    files.failWrite.reset();
    files.failReplace = ErrorNumber::PermissionDenied;
    ClickModify();

    EXPECT_EQ(NewMessages(),
              (std::vector<std::string>{InternalErrorText(57), InternalErrorText(70)}));
    EXPECT_EQ(files.files, filesBefore);
    EXPECT_TRUE(files.hiddenFiles.empty());
    EXPECT_EQ(State(), ModifyState(false));
    EXPECT_EQ(Table()[kRowKa], "a "); // not shown again: the edits stay
    EXPECT_EQ(Press(MnemonicLabels()[kRowKa]), std::vector<uint16_t>{kKa});
    EXPECT_TRUE(Press("a ").empty());
}

TEST_F(ModifyLayout, CancelShowsTheFileAgainAndWritesNothing) {
    window->ToggleInputMode();
    ClickModify();
    GiveKey(kRowKa, "a ");
    GiveKey(0, "Shift + A");
    ClickRow(2);
    const auto filesBefore = files.files;

    ClickCancel();

    EXPECT_EQ(State(), BrowseState(true));
    EXPECT_EQ(Table(), MnemonicLabels());
    EXPECT_FALSE(window->cmbLetters.Visible());
    EXPECT_TRUE(window->lstTessikLetters.HasFocus());
    EXPECT_EQ(files.files, filesBefore);
    EXPECT_EQ(Press("a "), std::vector<uint16_t>{});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ModifyLayout, CancelDropsAKeyGivenToARowThatTheFileLeavesEmpty) {
    RowLabels partial = MnemonicLabels();
    partial[kRowKa] = "";
    AddLayout("Mnemonic", partial);
    window->ToggleInputMode();
    Choose("Default");
    Choose("Mnemonic");
    ClickModify();
    GiveKey(kRowKa, "a ");

    ClickCancel();
    EXPECT_EQ(Table(), partial);

    // Applied later, the discarded key is neither written nor a duplicate.
    ClickModify();
    GiveKey(kRowKa, "Shift + A");
    GiveKey(0, "a ");
    ClickModify();
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(Press("Shift + A"), std::vector<uint16_t>{kKa});
}

} // namespace
} // namespace tessik::test
