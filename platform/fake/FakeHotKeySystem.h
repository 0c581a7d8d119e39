#pragma once

#include "platform/HotKeySystem.h"

#include <map>
#include <utility>
#include <vector>

namespace tessik {

// Hot keys, window procedures and a message queue in memory. Hot keys are
// unique system-wide: registering a combination that is taken fails.
class FakeHotKeySystem : public HotKeySystem {
public:
    // What ReplaceWindowProcedure installs: the program's hot-key procedure.
    static constexpr WindowProcedure kHotKeyProcedure = 0xC0DE;
    // What CallWindowProcedure returns, so a test can see it passed through.
    static constexpr intptr_t kPreviousResult = 0x5EED;

    struct HotKey {
        WindowHandle window;
        int id;
    };
    struct Message {
        WindowHandle window;
        uint32_t message;
        uintptr_t wParam;
        intptr_t lParam;
    };

    // Registered combinations (modifiers, key) and their owners.
    std::map<std::pair<uint32_t, uint32_t>, HotKey> hotKeys;
    // The current procedure of each window.
    std::map<WindowHandle, WindowProcedure> procedures;
    std::vector<Message> posted;
    std::vector<std::pair<WindowProcedure, Message>> passedOn;

    bool RegisterGlobalHotKey(WindowHandle window, int id, uint32_t modifiers,
                              uint32_t virtualKey) override {
        return hotKeys.try_emplace({modifiers, virtualKey}, HotKey{window, id}).second;
    }

    bool UnregisterGlobalHotKey(WindowHandle window, int id) override {
        for (auto it = hotKeys.begin(); it != hotKeys.end(); ++it) {
            if (it->second.window == window && it->second.id == id) {
                hotKeys.erase(it);
                return true;
            }
        }
        return false;
    }

    WindowProcedure ReplaceWindowProcedure(WindowHandle window) override {
        return std::exchange(procedures[window], kHotKeyProcedure);
    }

    void RestoreWindowProcedure(WindowHandle window, WindowProcedure previous) override {
        procedures[window] = previous;
    }

    intptr_t CallWindowProcedure(WindowProcedure previous, WindowHandle window, uint32_t message,
                                 uintptr_t wParam, intptr_t lParam) override {
        passedOn.push_back({previous, {window, message, wParam, lParam}});
        return kPreviousResult;
    }

    bool PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                           intptr_t lParam) override {
        posted.push_back({window, message, wParam, lParam});
        return true;
    }
};

} // namespace tessik
