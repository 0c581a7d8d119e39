#include "engine/HookLifecycle.h"
#include "engine_fixtures.h"
#include "platform/fake/FakeMouseHook.h"
#include "platform/fake/FakeSystemHook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessik {
namespace {

using namespace std::chrono_literals;
using ms = std::chrono::milliseconds;

constexpr WindowHandle kMainWindow = 0x10;
constexpr WindowHandle kEditor = 0x20;
constexpr WindowHandle kElevatedConsole = 0x30;
constexpr WindowHandle kElevatedSetup = 0x40;

// The system's side of the hook: hands out numbered handles and keeps a
// journal of the calls, in order.
class JournalSystemHook : public SystemHook {
public:
    std::vector<std::string> journal;
    uintptr_t lastHandle = 0;
    bool refuse = false;
    WindowHandle foreground = kEditor;

    uintptr_t SetKeyboardHook() override {
        if (refuse) {
            journal.push_back("refused");
            return 0;
        }
        journal.push_back("install " + std::to_string(++lastHandle));
        return lastHandle;
    }
    void Unhook(uintptr_t handle) override {
        journal.push_back("unhook " + std::to_string(handle));
    }
    WindowHandle ForegroundWindow() override { return foreground; }
    void SetForegroundWindow(WindowHandle window) override {
        journal.push_back("foreground " + std::to_string(window));
        foreground = window;
    }
};

// Drives the watchdog the way the platform does: each key event is reported
// by the system and, while the hook gets keys, by the hook too, both with
// the event's time stamp; the periodic check runs every kCheckInterval. The
// clock starts just before the time stamps wrap around.
class HookWatchdogTest : public testing::Test {
protected:
    enum class Order { HookFirst, SystemFirst };

    static EventTime StampOf(ms time) { return static_cast<EventTime>(time.count()); }

    void TurnNativeOn() {
        hooks.InstallHook();
        system.journal.clear();
    }

    void AdvanceTo(ms time) {
        while (nextCheck <= time) {
            now = nextCheck;
            const int before = watchdog.Reinstalls();
            watchdog.Check(now);
            if (watchdog.Reinstalls() != before)
                reinstallTimes.push_back(now);
            nextCheck += HookWatchdog::kCheckInterval;
        }
        now = time;
    }

    // One key event, happening now; its second report comes `lag` later.
    // The system may stamp it a little later than the hook's record says.
    void KeyEvent(Order order = Order::HookFirst, ms lag = 5ms) {
        const EventTime event = StampOf(now);
        const EventTime reported = event + systemStampDelay;
        if (!hookGetsKeys) {
            watchdog.OnSystemKeyboardInput(reported, now);
            return;
        }
        if (order == Order::HookFirst) {
            watchdog.OnHookCalled(event);
            AdvanceTo(now + lag);
            watchdog.OnSystemKeyboardInput(reported, now);
        } else {
            watchdog.OnSystemKeyboardInput(reported, now);
            AdvanceTo(now + lag);
            watchdog.OnHookCalled(event);
        }
    }

    void Type(int events, ms interval, Order order = Order::HookFirst, ms lag = 5ms) {
        for (int i = 0; i < events; ++i) {
            KeyEvent(order, lag);
            AdvanceTo(now + interval);
        }
    }

    test::EngineRig rig;
    JournalSystemHook system;
    FakeKeyboardInputWatch keyboardInput;
    FakeMouseHook mouse;
    HookLifecycle hooks{rig.engine, system, mouse, keyboardInput, kMainWindow};
    HookWatchdog& watchdog = hooks.Watchdog();
    bool hookGetsKeys = true;
    EventTime systemStampDelay = 0;
    ms now{0xFFFFFFFFLL - 5000};
    ms nextCheck = now;
    std::vector<ms> reinstallTimes;
};

TEST_F(HookWatchdogTest, LiveHookIsLeftAloneWhateverOrderTheReportsComeIn) {
    TurnNativeOn();
    Type(300, 40ms, Order::HookFirst);
    Type(300, 40ms, Order::SystemFirst, 30ms);
    systemStampDelay = HookWatchdog::kStampSlack;
    // A busy thread handles one report of a lone key late.
    for (int i = 0; i < 5; ++i) {
        KeyEvent(Order::HookFirst, 2s);
        AdvanceTo(now + 3s);
        KeyEvent(Order::SystemFirst, 400ms);
        AdvanceTo(now + 3s);
    }
    EXPECT_EQ(watchdog.Reinstalls(), 0);
    EXPECT_TRUE(system.journal.empty());
}

TEST_F(HookWatchdogTest, LostHookIsReplacedWithinASecondWithoutTouchingTheForeground) {
    TurnNativeOn();
    for (const ms interval : {60ms, 150ms, 240ms, 400ms}) {
        Type(20, interval);
        hookGetsKeys = false; // the system took the hook away
        const ms firstMissedKey = now;
        const std::size_t before = reinstallTimes.size();
        for (int key = 0; key < 20 && reinstallTimes.size() == before; ++key)
            Type(1, interval);
        ASSERT_EQ(reinstallTimes.size(), before + 1)
            << "typing every " << interval.count() << " ms";
        EXPECT_LE(reinstallTimes.back() - firstMissedKey,
                  HookWatchdog::kDetectAfter + HookWatchdog::kCheckInterval)
            << "typing every " << interval.count() << " ms";
        hookGetsKeys = true; // the new hook gets the keys
        Type(50, interval);
    }
    EXPECT_EQ(watchdog.Reinstalls(), 4);
    // New hook first, then the old one goes; the user keeps the focus.
    EXPECT_EQ(system.journal,
              (std::vector<std::string>{"install 2", "unhook 1", "install 3", "unhook 2",
                                        "install 4", "unhook 3", "install 5", "unhook 4"}));
    EXPECT_EQ(hooks.HookHandle(), 5u);
    EXPECT_EQ(system.foreground, kEditor);
}

TEST_F(HookWatchdogTest, OneKeyAfterTheLossIsEnoughEvenRightAfterTheLastKeySeen) {
    TurnNativeOn();
    Type(2, 60ms);
    hookGetsKeys = false;
    KeyEvent();
    const ms missed = now;
    AdvanceTo(now + 2s);
    ASSERT_EQ(reinstallTimes.size(), 1u);
    EXPECT_LE(reinstallTimes[0] - missed,
              HookWatchdog::kDetectAfter + HookWatchdog::kCheckInterval);
}

TEST_F(HookWatchdogTest, ReportsLaggingFarBehindTheHookAfterFastTypingAreNoLoss) {
    TurnNativeOn();
    // The hook's calls are handled at once. Each key-down injects a
    // character (down and up, stamped when injected), and the key's release,
    // stamped when it happened, comes after them. The system's reports of
    // all these queue up behind and are handled seconds later.
    std::vector<EventTime> events;
    for (int key = 0; key < 300; ++key) {
        const EventTime pressed = StampOf(now);
        const EventTime released = StampOf(now + 1ms);
        AdvanceTo(now + 4ms);
        const EventTime injectedDown = StampOf(now);
        const EventTime injectedUp = StampOf(now + 1ms);
        for (const EventTime event : {pressed, injectedDown, injectedUp, released}) {
            watchdog.OnHookCalled(event);
            events.push_back(event);
        }
    }
    AdvanceTo(now + 3s);
    for (const EventTime event : events) {
        watchdog.OnSystemKeyboardInput(event, now);
        AdvanceTo(now + 2ms);
    }
    AdvanceTo(now + 2s);
    EXPECT_EQ(watchdog.Reinstalls(), 0);
}

TEST_F(HookWatchdogTest, KeysTypedIntoAnElevatedWindowCostOneReinstallPerVisit) {
    TurnNativeOn();
    Type(10, 100ms);
    system.foreground = kElevatedConsole;
    hookGetsKeys = false; // the system keeps these keys from the hook
    Type(100, 100ms);
    EXPECT_EQ(watchdog.Reinstalls(), 1);

    system.foreground = kElevatedSetup;
    Type(100, 100ms);
    EXPECT_EQ(watchdog.Reinstalls(), 2);

    system.foreground = kEditor;
    hookGetsKeys = true;
    Type(100, 100ms);
    EXPECT_EQ(watchdog.Reinstalls(), 2);

    system.foreground = kElevatedConsole;
    hookGetsKeys = false;
    Type(100, 100ms);
    EXPECT_EQ(watchdog.Reinstalls(), 3);
}

TEST_F(HookWatchdogTest, NothingIsWatchedOutsideTheNativeMode) {
    hookGetsKeys = false;
    Type(50, 100ms); // never started: the system default mode
    TurnNativeOn();
    Type(2, 100ms); // missed, but the mode goes off before the check
    hooks.RemoveHook();
    Type(50, 100ms);
    EXPECT_EQ(watchdog.Reinstalls(), 0);

    // Turning it on again starts from a clean slate.
    hookGetsKeys = true;
    TurnNativeOn();
    AdvanceTo(now + 2s);
    EXPECT_EQ(watchdog.Reinstalls(), 0);
    EXPECT_TRUE(system.journal.empty());
}

TEST_F(HookWatchdogTest, RefusedReinstallKeepsTheOldHookAndWaitsForAnotherWindow) {
    TurnNativeOn();
    Type(10, 100ms);
    hookGetsKeys = false;
    system.refuse = true;
    Type(50, 100ms);
    EXPECT_EQ(system.journal, (std::vector<std::string>{"refused"}));
    EXPECT_EQ(hooks.HookHandle(), 1u);

    system.refuse = false;
    system.foreground = kElevatedConsole;
    Type(50, 100ms);
    EXPECT_EQ(system.journal, (std::vector<std::string>{"refused", "install 2", "unhook 1"}));
    EXPECT_EQ(hooks.HookHandle(), 2u);
}

// The watchdog and the system's report of keyboard input live exactly as
// long as a hook is in place, and not at all without one or without the
// report.
TEST_F(HookWatchdogTest, WatchingFollowsTheHooksLife) {
    hooks.InstallHook();
    EXPECT_TRUE(watchdog.IsWatching());
    EXPECT_EQ(keyboardInput.listener, &watchdog);
    EXPECT_EQ(keyboardInput.interval, HookWatchdog::kCheckInterval);
    hooks.RemoveHook();
    EXPECT_FALSE(watchdog.IsWatching());
    EXPECT_EQ(keyboardInput.listener, nullptr);

    system.refuse = true;
    hooks.InstallHook();
    EXPECT_FALSE(watchdog.IsWatching());
    EXPECT_EQ(keyboardInput.listener, nullptr);

    system.refuse = false;
    keyboardInput.refuse = true;
    hooks.InstallHook();
    EXPECT_TRUE(hooks.IsHookInstalled());
    EXPECT_FALSE(watchdog.IsWatching());
}

// The mouse hook that ends a word typed phonetically is in place exactly
// while the keyboard hook is and the phonetic layout is current; the system
// takes it away when it takes the keyboard hook, so it is renewed with it.
TEST_F(HookWatchdogTest, TheMouseHookFollowsTheKeyboardHookAndThePhoneticLayout) {
    const auto choose = [&](const char* layout) {
        rig.engine.SelectLayout(layout);
        hooks.FollowLayout();
    };
    choose("Phonetic");
    EXPECT_FALSE(hooks.IsMouseHookInstalled()); // the system default
    hooks.InstallHook();
    EXPECT_EQ(mouse.installed.size(), 1u);
    EXPECT_EQ(mouse.listener, &rig.engine);
    const auto first = *mouse.installed.begin();
    hooks.ReinstallHook();
    EXPECT_EQ(mouse.installed.size(), 1u);
    EXPECT_NE(*mouse.installed.begin(), first);
    hooks.RemoveHook();
    EXPECT_TRUE(mouse.installed.empty());

    hooks.InstallHook();
    choose("Default");
    EXPECT_TRUE(mouse.installed.empty());
    mouse.refuse = true;
    choose("Phonetic");
    EXPECT_FALSE(hooks.IsMouseHookInstalled());
    mouse.refuse = false;
    choose("Phonetic"); // asked again at the next change
    EXPECT_EQ(mouse.installed.size(), 1u);

    system.refuse = true; // a keyboard hook refused brings no mouse hook
    hooks.RemoveHook();
    hooks.InstallHook();
    EXPECT_TRUE(mouse.installed.empty());
}

// Keys typed while the hook was not there (the system default, or a hook
// that the system had taken away) came between the keys it saw.
TEST_F(HookWatchdogTest, EachInstallationInterruptsTheKeysTypedOneAfterTheOther) {
    rig.Use({{"h ", test::bn::Hasanta}});
    const std::vector<uint16_t> hasanta{test::bn::Hasanta}, joiner{test::bn::Zwnj};
    rig.Press("h ");
    EXPECT_EQ(rig.Press("h ").injected, joiner);
    rig.Press("h ");
    hooks.InstallHook();
    EXPECT_EQ(rig.Press("h ").injected, hasanta);
    hooks.ReinstallHook();
    EXPECT_EQ(rig.Press("h ").injected, hasanta);
    EXPECT_EQ(rig.Press("h ").injected, joiner);
}

} // namespace
} // namespace tessik
