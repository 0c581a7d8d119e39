#pragma once

#include "platform/Handles.h"
#include "platform/controls/Twips.h"
#include "platform/win32/Win32Controls.h"
#include "shell/MainWindowDesign.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tessik {

class Control;
class MainWindow;
class MenuItem;
class MessageDialog;

// The real window of frmMain: created hidden, with every control of the
// design in tab order, at the display's real resolution. Once the window's
// logic is bound to it, the window mirrors the control objects and raises
// their events, and its message loop runs the program.
class Win32MainWindow {
public:
    struct Icons {
        IconHandle large;
        IconHandle small;
    };

    // Throws RuntimeError when the system refuses the window. The owner,
    // the application window, keeps the form directly above it.
    Win32MainWindow(WindowHandle owner, Icons windowIcons);
    ~Win32MainWindow();
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    WindowHandle Handle() const { return form_; }
    // pctHotkey's window, which receives the forwarded hot key.
    WindowHandle HotkeyTarget() const;
    const DisplayScale& Scale() const { return scale_; }
    // The hidden help menu that cmdHelp drops down.
    uintptr_t HelpMenu() const { return helpMenu_; }

    // Connects the logic's control objects to the real controls. Failures
    // outside the logic's own handlers are reported through `messages`.
    // `afterEvent` runs after every tray callback and forwarded hot key.
    void Bind(MainWindow& logic, MessageDialog& messages, std::function<void()> afterEvent);

    // Runs until the window is destroyed; returns the exit code.
    int RunMessageLoop();

private:
    struct Binding;
    struct Procedures;

    void CreateControls();
    uintptr_t FontFor(const design::Font& font);
    void FitDropDownList(std::size_t index);
    void CreateHelpMenu();
    bool HandleFormMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
    void RouteCommand(uintptr_t wParam, intptr_t lParam);
    void RouteNotify(intptr_t lParam);
    void RouteHotkeyMove(uintptr_t wParam, intptr_t lParam);
    void RouteFocus();
    template <class Event> void Raise(Event event) noexcept;

    DisplayScale scale_;
    WindowHandle form_ = 0;
    // The child window of each control of the design, in its order; 0 for
    // the images, which have none.
    std::vector<WindowHandle> children_;
    std::vector<std::pair<design::Font, uintptr_t>> fonts_;
    uintptr_t helpMenu_ = 0;
    uint32_t taskbarCreated_ = 0;
    WindowHandle focusBeforeDeactivation_ = 0;
    EchoGuard echo_;
    std::unique_ptr<Binding> binding_;
};

} // namespace tessik
