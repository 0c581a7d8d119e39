#include "shell/SingleInstance.h"

namespace tessik {

bool ActivatePreviousInstance(std::string& applicationTitle, Application& application,
                              TopLevelWindows& windows) {
    const std::string runningTitle = applicationTitle;
    // Our own application window has the same class and title; renamed
    // first, it cannot be the one that the search finds.
    applicationTitle = kPreviousInstanceTitle;
    application.SetTitle(applicationTitle);

    const WindowHandle running = windows.FindTopLevelWindow(kApplicationWindowClass, runningTitle);
    if (running == 0)
        return false;
    // The running copy's main window is owned by its application window,
    // which keeps it directly above. It lives hidden in the tray: the person
    // who started the program again wants to see it. Another window that
    // came between is left alone.
    const WindowHandle mainWindow = windows.WindowAbove(running);
    if (mainWindow != 0 && windows.OwnerOf(mainWindow) == running) {
        windows.ShowWindow(mainWindow);
        windows.OpenIcon(mainWindow);
        windows.SetForegroundWindow(mainWindow);
    }
    application.EndProcess();
    return true;
}

} // namespace tessik
