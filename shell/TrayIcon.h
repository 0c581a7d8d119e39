#pragma once

#include "platform/NotificationArea.h"

#include <string>
#include <string_view>

namespace tessik {

// The message with which the shell reports mouse actions on the icon; the
// mouse message comes in the low word of lParam. A message of the program's
// own, so that no real mouse move over the window can pass for a click.
constexpr uint32_t kTrayCallbackMessage = wm::App + 1;

constexpr uint32_t kTrayIconId = 1;
constexpr uint32_t kTrayIconFlags = tray::MessageFlag | tray::IconFlag | tray::TipFlag;

// The tip while translation is off.
std::string SystemDefaultTip();
// The tip while translation is on; two lines, naming the current layout.
std::string NativeTip(std::string_view layoutName);

// A complete tray icon record. The tip is ended with a NUL, padded with
// spaces to the 64 bytes of its field and cut there when it is longer.
TrayIconRecord MakeTrayIconRecord(WindowHandle window, IconHandle icon, std::string_view tip);

} // namespace tessik
