#pragma once

#include "platform/Handles.h"

#include <functional>
#include <string>

namespace tessik {

class Control;

// Shows, hides and unloads the real window.
class FormBackend {
public:
    virtual ~FormBackend() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Destroys the window; the program ends with its only form.
    virtual void Unload() = 0;
};

// A top-level window: its visibility, its handle and which of its controls
// has the focus.
class Form {
public:
    Form(std::string caption, WindowHandle handle, bool visible = false);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Caption() const { return caption_; }
    WindowHandle Handle() const { return handle_; }

    bool Visible() const { return visible_; }
    // Shows the window non-modally.
    void Show();
    void Hide();

    // Runs the unload event, then destroys the window. Also what the
    // platform calls when it closes the window itself (log-off, shut-down).
    void Unload();
    bool Loaded() const { return loaded_; }
    std::function<void()> onUnload;

    const Control* ActiveControl() const { return focused_; }

    void Attach(FormBackend& backend);

private:
    friend class Control;

    std::string caption_;
    WindowHandle handle_;
    bool visible_;
    bool loaded_ = true;
    const Control* focused_ = nullptr;
    FormBackend* backend_ = nullptr;
};

} // namespace tessik
