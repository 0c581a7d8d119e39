#pragma once

#include "platform/KeyboardInputWatch.h"
#include "platform/SystemHook.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace tessik {

class HookLifecycle;

// Puts the keyboard hook back when the system has silently taken it away.
//
// Windows removes a low-level hook whose callback took too long, without
// telling the program: the tray would go on saying "native" while no key is
// translated. The watchdog sets two reports of keyboard input side by side:
// the system's (every key event it received, as the platform reports it)
// and the hook's (every call it got). A key event that the system reports
// and the hook has not seen means the hook is gone if the hook still sees
// nothing kDetectAfter later, and it is installed again.
//
// The hook has seen an event when it has seen that event or a later one,
// by the events' own time stamps: the two reports of a key event can come
// seconds apart when the user types fast, and in either order. The system's
// stamp may be up to kStampSlack later than the hook's for the same event.
//
// Keys typed into a window of a more privileged (elevated) program never
// reach the hook either, and reinstalling does not change that. After a
// reinstall the watchdog waits until the hook has seen a key again, or
// another window has come to the foreground, before it reinstalls again.
//
// `now` is milliseconds of a monotonic clock, given by the caller. The
// hook's lifecycle owns the watchdog and starts and stops it with the hook.
class HookWatchdog final : public HookCallListener, public KeyboardInputListener {
public:
    using Clock = std::chrono::milliseconds;

    static constexpr EventTime kStampSlack = 50;
    static constexpr Clock kDetectAfter{500};
    // How often the platform should call Check: with it, a key event missed
    // by the hook is caught within kDetectAfter + kCheckInterval.
    static constexpr Clock kCheckInterval{250};

    HookWatchdog(SystemHook& system, HookLifecycle& hooks);

    bool IsWatching() const { return watching_; }

    // The keyboard hook got an event. Called from the hook callback, so it
    // does no more than note it.
    void OnHookCalled(EventTime event) noexcept override {
        if (!latestSeen_ || IsLater(event, *latestSeen_))
            latestSeen_ = event;
        missedSince_.reset();
        hookSeenSinceReinstall_ = true;
    }

    // The system received a key event.
    void OnSystemKeyboardInput(EventTime event, Clock now) override;

    // Reinstalls the hook when it has missed keyboard input for too long.
    void Check(Clock now) override;

    // How many times the watchdog has installed the hook again (or tried to,
    // when the system refused it).
    int Reinstalls() const { return reinstalls_; }

private:
    friend class HookLifecycle;

    // Watches from now on (the hook is in place) or no longer.
    void Start() { watching_ = true; }
    void Stop();

    static bool IsLater(EventTime a, EventTime b) { return static_cast<int32_t>(a - b) > 0; }
    bool MayReinstall();
    void Reinstall();

    SystemHook& system_;
    HookLifecycle& hooks_;
    bool watching_ = false;
    // The time of the latest event the hook has seen.
    std::optional<EventTime> latestSeen_;
    // The first system key event that the hook has not accounted for.
    std::optional<Clock> missedSince_;
    bool hookSeenSinceReinstall_ = true;
    WindowHandle foregroundAtReinstall_ = 0;
    int reinstalls_ = 0;
};

} // namespace tessik
