#pragma once

#include "platform/SystemMenus.h"

#include <map>
#include <string>
#include <vector>

namespace tessik {

// System menus as lists of item captions, one per window that has a menu.
// The menu's handle is its window's.
class FakeSystemMenus : public SystemMenus {
public:
    std::map<WindowHandle, std::vector<std::string>> menus;
    std::vector<int> removals; // every position asked for, in order
    int redraws = 0;

    MenuHandle GetSystemMenu(WindowHandle window) override {
        return menus.count(window) != 0 ? window : 0;
    }

    int GetMenuItemCount(MenuHandle menu) override {
        const auto found = menus.find(menu);
        return found == menus.end() ? -1 : static_cast<int>(found->second.size());
    }

    bool RemoveMenuItem(MenuHandle menu, int position) override {
        removals.push_back(position);
        auto& items = menus.at(menu);
        if (position < 0 || position >= static_cast<int>(items.size()))
            return false;
        items.erase(items.begin() + position);
        return true;
    }

    void DrawMenuBar(WindowHandle) override { ++redraws; }
};

} // namespace tessik
