#pragma once

// Resource ids shared by tessik.rc and the program. Plain numbers, so that
// neither side needs windows.h for them.

// The native-mode icon, which is also the window's icon and, having the
// lowest id, the program's icon in Explorer.
#define TESSIK_ICON_IMGTESSIK 1
// The system-default-mode icon.
#define TESSIK_ICON_IMGENGLISH 2
