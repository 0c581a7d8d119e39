#pragma once

#include "engine/HookLifecycle.h"
#include "platform/SystemHook.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace tessik {

// Puts the keyboard hook back when the system has silently taken it away.
//
// Windows removes a low-level hook whose callback took too long, without
// telling the program: the tray would go on saying "native" while no key is
// translated. The watchdog compares two reports of keyboard input, the
// system's own (every key event it received, as the platform reports it)
// and the hook's (every call it got). Keyboard input that the hook has not
// seen for kDetectAfter means the hook is gone, and it is installed again.
//
// Two things look like a lost hook but are not, and must not make the
// watchdog reinstall again and again:
// - keys typed into a window of a more privileged (elevated) program never
//   reach the hook, and reinstalling does not change that. After a
//   reinstall the watchdog waits until the hook has seen a key again, or
//   another window has come to the foreground, before it reinstalls again;
// - the two reports of one key can come in either order, so a hook call up
//   to kSameKeyWindow before a system report accounts for that report.
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
    // How often the platform should call Check: with it, input missed by the
    // hook is caught within kSameKeyWindow + kDetectAfter + kCheckInterval.
    static constexpr Clock kCheckInterval{250};

    HookWatchdog(SystemHook& system, HookLifecycle& hooks);

    // Watches from now on (the native mode is on) or no longer.
    void Start();
    void Stop();
    bool IsWatching() const { return watching_; }

    // The keyboard hook got an event. Called from the hook callback, so it
    // does no more than note the time.
    void OnHookCalled(Clock now) noexcept {
        lastHookCall_ = now;
        missedSince_.reset();
        hookSeenSinceReinstall_ = true;
    }

    // The system received a keyboard event (a key going down or up).
    void OnSystemKeyboardInput(Clock now);

    // Reinstalls the hook when it has missed keyboard input for too long.
    void Check(Clock now);

    // How many times the watchdog has installed the hook again (or tried to,
    // when the system refused it).
    int Reinstalls() const { return reinstalls_; }

private:
    bool HookMissed(Clock systemInput) const;
    bool MayReinstall();
    void Reinstall();

    SystemHook& system_;
    HookLifecycle& hooks_;
    bool watching_ = false;
    std::optional<Clock> lastHookCall_;
    // The first system keyboard event that the hook has not accounted for.
    std::optional<Clock> missedSince_;
    bool hookSeenSinceReinstall_ = true;
    WindowHandle foregroundAtReinstall_ = 0;
    int reinstalls_ = 0;
};

} // namespace tessik
