#include "platform/win32/Win32ControlBindings.h"

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <optional>
#include <string>

namespace tessik {
namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

std::optional<DropDownChoices::Notification> DropDownNotification(int code) {
    using enum DropDownChoices::Notification;
    switch (code) {
    case CBN_DROPDOWN:
        return DroppedDown;
    case CBN_SELCHANGE:
        return SelectionChanged;
    case CBN_SELENDOK:
        return SelectionAccepted;
    case CBN_SELENDCANCEL:
        return SelectionCancelled;
    default:
        return std::nullopt;
    }
}

// The mouse-move arguments of a control's event: buttons 1 left, 2 right,
// 4 middle; shift 1 Shift, 2 Control, 4 Alt.
int MouseButtons(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
           ((keys & MK_MBUTTON) ? 4 : 0);
}

int ShiftKeys(WPARAM keys) {
    return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

std::unique_ptr<Win32ComboBoxBackend>
ComboBoxBackendFor(Win32DropDownListBinding::Placement placement, WindowHandle window,
                   Win32BindingContext context) {
    if (placement == Win32DropDownListBinding::Placement::Overlay)
        return std::make_unique<Win32OverlayComboBoxBackend>(window, context.scale, context.echo);
    return std::make_unique<Win32ComboBoxBackend>(window, context.scale, context.echo);
}

} // namespace

Win32ButtonBinding::Win32ButtonBinding(WindowHandle window, Button& button,
                                       Win32BindingContext context)
    : Win32ControlBinding(window, button), button_(button),
      backend_(window, context.scale, context.echo) {
    button.Attach(backend_);
}

void Win32ButtonBinding::Command(int code) {
    if (code == BN_CLICKED)
        button_.Click();
}

Win32LabelBinding::Win32LabelBinding(WindowHandle window, Label& label, Win32BindingContext context)
    : Win32ControlBinding(window, label), backend_(window, context.scale, context.echo) {
    label.Attach(backend_);
}

Win32TextBoxBinding::Win32TextBoxBinding(WindowHandle window, TextBox& text,
                                         Win32BindingContext context)
    : Win32ControlBinding(window, text), text_(text), echo_(context.echo),
      backend_(window, context.scale, context.echo) {
    text.Attach(backend_);
}

void Win32TextBoxBinding::Command(int code) {
    if (code != EN_CHANGE || echo_.Active())
        return;
    HWND window = ToHwnd(Window());
    std::string typed(static_cast<std::size_t>(GetWindowTextLengthA(window)), '\0');
    GetWindowTextA(window, typed.data(), static_cast<int>(typed.size()) + 1);
    text_.UserChangedText(std::move(typed));
}

Win32DropDownListBinding::Win32DropDownListBinding(WindowHandle window, ComboBox& list,
                                                   Win32BindingContext context, Placement placement)
    : Win32ControlBinding(window, list), list_(list),
      backend_(ComboBoxBackendFor(placement, window, context)) {
    list.Attach(*backend_);
}

void Win32DropDownListBinding::Command(int code) {
    const auto notification = DropDownNotification(code);
    if (!notification)
        return;
    const auto selected = static_cast<int>(SendMessageA(ToHwnd(Window()), CB_GETCURSEL, 0, 0));
    if (const auto chosen = choices_.Notified(*notification, selected))
        list_.UserSelected(*chosen);
}

Win32ListViewBinding::Win32ListViewBinding(WindowHandle window, ListView& list,
                                           Win32BindingContext context)
    : Win32ControlBinding(window, list), list_(list), echo_(context.echo),
      backend_(window, context.scale, context.echo) {
    list.Attach(backend_);
}

void Win32ListViewBinding::Notify(intptr_t header) {
    const auto* notification = reinterpret_cast<const NMHDR*>(header);
    if (notification->code == NM_CLICK) {
        list_.Click();
    } else if (notification->code == LVN_ITEMCHANGED && !echo_.Active()) {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        const bool selected =
            (change->uNewState & LVIS_SELECTED) != 0 && (change->uOldState & LVIS_SELECTED) == 0;
        if (selected && change->iItem >= 0)
            list_.UserSelectedRow(change->iItem);
    }
}

Win32PictureBoxBinding::Win32PictureBoxBinding(WindowHandle window, PictureBox& picture,
                                               Win32BindingContext context)
    : Win32ControlBinding(window, picture), picture_(picture), scale_(context.scale),
      backend_(window, context.scale, context.echo) {
    picture.Attach(backend_);
}

// The picture box's scale mode is twips.
void Win32PictureBoxBinding::MouseMove(uintptr_t keys, intptr_t position) {
    const auto x = static_cast<float>(GET_X_LPARAM(position) * scale_.TwipsPerPixelX());
    const auto y = static_cast<float>(GET_Y_LPARAM(position) * scale_.TwipsPerPixelY());
    picture_.MouseMove(MouseButtons(keys), ShiftKeys(keys), x, y);
}

} // namespace tessik
