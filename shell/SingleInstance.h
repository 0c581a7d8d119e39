#pragma once

#include "platform/Application.h"
#include "platform/TopLevelWindows.h"

#include <string>

namespace tessik {

// The application title of a copy that found another copy running.
constexpr const char* kPreviousInstanceTitle = "Previous Instance";

// Hands over to a copy of the program that is already running: shows its
// main window, the window directly above its application window and owned
// by it, and brings it to the foreground (restored if minimized); then ends
// this process. When no such
// copy is found, this copy goes on under the title "Previous Instance".
// Returns whether the process was ended, after which nothing may run.
bool ActivatePreviousInstance(std::string& applicationTitle, Application& application,
                              TopLevelWindows& windows);

} // namespace tessik
