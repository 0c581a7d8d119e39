#pragma once

#include "platform/Handles.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Control.h"
#include "platform/controls/Form.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Twips.h"

namespace tessik {

// Set while the program itself changes a real control, so that the
// notifications the control sends about it are not taken for the user's.
class EchoGuard {
public:
    class Scope {
    public:
        explicit Scope(EchoGuard& guard) : guard_(guard), was_(guard.active_) {
            guard.active_ = true;
        }
        ~Scope() { guard_.active_ = was_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        EchoGuard& guard_;
        bool was_;
    };

    bool Active() const { return active_; }

private:
    bool active_ = false;
};

// Mirrors a control object into its child window. The design is static:
// only positions change at run time, never sizes.
template <class Interface> class Win32Backend : public Interface {
public:
    Win32Backend(WindowHandle window, const DisplayScale& scale, EchoGuard& guard)
        : window_(window), scale_(scale), guard_(guard) {}

    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;
    void SetText(const std::string& text) override;
    void Move(const TwipRect& bounds) override;
    void SetFocus() override;

protected:
    intptr_t Send(uint32_t message, uintptr_t wParam, intptr_t lParam);

    WindowHandle window_;
    const DisplayScale& scale_;
    EchoGuard& guard_;
};

using Win32ControlBackend = Win32Backend<ControlBackend>;

// A drop-down list (COMBOBOX with CBS_DROPDOWNLIST).
class Win32ComboBoxBackend : public Win32Backend<ComboBoxBackend> {
public:
    using Win32Backend::Win32Backend;
    void AddItem(const std::string& item) override;
    void RemoveItem(int index) override;
    void SetListIndex(int index) override;
};

// A drop-down list shown over its siblings (the key picker over the letter
// table): each time it is shown it goes to the top of the Z order, so it
// gets the clicks and is not painted over.
class Win32OverlayComboBoxBackend final : public Win32ComboBoxBackend {
public:
    using Win32ComboBoxBackend::Win32ComboBoxBackend;
    void SetVisible(bool visible) override;
};

// A list view in report view.
class Win32ListViewBackend final : public Win32Backend<ListViewBackend> {
public:
    using Win32Backend::Win32Backend;
    void AddColumn(const ListColumn& column) override;
    void AddRow(const ListRow& row) override;
    void SetRowText(int index, const std::string& text) override;
    void SelectRow(int index) override;
    TwipRect RowBounds(int index) override;
    TwipRect ClientArea() override;

private:
    int columns_ = 0;
};

// The top-level window of a form.
class Win32FormBackend final : public FormBackend {
public:
    explicit Win32FormBackend(WindowHandle window) : window_(window) {}
    void Show() override;
    void Hide() override;
    void Unload() override;

private:
    WindowHandle window_;
};

} // namespace tessik
