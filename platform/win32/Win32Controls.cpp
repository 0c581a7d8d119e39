#include "platform/win32/Win32Controls.h"

#include <windows.h>

#include <commctrl.h>

namespace tessik {
namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

} // namespace

template <class Interface> void Win32Backend<Interface>::SetEnabled(bool enabled) {
    EchoGuard::Scope mirroring(guard_);
    EnableWindow(ToHwnd(window_), enabled);
}

template <class Interface> void Win32Backend<Interface>::SetVisible(bool visible) {
    EchoGuard::Scope mirroring(guard_);
    ShowWindow(ToHwnd(window_), visible ? SW_SHOWNA : SW_HIDE);
}

template <class Interface> void Win32Backend<Interface>::SetText(const std::string& text) {
    EchoGuard::Scope mirroring(guard_);
    SetWindowTextA(ToHwnd(window_), text.c_str());
}

template <class Interface> void Win32Backend<Interface>::Move(const TwipRect& bounds) {
    EchoGuard::Scope mirroring(guard_);
    const PixelRect pixels = scale_.ToPixels(bounds);
    SetWindowPos(ToHwnd(window_), nullptr, pixels.left, pixels.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <class Interface> void Win32Backend<Interface>::SetFocus() {
    EchoGuard::Scope mirroring(guard_);
    ::SetFocus(ToHwnd(window_));
}

template <class Interface>
intptr_t Win32Backend<Interface>::Send(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    EchoGuard::Scope mirroring(guard_);
    return SendMessageA(ToHwnd(window_), message, wParam, lParam);
}

template class Win32Backend<ControlBackend>;
template class Win32Backend<ComboBoxBackend>;
template class Win32Backend<ListViewBackend>;

void Win32OverlayComboBoxBackend::SetVisible(bool visible) {
    if (visible) {
        EchoGuard::Scope mirroring(guard_);
        SetWindowPos(ToHwnd(window_), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    Win32ComboBoxBackend::SetVisible(visible);
}

void Win32ComboBoxBackend::AddItem(const std::string& item) {
    Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32ComboBoxBackend::RemoveItem(int index) {
    Send(CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void Win32ComboBoxBackend::SetListIndex(int index) {
    Send(CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32ListViewBackend::AddColumn(const ListColumn& column) {
    LVCOLUMNA info{};
    info.mask = LVCF_WIDTH | LVCF_TEXT;
    info.cx = scale_.XPixels(column.width);
    info.pszText = const_cast<char*>(column.header.c_str());
    Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(columns_++), reinterpret_cast<LPARAM>(&info));
}

// Row pictures are numbered from 1, the image list from 0.
void Win32ListViewBackend::AddRow(const ListRow& row) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0));
    item.iImage = row.smallIcon - 1;
    const auto index = Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (index >= 0 && !row.subItemText.empty())
        SetRowText(static_cast<int>(index), row.subItemText);
}

void Win32ListViewBackend::SetRowText(int index, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(text.c_str());
    Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void Win32ListViewBackend::SelectRow(int index) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (index < 0) {
        // Row -1 stands for every row.
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
        return;
    }
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

TwipRect Win32ListViewBackend::RowBounds(int index) {
    RECT row{};
    row.left = LVIR_BOUNDS;
    if (!Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row)))
        return {};
    return scale_.ToTwips({row.left, row.top, row.right - row.left, row.bottom - row.top});
}

// The list's client area on the form: the row rectangles are relative to it.
TwipRect Win32ListViewBackend::ClientArea() {
    const HWND list = ToHwnd(window_);
    RECT area{};
    GetClientRect(list, &area);
    MapWindowPoints(list, GetParent(list), reinterpret_cast<POINT*>(&area), 2);
    return scale_.ToTwips({area.left, area.top, area.right - area.left, area.bottom - area.top});
}

void Win32FormBackend::Show() {
    ShowWindow(ToHwnd(window_), SW_SHOW);
    SetForegroundWindow(ToHwnd(window_));
}

void Win32FormBackend::Hide() {
    ShowWindow(ToHwnd(window_), SW_HIDE);
}

void Win32FormBackend::Unload() {
    DestroyWindow(ToHwnd(window_));
}

} // namespace tessik
