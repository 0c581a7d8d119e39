#pragma once

#include "platform/SystemMenus.h"

namespace tessik {

// Takes the Close command away from the window: removes the last two items
// of its system menu, which in the standard menu are the separator and
// Close. A window without a system menu, or with an empty one, is left alone.
void DisableClose(SystemMenus& menus, WindowHandle window);

} // namespace tessik
