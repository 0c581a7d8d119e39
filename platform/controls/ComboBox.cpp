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
    listIndex_ = index;
    Click();
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

void ComboBox::CheckIndex(int index) const {
    if (index < 0 || index >= ListCount())
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           "no item " + std::to_string(index) + " in " + Name());
}

} // namespace tessik
