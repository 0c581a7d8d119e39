#include "layouts/RowTable.h"
#include "shell/InternalError.h"
#include "shell_program.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessik::test {
namespace {

constexpr int kRowKa = 11;
constexpr int kRowKha = 12;
constexpr int kRowGa = 13;

// The letter table with a layout shown in it, and a person clicking rows
// and choosing keys from the picker.
class LetterTable : public Program {
protected:
    LetterTable() {
        AddLayout("Default", {{kKa, "k "}, {kKha, "Shift + K"}});
        Start();
    }

    void ClickRow(int row) {
        window->lstTessikLetters.UserSelectedRow(row);
        window->lstTessikLetters.Click();
    }

    void Pick(const std::string& label) {
        const auto& items = window->cmbLetters.Items();
        const auto index = std::find(items.begin(), items.end(), label) - items.begin();
        window->cmbLetters.UserSelected(static_cast<int>(index));
    }

    // Enables Cancel by hand, as the two editing states do.
    void BeginEditing() { window->cmdCancel.SetEnabled(true); }

    TwipRect PickerBounds() const { return window->cmbLetters.Bounds(); }
    int KeyCellTop(int row) const { return 120 + row * 540 + (540 - 525) / 2; }
};

TEST_F(LetterTable, StartUpAddsEveryRowWithItsPictureAndShowsTheLayout) {
    ASSERT_EQ(window->lstTessikLetters.RowCount(), 55);
    EXPECT_EQ(window->lstTessikLetters.Row(0).smallIcon, 1);
    EXPECT_EQ(window->lstTessikLetters.Row(54).smallIcon, 55);
    std::vector<std::string> expected(55);
    expected[kRowKa] = "k ";
    expected[kRowKha] = "Shift + K";
    EXPECT_EQ(KeyColumn(), expected);
}

TEST_F(LetterTable, OutsideTheEditingStatesARowClickOnlyHidesThePicker) {
    window->cmbLetters.SetVisible(true); // left open by an editing state that ended
    const TwipRect before = PickerBounds();
    ClickRow(kRowKa);
    EXPECT_FALSE(window->cmbLetters.Visible());
    EXPECT_EQ(PickerBounds(), before);
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa).subItemText, "k ");
    EXPECT_EQ(window->cmbLetters.ListIndex(), -1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LetterTable, WhileEditingThePickerOpensOnTheClickedRowAndWritesThePick) {
    BeginEditing();
    const auto filesBefore = files.files;

    // A row without a key, the first time: the picker shows no item.
    ClickRow(kRowGa);
    EXPECT_TRUE(window->cmbLetters.Visible());
    EXPECT_EQ(PickerBounds().left, 1020);
    EXPECT_EQ(PickerBounds().top, KeyCellTop(kRowGa));
    EXPECT_EQ(window->cmbLetters.Text(), "");
    EXPECT_FALSE(window->cmbLetters.HasFocus());

    Pick("g ");
    EXPECT_EQ(window->lstTessikLetters.Row(kRowGa).subItemText, "g "); // trailing blank kept
    EXPECT_FALSE(window->cmbLetters.Visible());

    // A row with a key: the picker moves there and shows that key.
    ClickRow(kRowKha);
    EXPECT_TRUE(window->cmbLetters.Visible());
    EXPECT_EQ(PickerBounds().top, KeyCellTop(kRowKha));
    EXPECT_EQ(window->cmbLetters.Text(), "Shift + K");

    // A second row while the picker is open: it follows; a row without a
    // key keeps the item shown last.
    ClickRow(0);
    EXPECT_EQ(PickerBounds().top, KeyCellTop(0));
    EXPECT_EQ(window->cmbLetters.Text(), "Shift + K");

    // A key that another row has already is accepted here.
    Pick("k ");
    EXPECT_EQ(window->lstTessikLetters.Row(0).subItemText, "k ");
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa).subItemText, "k ");

    // Picks change the table only: nothing is written, typing is unchanged.
    EXPECT_EQ(files.files, filesBefore);
    EXPECT_EQ(LoadedKa(), kKa);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LetterTable, APickGoesToTheSelectedRowEvenWhenTheKeyboardMovedIt) {
    BeginEditing();
    ClickRow(kRowGa);
    const TwipRect placed = PickerBounds();
    window->lstTessikLetters.UserSelectedRow(kRowGa + 1); // arrow key: no click
    Pick("Shift + G");
    EXPECT_EQ(window->lstTessikLetters.Row(kRowGa + 1).subItemText, "Shift + G");
    EXPECT_EQ(window->lstTessikLetters.Row(kRowGa).subItemText, "");
    EXPECT_EQ(PickerBounds(), placed);
}

TEST_F(LetterTable, ALabelThePickerDoesNotListIsReportedAfterThePickerMoved) {
    // One label that names a key makes the file a layout; "K " names none.
    AddLayout("Foreign", {{kKa, "K "}, {kKha, "Shift + K"}});
    engine.SelectLayout("Foreign");
    window->ShowLayout();
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa).subItemText, "K ");

    BeginEditing();
    ClickRow(kRowKa);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, InternalErrorText(383));
    EXPECT_EQ(PickerBounds().top, KeyCellTop(kRowKa));
    EXPECT_FALSE(window->cmbLetters.Visible());
    EXPECT_EQ(window->lstTessikLetters.Row(kRowKa).subItemText, "K ");
}

TEST_F(LetterTable, AClickOrPickWithNoSelectedRowIsReported) {
    BeginEditing();
    window->lstTessikLetters.Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, InternalErrorText(91));
    EXPECT_FALSE(window->cmbLetters.Visible());

    Pick("a ");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, InternalErrorText(91));
}

TEST_F(LetterTable, ShowingALayoutWritesTheRowsItNamesAndLeavesTheOthers) {
    AddLayout("Other", {{0, "a "},
                        {1, "b "},
                        {0x0041, "c "},
                        {0x0964, "Shift + 7"},
                        {kKha, "x "},
                        {kKha, "y "},
                        {special::Reph, "Shift + R"}});
    engine.SelectLayout("Other");
    window->ShowLayout();
    window->ShowLayout(); // twice is the same as once

    std::vector<std::string> expected(55);
    expected[kRowKa] = "k ";  // not in Other: still Default's
    expected[kRowKha] = "y "; // the later record wins
    expected[53] = "Shift + R";
    expected[54] = "Shift + 7";
    EXPECT_EQ(KeyColumn(), expected);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(LoadedKa(), kKa); // showing does not touch typing
}

TEST_F(LetterTable, AMissingLayoutFileIsReportedAndTheTableIsUnchanged) {
    const auto before = KeyColumn();
    engine.SelectLayout("Gone");
    window->ShowLayout();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, InternalErrorText(53));
    EXPECT_EQ(KeyColumn(), before);
}

} // namespace
} // namespace tessik::test
