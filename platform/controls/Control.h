#pragma once

#include "platform/controls/Twips.h"

#include <string>

namespace tessik {

class Form;

// Mirrors a control's state into the real control. The Win32 binding
// implements it over the control's window; tests may record it.
class ControlBackend {
public:
    virtual ~ControlBackend() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetVisible(bool visible) = 0;
    // The caption of a button or label, the text of a text box.
    virtual void SetText(const std::string& text) = 0;
    virtual void Move(const TwipRect& bounds) = 0;
    virtual void SetFocus() = 0;
};

// A control of a form: the state that the logic reads and sets, held here so
// that the logic runs the same with or without a real window behind it.
// Changes made by the program go to the backend; changes made by the user
// come in through the platform notifications, which do not echo back.
class Control {
public:
    Control(Form& form, std::string name, TwipRect bounds, bool enabled, bool visible);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    const TwipRect& Bounds() const { return bounds_; }
    void Move(int left, int top);

    void SetFocus();
    bool HasFocus() const;

    // Platform notification: the user moved the focus here.
    void GotFocus();

protected:
    // Remembers the backend and brings the real control up to this state.
    void AttachBackend(ControlBackend& backend);
    virtual void PushState(ControlBackend& backend) const;

    ControlBackend* backend_ = nullptr;

private:
    Form& form_;
    std::string name_;
    TwipRect bounds_;
    bool enabled_;
    bool visible_;
};

} // namespace tessik
