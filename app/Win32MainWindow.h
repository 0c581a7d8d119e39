#pragma once

#include "platform/Handles.h"
#include "platform/controls/Twips.h"
#include "platform/win32/Win32ControlBindings.h"
#include "platform/win32/Win32Controls.h"
#include "shell/MainWindowDesign.h"

#include <memory>
#include <utility>
#include <vector>

namespace tessik {

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
    // The child window of a control of the design.
    WindowHandle ChildOf(const design::Control& control) const;
    const DisplayScale& Scale() const { return scale_; }
    // The hidden help menu that cmdHelp drops down.
    uintptr_t HelpMenu() const { return helpMenu_; }

    // Connects the logic's control objects to the real controls. What the
    // logic's events throw is reported through `messages`.
    void Bind(MainWindow& logic, MessageDialog& messages);

    // Runs until the window is destroyed; returns the exit code.
    int RunMessageLoop();

    // Destroys the real window, if it is still there, while the logic that
    // its events reach is still there too; no event is raised afterwards.
    void Destroy();

private:
    struct Procedures;

    void CreateControls();
    uintptr_t FontFor(const design::Font& font);
    void FitDropDownList(const design::Control& control);
    void CreateHelpMenu();
    template <class Binding, class Object, class... Options>
    void BindControl(const design::Control& control, Object& object, Options... options);
    Win32ControlBinding* BindingOf(WindowHandle child) const;
    bool HandleFormMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
    void RouteCommand(uintptr_t wParam, intptr_t lParam);
    void RouteFocus();
    template <class Event> void Raise(Event event) noexcept;

    DisplayScale scale_;
    WindowHandle form_ = 0;
    std::vector<std::pair<design::Font, uintptr_t>> fonts_;
    uintptr_t helpMenu_ = 0;
    uint32_t taskbarCreated_ = 0;
    WindowHandle focusBeforeDeactivation_ = 0;
    EchoGuard echo_;

    // Set by Bind.
    MainWindow* logic_ = nullptr;
    MessageDialog* messages_ = nullptr;
    std::vector<std::unique_ptr<Win32ControlBinding>> bindings_;
    std::vector<std::pair<int, MenuItem*>> menuItems_;
    std::unique_ptr<Win32FormBackend> formBackend_;
    WindowHandle lastFocus_ = 0;
};

} // namespace tessik
