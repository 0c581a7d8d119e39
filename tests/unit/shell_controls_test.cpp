#include "platform/RuntimeError.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Form.h"
#include "platform/controls/ListView.h"
#include "platform/controls/TextBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessik {
namespace {

// Writes down every call a control makes to its backend, one line each.
class RecordingBackend : public ComboBoxBackend, public ListViewBackend {
public:
    std::vector<std::string> calls;

    void SetEnabled(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
    void SetVisible(bool visible) override { calls.push_back(visible ? "show" : "hide"); }
    void SetText(const std::string& text) override { calls.push_back("text " + text); }
    void Move(const TwipRect& r) override {
        calls.push_back("move " + std::to_string(r.left) + "," + std::to_string(r.top));
    }
    void SetFocus() override { calls.push_back("focus"); }
    void AddItem(const std::string& item) override { calls.push_back("add " + item); }
    void RemoveItem(int index) override { calls.push_back("remove " + std::to_string(index)); }
    void SetListIndex(int index) override { calls.push_back("select " + std::to_string(index)); }
    void AddColumn(const ListColumn& column) override {
        calls.push_back("column " + std::to_string(column.width));
    }
    void AddRow(const ListRow& row) override {
        calls.push_back("row " + std::to_string(row.smallIcon));
    }
    void SetRowText(int index, const std::string& text) override {
        calls.push_back("row " + std::to_string(index) + " " + text);
    }
    void SelectRow(int index) override { calls.push_back("select row " + std::to_string(index)); }
    TwipRect RowBounds(int index) override { return {7, 100 * index, 8, 9}; }
    TwipRect ClientArea() override { return {450, 150, 2670, 4995}; }
};

class Controls : public ::testing::Test {
protected:
    Form form{"Tessik", 0x10};
    ComboBox list{form, "cmbLayouts", {3360, 330, 1335, 315}, false, true};
    int clicks = 0;

    Controls() {
        list.onClick = [this] { ++clicks; };
    }
};

TEST_F(Controls, DropDownListSelectsByTextAndRaisesItsClick) {
    list.AddItem("Default");
    list.AddItem("Phonetic");
    list.AddItem("Default");
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(list.ListIndex(), -1);

    list.SetText("Phonetic");
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(list.Text(), "Phonetic");
    EXPECT_EQ(clicks, 1);

    list.SetText("Default"); // the first of equal items
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(clicks, 2);

    try {
        list.SetText("default");
        FAIL() << "a text that no item has was accepted";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 383);
    }
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(clicks, 2);

    list.UserSelected(2);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(clicks, 3);
    // The item already selected, picked again: a choice only where the list
    // says so; the program's own selection always raises the event.
    list.UserSelected(2);
    EXPECT_EQ(clicks, 3);
    list.SetListIndex(2);
    EXPECT_EQ(clicks, 4);
    list.repeatedPickIsChoice = true;
    list.UserSelected(2);
    EXPECT_EQ(clicks, 5);
}

TEST(DropDownChoices, EveryChoiceCountsOnceWhateverOrderTheNotificationsCome) {
    using enum DropDownChoices::Notification;
    using Step = std::pair<DropDownChoices::Notification, int>;
    // The choices that a sequence of (notification, selection) makes.
    const auto choices = [](std::initializer_list<Step> steps) {
        DropDownChoices dropDown;
        std::vector<int> chosen;
        for (const auto& [notification, selected] : steps) {
            if (const auto item = dropDown.Notified(notification, selected))
                chosen.push_back(*item);
        }
        return chosen;
    };
    // The item already shown, clicked: no change, only the end tells.
    EXPECT_EQ(choices({{DroppedDown, 4}, {SelectionAccepted, 4}}), std::vector<int>{4});
    EXPECT_EQ(choices({{DroppedDown, 4}, {SelectionAccepted, 4}, {SelectionChanged, 4}}),
              std::vector<int>{4});
    // Another item: the end first (as Wine sends them) or the change first.
    EXPECT_EQ(choices({{DroppedDown, 4}, {SelectionAccepted, 7}, {SelectionChanged, 7}}),
              std::vector<int>{7});
    EXPECT_EQ(choices({{DroppedDown, 4}, {SelectionChanged, 7}, {SelectionAccepted, 7}}),
              std::vector<int>{7});
    // Arrow keys in the open list choose each time; Return adds nothing.
    EXPECT_EQ(choices({{DroppedDown, 4},
                       {SelectionChanged, 5},
                       {SelectionChanged, 4},
                       {SelectionAccepted, 4}}),
              (std::vector<int>{5, 4}));
    // A cancelled list chooses nothing; a closed one chooses by its changes.
    EXPECT_EQ(choices({{DroppedDown, 4},
                       {SelectionCancelled, 4},
                       {SelectionAccepted, 4},
                       {SelectionChanged, 5},
                       {SelectionChanged, 4},
                       {SelectionChanged, -1}}),
              (std::vector<int>{5, 4}));
    // An accepted choice is not taken for the next change of its item.
    EXPECT_EQ(choices({{DroppedDown, 4},
                       {SelectionAccepted, 4},
                       {DroppedDown, 4},
                       {SelectionChanged, 4},
                       {SelectionAccepted, 4}}),
              (std::vector<int>{4, 4}));
}

TEST_F(Controls, RemovingItemsKeepsTheSelectionOnItsItem) {
    for (const char* name : {"A", "B", "C", "D"})
        list.AddItem(name);
    list.SetText("C");
    list.RemoveItem(0);
    EXPECT_EQ(list.Text(), "C");
    list.RemoveItem(2);
    EXPECT_EQ(list.Text(), "C");
    list.RemoveItem(1);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"B"}));
    EXPECT_THROW(list.RemoveItem(1), RuntimeError);
    EXPECT_THROW(list.RemoveItem(-1), RuntimeError);
}

TEST_F(Controls, BackendGetsTheStateOnAttachAndEveryProgramChangeButNoUserChange) {
    list.AddItem("Default");
    list.SetText("Default");

    RecordingBackend backend;
    list.Attach(backend);
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"move 3360,330", "disable", "show",
                                                       "add Default", "select 0"}));

    backend.calls.clear();
    list.AddItem("Phonetic");
    list.SetEnabled(true);
    list.UserSelected(1);
    list.SetListIndex(0);
    list.UserSelectedElsewhere(1); // picked in a menu: the list has to show it
    list.SetVisible(false);
    EXPECT_EQ(backend.calls,
              (std::vector<std::string>{"add Phonetic", "enable", "select 0", "select 1", "hide"}));
    EXPECT_EQ(list.Text(), "Phonetic");
    EXPECT_EQ(clicks, 4);

    Button button{form, "cmdModify", {3360, 2280, 1335, 375}, "&Modify", true};
    RecordingBackend buttonBackend;
    button.Attach(buttonBackend);
    button.SetCaption("&Apply Changes");
    EXPECT_EQ(buttonBackend.calls.back(), "text &Apply Changes");

    TextBox box{form, "txtLayoutName", {}, false};
    RecordingBackend boxBackend;
    box.Attach(boxBackend);
    boxBackend.calls.clear();
    box.UserChangedText("Mine");
    EXPECT_EQ(box.Text(), "Mine");
    EXPECT_TRUE(boxBackend.calls.empty());
}

TEST_F(Controls, FocusBelongsToOneControlOfTheForm) {
    Button a{form, "cmdNew", {}, "&New Layout", true};
    Button b{form, "cmdSave", {}, "&Save", true};
    a.SetFocus();
    EXPECT_TRUE(a.HasFocus());
    b.GotFocus();
    EXPECT_FALSE(a.HasFocus());
    EXPECT_EQ(form.ActiveControl(), &b);
}

TEST_F(Controls, FormUnloadRunsItsEventOnce) {
    int unloads = 0;
    form.onUnload = [&] { ++unloads; };
    form.Show();
    form.Unload();
    form.Unload();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(form.Visible());
}

TEST_F(Controls, ListViewRowsTextsAndBounds) {
    ListView table{form, "lstTessikLetters", {420, 120, 2730, 5055}, true, true};
    table.AddColumn({"", 600});
    table.AddColumn({"", 1780});
    for (int icon = 1; icon <= 3; ++icon)
        table.AddRow(icon);
    table.SetRowText(1, "k ");
    EXPECT_EQ(table.Row(1).smallIcon, 2);
    EXPECT_EQ(table.Row(1).subItemText, "k ");
    EXPECT_EQ(table.Row(0).subItemText, "");
    EXPECT_FALSE(table.SelectedRow());
    EXPECT_THROW(table.SetRowText(3, "a "), RuntimeError);

    EXPECT_EQ(table.RowBounds(2), (TwipRect{0, 1080, 2380, 540}));
    EXPECT_EQ(table.ClientArea(), table.Bounds());
    RecordingBackend backend;
    table.Attach(backend);
    EXPECT_EQ(table.RowBounds(2), (TwipRect{7, 200, 8, 9}));
    EXPECT_EQ(table.ClientArea(), (TwipRect{450, 150, 2670, 4995}));

    table.UserSelectedRow(2);
    EXPECT_EQ(table.SelectedRow(), 2);
    EXPECT_NE(backend.calls.back(), "select row 2");
}

TEST(DisplayScale, KeepsTheDesignsProportionsAtEveryResolution) {
    const TwipRect client{0, 0, 4935, 5250};
    EXPECT_EQ((DisplayScale{96, 96}).ToPixels(client), (PixelRect{0, 0, 329, 350}));
    EXPECT_EQ((DisplayScale{120, 120}).ToPixels(client), (PixelRect{0, 0, 411, 438}));
    EXPECT_EQ((DisplayScale{144, 144}).ToPixels(client), (PixelRect{0, 0, 494, 525}));

    // Controls that touch in the design touch on screen: edges are rounded,
    // not sizes.
    for (const int dpi : {96, 120, 144, 168}) {
        const DisplayScale scale{dpi, dpi};
        const PixelRect a = scale.ToPixels({3360, 0, 510, 375});
        const PixelRect b = scale.ToPixels({3870, 0, 60, 375});
        EXPECT_EQ(a.left + a.width, b.left) << dpi;
    }

    EXPECT_EQ((DisplayScale{}).FontHeightPixels(18), 24);
    EXPECT_EQ(DisplayScale({144, 144}).FontHeightPixels(18), 36);
    EXPECT_DOUBLE_EQ(DisplayScale{}.TwipsPerPixelX(), 15.0);
    EXPECT_EQ(DisplayScale({120, 120}).ToTwips({0, 0, 411, 438}), (TwipRect{0, 0, 4932, 5256}));
}

} // namespace
} // namespace tessik
