#pragma once

#include "platform/controls/Control.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessik {

struct ListColumn {
    std::string header;
    int width = 0; // twips
};

// One row of a report view: its small icon and the text of its first
// sub-item, the second column.
struct ListRow {
    int smallIcon = 0;
    std::string subItemText;
};

// Virtual, so that a binding can implement ControlBackend once for all kinds.
class ListViewBackend : public virtual ControlBackend {
public:
    virtual void AddColumn(const ListColumn& column) = 0;
    virtual void AddRow(const ListRow& row) = 0;
    virtual void SetRowText(int index, const std::string& text) = 0;
    // -1 clears the selection.
    virtual void SelectRow(int index) = 0;
    // The row's rectangle in twips, relative to the list's client area, as
    // the real control lays it out (scrolled, at the display's resolution).
    virtual TwipRect RowBounds(int index) = 0;
    // Where the list's client area, inside its border, lies on the form.
    virtual TwipRect ClientArea() = 0;
};

// A list view in report view. Rows are numbered from 0.
class ListView : public Control {
public:
    ListView(Form& form, std::string name, TwipRect bounds, bool enabled, bool visible);

    void AddColumn(ListColumn column);
    const std::vector<ListColumn>& Columns() const { return columns_; }

    void AddRow(int smallIcon);
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Throw RuntimeError (InvalidArgument) for an index outside the list.
    const ListRow& Row(int index) const;
    void SetRowText(int index, std::string text);

    std::optional<int> SelectedRow() const { return selectedRow_; }
    void SelectRow(int index);

    // Where a row lies within the list's client area. Without a real control
    // the rows are stacked from the top, each rowHeight twips high.
    TwipRect RowBounds(int index) const;
    int rowHeight = 540;
    // Where the client area lies on the form. Without a real control it is
    // the whole list, with no border.
    TwipRect ClientArea() const;

    std::function<void()> onClick;
    void Click() const;

    // Platform notifications: the user selected a row (with the mouse, which
    // is followed by a click, or with the keyboard, which is not).
    void UserSelectedRow(int index);

    void Attach(ListViewBackend& backend);

private:
    void PushState(ControlBackend& backend) const override;
    void CheckIndex(int index) const;

    std::vector<ListColumn> columns_;
    std::vector<ListRow> rows_;
    std::optional<int> selectedRow_;
    ListViewBackend* listBackend_ = nullptr;
};

} // namespace tessik
