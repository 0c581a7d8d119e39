#pragma once

#include "platform/Handles.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Twips.h"
#include "platform/win32/Win32Controls.h"

#include <memory>

namespace tessik {

// What every binding of a control object to its child window is given.
struct Win32BindingContext {
    const DisplayScale& scale;
    EchoGuard& echo;
};

// Binds one control object to its child window: the binding owns the
// backend that mirrors the object into the window, and turns the window's
// notifications into the object's events. The form hands each notification
// to the binding of the window it came from. The events may throw; the
// form reports what they throw.
class Win32ControlBinding {
public:
    virtual ~Win32ControlBinding() = default;
    Win32ControlBinding(const Win32ControlBinding&) = delete;
    Win32ControlBinding& operator=(const Win32ControlBinding&) = delete;

    WindowHandle Window() const { return window_; }
    // The user moved the keyboard focus into the window.
    void FocusArrived() { object_.GotFocus(); }

    // WM_COMMAND from the window, with its notification code.
    virtual void Command(int /*code*/) {}
    // WM_NOTIFY from the window; `header` points at its NMHDR.
    virtual void Notify(intptr_t /*header*/) {}
    // WM_MOUSEMOVE inside the window.
    virtual void MouseMove(uintptr_t /*keys*/, intptr_t /*position*/) {}

protected:
    Win32ControlBinding(WindowHandle window, Control& object) : window_(window), object_(object) {}

private:
    WindowHandle window_;
    Control& object_;
};

// A push button: BN_CLICKED is a click.
class Win32ButtonBinding final : public Win32ControlBinding {
public:
    Win32ButtonBinding(WindowHandle window, Button& button, Win32BindingContext context);
    void Command(int code) override;

private:
    Button& button_;
    Win32ControlBackend backend_;
};

// A static text, which raises no events.
class Win32LabelBinding final : public Win32ControlBinding {
public:
    Win32LabelBinding(WindowHandle window, Label& label, Win32BindingContext context);

private:
    Win32ControlBackend backend_;
};

// A one-line text box: the user's edits arrive as EN_CHANGE.
class Win32TextBoxBinding final : public Win32ControlBinding {
public:
    Win32TextBoxBinding(WindowHandle window, TextBox& text, Win32BindingContext context);
    void Command(int code) override;

private:
    TextBox& text_;
    EchoGuard& echo_;
    Win32ControlBackend backend_;
};

// A drop-down list: the user's choices, each once, out of its CBN_
// notifications.
class Win32DropDownListBinding final : public Win32ControlBinding {
public:
    // An overlay list is shown over its siblings (the key picker over the
    // letter table).
    enum class Placement { InPlace, Overlay };

    Win32DropDownListBinding(WindowHandle window, ComboBox& list, Win32BindingContext context,
                             Placement placement = Placement::InPlace);
    void Command(int code) override;

private:
    ComboBox& list_;
    DropDownChoices choices_;
    std::unique_ptr<Win32ComboBoxBackend> backend_;
};

// A list view: NM_CLICK is a click, and a row newly selected by the user is
// a row selection.
class Win32ListViewBinding final : public Win32ControlBinding {
public:
    Win32ListViewBinding(WindowHandle window, ListView& list, Win32BindingContext context);
    void Notify(intptr_t header) override;

private:
    ListView& list_;
    EchoGuard& echo_;
    Win32ListViewBackend backend_;
};

// A picture box, which only receives mouse moves, in twips.
class Win32PictureBoxBinding final : public Win32ControlBinding {
public:
    Win32PictureBoxBinding(WindowHandle window, PictureBox& picture, Win32BindingContext context);
    void MouseMove(uintptr_t keys, intptr_t position) override;

private:
    PictureBox& picture_;
    const DisplayScale& scale_;
    Win32ControlBackend backend_;
};

} // namespace tessik
