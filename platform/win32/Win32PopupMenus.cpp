#include "platform/win32/Win32PopupMenus.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tessik {
namespace {

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// A caption shown as it is: each '&' doubled, so that none makes an access key.
std::string Literal(const std::string& caption) {
    std::string text;
    for (const char c : caption) {
        if (c == '&')
            text += '&';
        text += c;
    }
    return text;
}

// Appends the entries to `menu`; each command gets the id 1 + its place in
// `commands`, which TrackPopupMenuEx returns for it.
void AppendEntries(HMENU menu, const std::vector<PopupEntry>& entries,
                   std::vector<const PopupEntry*>& commands) {
    for (const PopupEntry& entry : entries) {
        if (entry.kind == PopupEntry::Kind::Separator) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT state =
            (entry.enabled ? MF_ENABLED : MF_GRAYED) | (entry.checked ? MF_CHECKED : MF_UNCHECKED);
        const std::string caption = Literal(entry.caption);
        if (entry.kind == PopupEntry::Kind::Submenu) {
            OwnedMenu submenu(CreatePopupMenu());
            AppendEntries(submenu.get(), entry.entries, commands);
            // From here on the submenu is destroyed with its menu.
            if (AppendMenuA(menu, MF_POPUP | MF_STRING | state,
                            reinterpret_cast<UINT_PTR>(submenu.get()), caption.c_str()))
                submenu.release();
            continue;
        }
        commands.push_back(&entry);
        const auto id = static_cast<UINT>(commands.size());
        AppendMenuA(menu, MF_STRING | state, id, caption.c_str());
        if (entry.isDefault)
            SetMenuDefaultItem(menu, id, FALSE);
    }
}

} // namespace

void Win32PopupMenus::PopupMenu(const MenuItem&, int x, int y) {
    const HWND form = reinterpret_cast<HWND>(form_);
    const PixelRect at = scale_.ToPixels(TwipRect{x, y, 0, 0});
    POINT corner{at.left, at.top};
    ClientToScreen(form, &corner);
    // The menu only closes properly when its owner is the foreground window.
    SetForegroundWindow(form);
    TrackPopupMenu(reinterpret_cast<HMENU>(helpMenu_), 0, corner.x, corner.y, 0, form, nullptr);
    PostMessageA(form, WM_NULL, 0, 0);
}

const PopupEntry* Win32PopupMenus::TrackMenuAtPointer(const std::vector<PopupEntry>& entries) {
    const HWND form = reinterpret_cast<HWND>(form_);
    OwnedMenu menu(CreatePopupMenu());
    std::vector<const PopupEntry*> commands;
    AppendEntries(menu.get(), entries, commands);
    POINT pointer{};
    GetCursorPos(&pointer);
    // The menu opens away from the pointer on the side that the user's
    // settings give drop-down menus.
    const UINT side = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    // Owned by the foreground window, the menu closes when the user clicks
    // elsewhere; the message posted after it makes it close at once the
    // next time too, rather than at the following click.
    SetForegroundWindow(form);
    const int chosen =
        TrackPopupMenuEx(menu.get(), side | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                         pointer.x, pointer.y, form, nullptr);
    PostMessageA(form, WM_NULL, 0, 0);
    if (chosen <= 0 || static_cast<std::size_t>(chosen) > commands.size())
        return nullptr;
    return commands[static_cast<std::size_t>(chosen) - 1];
}

} // namespace tessik
