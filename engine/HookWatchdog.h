#pragma once

#include "engine/HookLifecycle.h"
#include "platform/Injector.h"
#include "platform/SystemHook.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tessik {

// Names one key event alike in the hook's report and in the system's: its
// scan code, whether the key is an extended one, and whether it went up.
// (Virtual-key codes would not do: the hook is told "left Shift" where the
// system's report says "Shift".)
using KeyEventId = uint32_t;

constexpr KeyEventId MakeKeyEventId(uint32_t scanCode, bool extended, bool released) {
    return (scanCode & 0xFFFF) | (extended ? 0x10000u : 0u) | (released ? 0x20000u : 0u);
}

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
// Two things look like a lost hook but are not, and must not make the
// watchdog reinstall again and again:
// - keys typed into a window of a more privileged (elevated) program never
//   reach the hook, and reinstalling does not change that. After a
//   reinstall the watchdog waits until the hook has seen a key again, or
//   another window has come to the foreground, before it reinstalls again;
// - the two reports of one key event come one after the other, usually the
//   hook's first: a report is matched with the hook calls of the last
//   kSameKeyWindow by its KeyEventId, and any later hook call shows that
//   the hook is alive.
//
// A reinstall installs the new hook before removing the old one and does
// not touch the foreground window: the user is typing.
//
// All times are milliseconds of one monotonic clock, given by the caller.
class HookWatchdog {
public:
    using Clock = std::chrono::milliseconds;

    static constexpr Clock kSameKeyWindow{250};
    static constexpr Clock kDetectAfter{500};
    // How often the platform should call Check: with it, a key event missed
    // by the hook is caught within kDetectAfter + kCheckInterval.
    static constexpr Clock kCheckInterval{250};

    HookWatchdog(SystemHook& system, HookLifecycle& hooks);

    // Watches from now on (the native mode is on) or no longer.
    void Start() { watching_ = true; }
    void Stop();
    bool IsWatching() const { return watching_; }

    // The keyboard hook got an event. Called from the hook callback, so it
    // does no more than note it.
    void OnHookCalled(KeyEventId event, Clock now) noexcept {
        recentHookCalls_[nextHookCall_] = {event, now};
        nextHookCall_ = (nextHookCall_ + 1) % recentHookCalls_.size();
        missedSince_.reset();
        hookSeenSinceReinstall_ = true;
    }

    // The system received a key event.
    void OnSystemKeyboardInput(KeyEventId event, Clock now);

    // Reinstalls the hook when it has missed keyboard input for too long.
    void Check(Clock now);

    // How many times the watchdog has installed the hook again (or tried to,
    // when the system refused it).
    int Reinstalls() const { return reinstalls_; }

private:
    struct HookCall {
        KeyEventId event = 0;
        Clock time = Clock::min();
    };
    // One key-down's injections come back through the hook before the
    // system's report of the key-down itself can be handled: remember them
    // all, twice over (down and up), and a few more.
    static constexpr std::size_t kRememberedHookCalls = 4 * InjectionBatch::kCapacity;

    bool HookSaw(KeyEventId event, Clock systemInput) const;
    bool MayReinstall();
    void Reinstall();

    SystemHook& system_;
    HookLifecycle& hooks_;
    bool watching_ = false;
    std::array<HookCall, kRememberedHookCalls> recentHookCalls_{};
    std::size_t nextHookCall_ = 0;
    // The first system key event that the hook has not accounted for.
    std::optional<Clock> missedSince_;
    bool hookSeenSinceReinstall_ = true;
    WindowHandle foregroundAtReinstall_ = 0;
    int reinstalls_ = 0;
};

} // namespace tessik
