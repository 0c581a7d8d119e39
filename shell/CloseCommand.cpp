#include "shell/CloseCommand.h"

namespace tessik {

void DisableClose(SystemMenus& menus, WindowHandle window) {
    const MenuHandle menu = menus.GetSystemMenu(window);
    if (menu == 0)
        return;
    // -1: the menu could not be read, so nothing is known to be there.
    const int count = menus.GetMenuItemCount(menu);
    if (count <= 0)
        return;
    menus.RemoveMenuItem(menu, count - 1);
    menus.RemoveMenuItem(menu, count - 2);
    menus.DrawMenuBar(window);
}

} // namespace tessik
