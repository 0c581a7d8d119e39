#pragma once

#include "platform/PopupMenus.h"
#include "platform/controls/Menu.h"

#include <functional>
#include <string>
#include <vector>

namespace tessik {

// Records every pop-up menu. While a menu is "open", whileOpen runs, as what
// happens meanwhile would: the user's click on an item of the form's menu,
// a message dispatched by the menu's loop. A menu opened at the pointer is
// kept as it was built, and the user chooses the command that `choice` names
// by its captions (a submenu's caption first), if it is there and enabled.
class FakePopupMenus : public PopupMenus {
public:
    struct Popup {
        std::string menu;
        int x;
        int y;
    };
    std::vector<Popup> shown;
    std::function<void()> whileOpen;

    std::vector<std::vector<PopupEntry>> tracked;
    std::vector<std::string> choice;

    void PopupMenu(const MenuItem& menu, int x, int y) override {
        shown.push_back({menu.Name(), x, y});
        if (whileOpen)
            whileOpen();
    }

    const PopupEntry* TrackMenuAtPointer(const std::vector<PopupEntry>& entries) override {
        tracked.push_back(entries);
        if (whileOpen)
            whileOpen();
        const std::vector<PopupEntry>* level = &entries;
        const PopupEntry* chosen = nullptr;
        for (const std::string& caption : choice) {
            chosen = nullptr;
            for (const PopupEntry& entry : *level) {
                if (entry.kind != PopupEntry::Kind::Separator && entry.caption == caption &&
                    entry.enabled)
                    chosen = &entry;
            }
            if (chosen == nullptr)
                return nullptr;
            level = &chosen->entries;
        }
        return chosen && chosen->kind == PopupEntry::Kind::Command ? chosen : nullptr;
    }
};

} // namespace tessik
