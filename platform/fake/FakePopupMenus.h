#pragma once

#include "platform/PopupMenus.h"
#include "platform/controls/Menu.h"

#include <functional>
#include <string>
#include <vector>

namespace tessik {

// Records every pop-up menu. While a menu is "open", whileOpen runs, as the
// user's choice of an item would.
class FakePopupMenus : public PopupMenus {
public:
    struct Popup {
        std::string menu;
        int x;
        int y;
    };
    std::vector<Popup> shown;
    std::function<void()> whileOpen;

    void PopupMenu(const MenuItem& menu, int x, int y) override {
        shown.push_back({menu.Name(), x, y});
        if (whileOpen)
            whileOpen();
    }
};

} // namespace tessik
