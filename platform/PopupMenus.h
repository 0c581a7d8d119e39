#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tessik {

class MenuItem;

// An entry of a menu that the program builds each time it opens it.
struct PopupEntry {
    enum class Kind { Command, Separator, Submenu };

    Kind kind = Kind::Command;
    // Shown as it is: an '&' in it is a character, not an access key.
    std::string caption;
    bool enabled = true;
    bool checked = false;
    // Drawn in bold, as the entry that a double-click on the icon chooses.
    bool isDefault = false;
    // Of a submenu.
    std::vector<PopupEntry> entries;
    // Of a command: what choosing it does, run once the menu has closed.
    std::function<void()> choose;
};

// The form's pop-up menu service.
class PopupMenus {
public:
    virtual ~PopupMenus() = default;
    // Drops down the items of the top-level menu `menu` of the form, with the
    // menu's top-left corner at (x, y) of the form's client area, in twips,
    // and lets the user choose with the left mouse button. Returns when the
    // menu has closed; the item chosen, if any, raises its click.
    virtual void PopupMenu(const MenuItem& menu, int x, int y) = 0;
    // Opens `entries` at the mouse pointer, as the menu of a notification-
    // area icon opens: either mouse button chooses, and a click anywhere
    // else closes it. Returns when it has closed: the command chosen, or
    // nullptr.
    virtual const PopupEntry* TrackMenuAtPointer(const std::vector<PopupEntry>& entries) = 0;
};

} // namespace tessik
