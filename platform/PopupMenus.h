#pragma once

namespace tessik {

class MenuItem;

// The form's pop-up menu service.
class PopupMenus {
public:
    virtual ~PopupMenus() = default;
    // Drops down the items of the top-level menu `menu` of the form, with the
    // menu's top-left corner at (x, y) of the form's client area, in twips,
    // and lets the user choose with the left mouse button. Returns when the
    // menu has closed; the item chosen, if any, raises its click.
    virtual void PopupMenu(const MenuItem& menu, int x, int y) = 0;
};

} // namespace tessik
