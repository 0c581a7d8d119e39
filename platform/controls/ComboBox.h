#pragma once

#include "platform/controls/Control.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessik {

// Virtual, so that a binding can implement ControlBackend once for all kinds.
class ComboBoxBackend : public virtual ControlBackend {
public:
    virtual void AddItem(const std::string& item) = 0;
    virtual void RemoveItem(int index) = 0;
    // -1 clears the selection.
    virtual void SetListIndex(int index) = 0;
};

// A drop-down list from which the user can only pick. Its text is the
// selected item, and every selection by the program, and every choice of
// the user, raise the click event. Items stay in the order in which they
// were added.
class ComboBox : public Control {
public:
    ComboBox(Form& form, std::string name, TwipRect bounds, bool enabled, bool visible);

    void AddItem(std::string item);
    // Throws RuntimeError (InvalidArgument) for an index outside the list.
    void RemoveItem(int index);
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& Items() const { return items_; }
    bool Contains(const std::string& item) const;

    // -1 when nothing is selected.
    int ListIndex() const { return listIndex_; }
    // The selected item, or the empty text.
    std::string Text() const;
    // Selects the first item equal to text (exact comparison) and raises the
    // click event. Throws RuntimeError (TextNotInList) when there is none.
    void SetText(const std::string& text);
    // Selects an item and raises the click event; -1 clears the selection
    // without an event. Throws RuntimeError (InvalidArgument) out of range.
    void SetListIndex(int index);

    std::function<void()> onClick;
    void Click() const;
    // Whether the user's pick of the item already selected is a choice, as
    // for a picker whose item is given to something else each time. Where
    // the item is itself what the list sets (a layout list), picking it again
    // changes nothing and raises no event.
    bool repeatedPickIsChoice = false;

    // Platform notification: the user picked an item; raises the click event
    // when that is a choice.
    void UserSelected(int index);
    // The user picked an item where the same items are offered outside the
    // list (a menu): the list shows it, and the pick goes on as one made in
    // the list. Throws RuntimeError (InvalidArgument) out of range.
    void UserSelectedElsewhere(int index);

    void Attach(ComboBoxBackend& backend);

private:
    void PushState(ControlBackend& backend) const override;
    void CheckIndex(int index) const;

    std::vector<std::string> items_;
    int listIndex_ = -1;
    ComboBoxBackend* comboBackend_ = nullptr;
};

// Tells from the notifications of a real drop-down list which of them are
// the user's choices, each choice once. Clicking the item that the open list
// already shows changes no selection, so only the end of the selection tells
// of it; a changed selection is told by both, in either order.
class DropDownChoices {
public:
    enum class Notification {
        DroppedDown,
        SelectionChanged,
        SelectionAccepted,
        SelectionCancelled
    };

    // The item chosen, when the notification is a choice; `selected` is the
    // list's selection as the notification comes.
    std::optional<int> Notified(Notification notification, int selected);

private:
    bool dropped_ = false;
    bool changedWhileDropped_ = false;
    // The choice that an accepted selection made, which the change
    // notification of the same selection may still follow.
    std::optional<int> acceptedChoice_;
};

} // namespace tessik
