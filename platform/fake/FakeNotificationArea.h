#pragma once

#include "platform/NotificationArea.h"

#include <functional>
#include <map>
#include <vector>

namespace tessik {

// A notification area that keeps its icons as the shell does: an add of an
// icon it already has, and a modify or delete of one it lacks, are refused.
// Restart() loses every icon, as a restart of the shell does.
class FakeNotificationArea : public NotificationArea {
public:
    struct Call {
        TrayMessage message;
        TrayIconRecord record;
        bool accepted;
    };
    std::vector<Call> calls;
    // The icons shown now, by window and id.
    std::map<std::pair<WindowHandle, uint32_t>, TrayIconRecord> icons;
    // Runs at the start of every call, to look at the rest of the program
    // at that moment.
    std::function<void(TrayMessage)> beforeNotify;

    bool Notify(TrayMessage message, const TrayIconRecord& record) override {
        if (beforeNotify)
            beforeNotify(message);
        const auto id = std::make_pair(record.hWnd, record.uID);
        const bool present = icons.count(id) != 0;
        bool accepted = false;
        switch (message) {
        case TrayMessage::Add:
            accepted = !present;
            break;
        case TrayMessage::Modify:
            accepted = present;
            break;
        case TrayMessage::Delete:
            accepted = present;
            break;
        }
        if (accepted) {
            if (message == TrayMessage::Delete)
                icons.erase(id);
            else
                icons[id] = record;
        }
        calls.push_back({message, record, accepted});
        return accepted;
    }

    bool AcceptShellMessages(WindowHandle window, uint32_t callbackMessage) override {
        acceptedShellMessages.push_back({window, callbackMessage});
        return true;
    }
    // Every window and callback message that the shell's messages were let through to.
    std::vector<std::pair<WindowHandle, uint32_t>> acceptedShellMessages;

    void Restart() { icons.clear(); }
};

} // namespace tessik
