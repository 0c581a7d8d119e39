#pragma once

#include "platform/PopupMenus.h"

#include <vector>

namespace tessik {

class MainWindow;

// The menu of a right click on the tray icon, built from the window as it
// is when the menu opens: "Show Tessik", which does what a double-click on
// the icon does; the layouts of the layout list, the current one checked,
// enabled exactly while the list is, each chosen as in the list; "Help",
// the help menu of the Help button; "Exit", which asks as the Exit button
// does. The entries act on `window`, which must outlive them.
std::vector<PopupEntry> TrayMenu(MainWindow& window);

} // namespace tessik
