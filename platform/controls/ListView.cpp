#include "platform/controls/ListView.h"

#include "platform/RuntimeError.h"

#include <utility>

namespace tessik {

ListView::ListView(Form& form, std::string name, TwipRect bounds, bool enabled, bool visible)
    : Control(form, std::move(name), bounds, enabled, visible) {}

void ListView::AddColumn(ListColumn column) {
    columns_.push_back(std::move(column));
    if (listBackend_)
        listBackend_->AddColumn(columns_.back());
}

void ListView::AddRow(int smallIcon) {
    rows_.push_back({smallIcon, {}});
    if (listBackend_)
        listBackend_->AddRow(rows_.back());
}

const ListRow& ListView::Row(int index) const {
    CheckIndex(index);
    return rows_[static_cast<std::size_t>(index)];
}

void ListView::SetRowText(int index, std::string text) {
    CheckIndex(index);
    rows_[static_cast<std::size_t>(index)].subItemText = std::move(text);
    if (listBackend_)
        listBackend_->SetRowText(index, rows_[static_cast<std::size_t>(index)].subItemText);
}

void ListView::SelectRow(int index) {
    CheckIndex(index);
    selectedRow_ = index;
    if (listBackend_)
        listBackend_->SelectRow(index);
}

TwipRect ListView::RowBounds(int index) const {
    CheckIndex(index);
    if (listBackend_)
        return listBackend_->RowBounds(index);
    int width = 0;
    for (const auto& column : columns_)
        width += column.width;
    return {0, index * rowHeight, width, rowHeight};
}

TwipRect ListView::ClientArea() const {
    return listBackend_ ? listBackend_->ClientArea() : Bounds();
}

void ListView::Click() const {
    if (onClick)
        onClick();
}

void ListView::UserSelectedRow(int index) {
    CheckIndex(index);
    selectedRow_ = index;
}

void ListView::Attach(ListViewBackend& backend) {
    listBackend_ = &backend;
    AttachBackend(backend);
}

void ListView::PushState(ControlBackend& backend) const {
    Control::PushState(backend);
    for (const auto& column : columns_)
        listBackend_->AddColumn(column);
    for (const auto& row : rows_)
        listBackend_->AddRow(row);
    listBackend_->SelectRow(selectedRow_.value_or(-1));
}

void ListView::CheckIndex(int index) const {
    if (index < 0 || index >= RowCount())
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           "no row " + std::to_string(index) + " in " + Name());
}

} // namespace tessik
