#include "platform/controls/ComboBox.h"

#include "platform/RuntimeError.h"

#include <algorithm>
#include <utility>

namespace tessik {

ComboBox::ComboBox(Form& form, std::string name, TwipRect bounds, bool enabled, bool visible)
    : Control(form, std::move(name), bounds, enabled, visible) {}

void ComboBox::AddItem(std::string item) {
    items_.push_back(std::move(item));
    if (comboBackend_)
        comboBackend_->AddItem(items_.back());
}

void ComboBox::RemoveItem(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
    // As the real list does: removing the selected item leaves none
    // selected, removing one above it moves the selection up with it.
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    if (comboBackend_)
        comboBackend_->RemoveItem(index);
}

bool ComboBox::Contains(const std::string& item) const {
    return std::find(items_.begin(), items_.end(), item) != items_.end();
}

std::string ComboBox::Text() const {
    return listIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(listIndex_)];
}

void ComboBox::SetText(const std::string& text) {
    const auto found = std::find(items_.begin(), items_.end(), text);
    if (found == items_.end())
        throw RuntimeError(ErrorNumber::TextNotInList, "'" + text + "' is not in " + Name());
    SetListIndex(static_cast<int>(found - items_.begin()));
}

void ComboBox::SetListIndex(int index) {
    if (index != -1)
        CheckIndex(index);
    listIndex_ = index;
    if (comboBackend_)
        comboBackend_->SetListIndex(index);
    if (index != -1)
        Click();
}

void ComboBox::Click() const {
    if (onClick)
        onClick();
}

void ComboBox::UserSelected(int index) {
    CheckIndex(index);
    if (index == listIndex_ && !repeatedPickIsChoice)
        return;
    listIndex_ = index;
    Click();
}

void ComboBox::UserSelectedElsewhere(int index) {
    CheckIndex(index);
    if (comboBackend_)
        comboBackend_->SetListIndex(index);
    UserSelected(index);
}

void ComboBox::Attach(ComboBoxBackend& backend) {
    comboBackend_ = &backend;
    AttachBackend(backend);
}

void ComboBox::PushState(ControlBackend& backend) const {
    Control::PushState(backend);
    for (const auto& item : items_)
        comboBackend_->AddItem(item);
    comboBackend_->SetListIndex(listIndex_);
}

std::optional<int> DropDownChoices::Notified(Notification notification, int selected) {
    const std::optional<int> item = selected >= 0 ? std::optional<int>(selected) : std::nullopt;
    const std::optional<int> accepted = std::exchange(acceptedChoice_, std::nullopt);
    switch (notification) {
    case Notification::DroppedDown:
        dropped_ = true;
        changedWhileDropped_ = false;
        return std::nullopt;
    case Notification::SelectionChanged:
        if (accepted && accepted == item)
            return std::nullopt;
        changedWhileDropped_ = dropped_;
        return item;
    case Notification::SelectionAccepted:
        if (std::exchange(dropped_, false) && !changedWhileDropped_)
            acceptedChoice_ = item;
        return acceptedChoice_;
    case Notification::SelectionCancelled:
        dropped_ = false;
        return std::nullopt;
    }
    return std::nullopt;
}

void ComboBox::CheckIndex(int index) const {
    if (index < 0 || index >= ListCount())
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           "no item " + std::to_string(index) + " in " + Name());
}

} // namespace tessik
