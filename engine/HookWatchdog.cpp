#include "engine/HookWatchdog.h"

#include "engine/HookLifecycle.h"

namespace tessik {

HookWatchdog::HookWatchdog(SystemHook& system, HookLifecycle& hooks)
    : system_(system), hooks_(hooks) {}

void HookWatchdog::Stop() {
    watching_ = false;
    missedSince_.reset();
}

void HookWatchdog::OnSystemKeyboardInput(EventTime event, Clock now) {
    const bool seen = latestSeen_ && !IsLater(event, *latestSeen_ + kStampSlack);
    if (watching_ && !missedSince_ && !seen)
        missedSince_ = now;
}

void HookWatchdog::Check(Clock now) {
    if (!watching_ || !missedSince_ || now - *missedSince_ < kDetectAfter)
        return;
    missedSince_.reset();
    if (MayReinstall())
        Reinstall();
}

// A hook that has seen nothing since the last reinstall is most likely
// kept from the keys by the window they go to; only a different foreground
// window is worth another try.
bool HookWatchdog::MayReinstall() {
    return hookSeenSinceReinstall_ || system_.ForegroundWindow() != foregroundAtReinstall_;
}

void HookWatchdog::Reinstall() {
    hooks_.ReinstallHook();
    hookSeenSinceReinstall_ = false;
    foregroundAtReinstall_ = system_.ForegroundWindow();
    ++reinstalls_;
}

} // namespace tessik
