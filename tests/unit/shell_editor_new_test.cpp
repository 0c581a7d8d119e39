// New layout and Save: the new-layout state, the four tests of Save in their
// order, the refusal of names that would not make a new file, and what a
// successful or failed write leaves behind.

#include "shell/InternalError.h"
#include "shell_editor.h"

#include <gtest/gtest.h>

namespace tessik::test {
namespace {

constexpr int kRowKa = 11;

const std::string kDefaultIsThere =
    "The layout name 'default' cannot be used, because a file of that name is already in the "
    "Layouts folder (Windows does not tell capital from small letters in file names). Please "
    "give another name.";

class NewLayout : public Editor {
protected:
    void ClickNew() { window->cmdNew.Click(); }
    void ClickSave() { window->cmdSave.Click(); }
    void ClickCancel() { window->cmdCancel.Click(); }
};

TEST_F(NewLayout, NewEmptiesTheKeyColumnAndEntersTheNewLayoutState) {
    ASSERT_EQ(State(), BrowseState(false));
    ClickNew();
    EXPECT_EQ(State(), NewLayoutState());
    EXPECT_EQ(Table(), RowLabels{});
    EXPECT_TRUE(window->lstTessikLetters.HasFocus());
    EXPECT_FALSE(window->cmbLetters.Visible());
    // Typing and the current layout are untouched until a layout is chosen.
    EXPECT_EQ(engine.CurrentLayoutName(), "Default");
    EXPECT_EQ(Press("Shift + A"), std::vector<uint16_t>{0x0985});
    EXPECT_TRUE(messages.shown.empty());

    // The picker opens on a row now.
    ClickRow(kRowKa);
    EXPECT_TRUE(window->cmbLetters.Visible());
}

TEST_F(NewLayout, SaveRightAfterNewAsksForEveryCharacterFromTheFirstEmptyRow) {
    ClickNew();
    const auto filesBefore = files.files;
    ClickSave();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Please spacify all the characters");
    EXPECT_EQ(messages.shown[0].style, 64u);
    EXPECT_EQ(messages.shown[0].title, "Tessik");
    EXPECT_EQ(window->lstTessikLetters.SelectedRow(), 0);
    EXPECT_TRUE(window->lstTessikLetters.HasFocus());
    EXPECT_EQ(State(), NewLayoutState());
    EXPECT_EQ(files.files, filesBefore);

    // Only the first row without a key is named, however many there are.
    RowLabels labels = DefaultLabels();
    labels[29] = labels[40] = "";
    for (int row = 0; row < kRowCount; ++row) {
        if (!labels[row].empty())
            GiveKey(row, labels[row]);
    }
    window->txtLayoutName.GotFocus();
    ClickSave();
    EXPECT_EQ(NewMessages().back(), "Please spacify all the characters");
    EXPECT_EQ(window->lstTessikLetters.SelectedRow(), 29);
    EXPECT_TRUE(window->lstTessikLetters.HasFocus());
}

TEST_F(NewLayout, TheTestsRunInOrderAndEachFailureShowsOnlyItsOwnMessage) {
    ClickNew();
    TypeName("   ");
    ClickSave();
    EXPECT_EQ(NewMessages(), std::vector<std::string>{"Please spacify all the characters"});

    RowLabels labels = DefaultLabels();
    labels[6] = labels[29] = "k "; // rows 7 and 30
    GiveKeys(labels);
    ClickSave();
    EXPECT_EQ(NewMessages(), std::vector<std::string>{"'k ' is defined more than once."});

    GiveKey(6, std::string(kPickerLabels[55]));
    GiveKey(29, std::string(kPickerLabels[56]));
    ClickSave();
    EXPECT_EQ(NewMessages(), std::vector<std::string>{"Please give a name of the layout"});
    EXPECT_TRUE(window->txtLayoutName.HasFocus());

    TypeName("Default");
    window->lstTessikLetters.GotFocus();
    const auto filesBefore = files.files;
    ClickSave();
    EXPECT_EQ(NewMessages(), std::vector<std::string>{"The layout name 'Default' is already "
                                                      "exists. Please give another name."});
    EXPECT_TRUE(window->lstTessikLetters.HasFocus()); // the focus does not move

    // Past the four tests: "default" would be the file of Default.
    TypeName("default");
    ClickSave();
    EXPECT_EQ(NewMessages(), std::vector<std::string>{kDefaultIsThere});
    EXPECT_TRUE(window->txtLayoutName.HasFocus());
    EXPECT_EQ(messages.shown.size(), 5u);
    for (const auto& box : messages.shown) {
        EXPECT_EQ(box.style, 64u);
        EXPECT_EQ(box.title, "Tessik");
    }
    EXPECT_EQ(files.files, filesBefore);
    EXPECT_EQ(window->cmbLayouts.ListCount(), 3);
    EXPECT_EQ(State(), NewLayoutState("default"));

    TypeName("Mine");
    ClickSave();
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(State(), BrowseState(false));
}

TEST_F(NewLayout, SaveWritesTheTableUnderTheNewNameAndReturnsToTheBrowseState) {
    ClickNew();
    const RowLabels labels = MnemonicLabels();
    GiveKeys(labels);
    ClickRow(kRowKa); // the picker is open when Save is clicked
    TypeName("Mine");
    ClickSave();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(State(), BrowseState(false));
    EXPECT_FALSE(window->cmbLetters.Visible());
    EXPECT_TRUE(window->lstTessikLetters.HasFocus());
    EXPECT_EQ(window->cmbLayouts.Items(),
              (std::vector<std::string>{"Default", "Mnemonic", "Phonetic", "Mine"}));
    // Saving does not make the new layout current.
    EXPECT_EQ(window->cmbLayouts.Text(), "Default");
    EXPECT_EQ(engine.CurrentLayoutName(), "Default");
    EXPECT_EQ(Table(), DefaultLabels());
    EXPECT_EQ(Press("Shift + A"), std::vector<uint16_t>{0x0985});

    // Exactly the 55 records, and no temporary file left.
    std::size_t size = 0;
    for (const auto& label : labels)
        size += 6 + label.size();
    EXPECT_EQ(FileOf("Mine").size(), size);
    EXPECT_EQ(files.files.size(), 3u);
    EXPECT_TRUE(files.hiddenFiles.empty());

    // Chosen, it types each row's letter with the key the row was given.
    window->ToggleInputMode();
    Choose("Mine");
    EXPECT_EQ(Table(), labels);
    for (int row = 0; row < kRowCount; ++row) {
        const auto slot = SlotOfLabel(labels[row]);
        ASSERT_TRUE(slot) << labels[row];
        EXPECT_EQ(engine.ActiveKeyMap().At(*slot), kRows[row].code) << "row " << row + 1;
    }
    EXPECT_EQ(Press(labels[kRowKa]), std::vector<uint16_t>{kKa});
}

TEST_F(NewLayout, TheNameIsUsedAsTypedAndMustNotReachAnExistingFile) {
    ClickNew();
    GiveKeys(DefaultLabels());
    const auto filesBefore = files.files;

    // Not the same entry as "Mnemonic", but the same file to Windows.
    TypeName("MNEMONIC");
    ClickSave();
    TypeName("Mnemonic ");
    ClickSave();
    // The built-in phonetic layout has its name in every case, file or not.
    TypeName("phonetic");
    ClickSave();
    const auto refusals = NewMessages();
    ASSERT_EQ(refusals.size(), 3u);
    EXPECT_NE(refusals[0].find("'MNEMONIC' cannot be used"), std::string::npos);
    EXPECT_EQ(refusals[1], "A layout name cannot end with a blank or a dot. Please give "
                           "another name.");
    EXPECT_EQ(refusals[2], "The layout name 'phonetic' is already exists. Please give another "
                           "name.");
    EXPECT_EQ(files.files, filesBefore);
    EXPECT_EQ(window->cmbLayouts.ListCount(), 3);

    // Leading blanks pass and stay part of the name.
    TypeName("  Mnemonic");
    ClickSave();
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(window->cmbLayouts.Items().back(), "  Mnemonic");
    EXPECT_EQ(FileOf("  Mnemonic"), FileOf("Default"));
    EXPECT_EQ(FileOf("Mnemonic"), filesBefore.at(LayoutPath("Mnemonic")));
}

TEST_F(NewLayout, ANameThatCannotBeAPlainFileIsRefusedBeforeAnythingIsWritten) {
    ClickNew();
    GiveKeys(DefaultLabels());
    const auto filesBefore = files.files;
    const std::vector<std::string> names = {
        "..\\Default", "../Default", "C:Mine",    "..",
        "CON",         "lpt1.txt",   "~Mine.tmp", std::string(300, 'x')};
    for (const std::string& name : names) {
        TypeName(name);
        window->lstTessikLetters.GotFocus();
        ClickSave();
        ASSERT_EQ(messages.shown.size(), 1u) << name;
        EXPECT_EQ(messages.shown[0].style, 64u);
        EXPECT_EQ(messages.shown[0].title, "Tessik");
        EXPECT_TRUE(window->txtLayoutName.HasFocus()) << name;
        EXPECT_EQ(files.files, filesBefore) << name;
        EXPECT_EQ(window->cmbLayouts.ListCount(), 3) << name;
        EXPECT_EQ(State(), NewLayoutState(name));
        messages.shown.clear();
    }
}

TEST_F(NewLayout, AFailedWriteIsReportedAndLeavesTheListAndTheFilesAsTheyWere) {
    ClickNew();
    GiveKeys(DefaultLabels());
    TypeName("Mine");
    const auto filesBefore = files.files;

    files.failWrite = ErrorNumber::DeviceIoError;
    files.failWriteAt = 100;
    ClickSave();
    files.failWrite.reset();
    files.failReplace = ErrorNumber::PermissionDenied;
    ClickSave();

    EXPECT_EQ(NewMessages(),
              (std::vector<std::string>{InternalErrorText(57), InternalErrorText(70)}));
    EXPECT_EQ(files.files, filesBefore);
    EXPECT_TRUE(files.hiddenFiles.empty());
    EXPECT_EQ(window->cmbLayouts.ListCount(), 3);
    EXPECT_EQ(State(), NewLayoutState("Mine"));
    EXPECT_EQ(Table(), DefaultLabels());

    // Once the disk allows it, the same Save goes through.
    files.failReplace.reset();
    ClickSave();
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(FileOf("Mine"), FileOf("Default"));
    EXPECT_EQ(window->cmbLayouts.Items().back(), "Mine");
}

TEST_F(NewLayout, SaveNeverCutsReplacesOrRemovesAFileItDidNotMake) {
    // Someone's visible file with the form of a save's temporary file.
    const std::string theirs = "not a layout";
    files.files[LayoutPath("~Mine.tmp")] = theirs;
    ClickNew();
    GiveKeys(DefaultLabels());
    TypeName("Mine");
    ClickSave();
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(FileOf("~Mine.tmp"), theirs);
    EXPECT_EQ(FileOf("Mine"), FileOf("Default"));
    EXPECT_EQ(files.files.size(), 4u);
    EXPECT_TRUE(files.hiddenFiles.empty());

    // A file that takes the name after the tests stays as it is.
    ClickNew();
    GiveKeys(DefaultLabels());
    TypeName("Late");
    files.beforeReplace = [this, theirs] { files.files[LayoutPath("late")] = theirs; };
    ClickSave();
    EXPECT_EQ(NewMessages(), std::vector<std::string>{"The layout name 'Late' is already exists. "
                                                      "Please give another name."});
    EXPECT_EQ(FileOf("late"), theirs);
    EXPECT_EQ(files.files.count(LayoutPath("Late")), 0u);
    EXPECT_EQ(files.files.size(), 5u);
    EXPECT_EQ(window->cmbLayouts.ListCount(), 4);
    EXPECT_EQ(State(), NewLayoutState("Late"));
}

TEST_F(NewLayout, ALayoutChosenWhileCreatingOneFillsTheTableThatSaveStores) {
    ClickNew();
    GiveKey(0, "z ");
    GiveKey(kRowKa, "Shift + 7");
    ClickRow(kRowKa);

    // Switching the input mode enables the list in any state.
    window->ToggleInputMode();
    EXPECT_TRUE(window->cmbLayouts.Enabled());
    EXPECT_FALSE(window->cmbLetters.Visible());
    Choose("Mnemonic");
    EXPECT_EQ(engine.CurrentLayoutName(), "Mnemonic");
    EXPECT_EQ(Table(), MnemonicLabels()); // its file covers every row

    TypeName("Copy");
    ClickSave();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(FileOf("Copy"), FileOf("Mnemonic"));
    EXPECT_EQ(State(), BrowseState(true));
    EXPECT_EQ(window->cmbLayouts.Text(), "Mnemonic");
}

TEST_F(NewLayout, CancelDiscardsTheTableAndTheNameAndWritesNothing) {
    ClickNew();
    GiveKeys(MnemonicLabels());
    ClickRow(3);
    TypeName("Mine");
    const auto filesBefore = files.files;

    ClickCancel();

    EXPECT_EQ(State(), BrowseState(false));
    EXPECT_EQ(Table(), DefaultLabels());
    EXPECT_FALSE(window->cmbLetters.Visible());
    EXPECT_TRUE(window->lstTessikLetters.HasFocus());
    EXPECT_EQ(files.files, filesBefore);
    EXPECT_EQ(window->cmbLayouts.ListCount(), 3);
    EXPECT_TRUE(messages.shown.empty());

    // Back in the browse state a row click only hides the picker.
    ClickRow(3);
    EXPECT_FALSE(window->cmbLetters.Visible());
}

} // namespace
} // namespace tessik::test
