#pragma once

#include "platform/ForegroundWindow.h"
#include "platform/HookChain.h"
#include "platform/Injector.h"
#include "platform/KeyState.h"
#include "platform/SystemValues.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace tessik {

// Key states set by the test: a held key reports the held-now bit.
class FakeKeyState : public KeyState {
public:
    void Hold(int virtualKey, bool held = true) {
        states_[static_cast<std::size_t>(virtualKey & 0xFF)] =
            held ? keystate::HeldNow : int16_t(0);
    }
    void SetRaw(int virtualKey, int16_t state) {
        states_[static_cast<std::size_t>(virtualKey & 0xFF)] = state;
    }
    int16_t AsyncKeyState(int virtualKey) override {
        return states_[static_cast<std::size_t>(virtualKey & 0xFF)];
    }

private:
    std::array<int16_t, 256> states_{};
};

// A desktop of windows that the test brings to the foreground. Windows of
// this process, and the integrity levels of other processes whose tokens can
// be read, are named by the test; every look at a window's process is
// counted.
class FakeForegroundWindow : public ForegroundWindow {
public:
    static constexpr uint32_t kMediumIntegrity = 0x2000; // SECURITY_MANDATORY_MEDIUM_RID
    static constexpr uint32_t kHighIntegrity = 0x3000;   // SECURITY_MANDATORY_HIGH_RID

    WindowHandle foreground = 0;
    std::vector<WindowHandle> ownWindows;
    // Windows not named here have processes whose tokens cannot be read.
    std::map<WindowHandle, uint32_t> integrityLevels;
    uint32_t ownIntegrityLevel = kMediumIntegrity;
    int judgements = 0;

    WindowHandle Current() override { return foreground; }
    WindowProcess ProcessOf(WindowHandle window) override {
        ++judgements;
        if (std::find(ownWindows.begin(), ownWindows.end(), window) != ownWindows.end())
            return {true, ownIntegrityLevel};
        const auto level = integrityLevels.find(window);
        if (level == integrityLevels.end())
            return {false, std::nullopt};
        return {false, level->second};
    }
    uint32_t OwnIntegrityLevel() override { return ownIntegrityLevel; }
};

// Remembers every event passed on; returns a value the test can recognise.
class FakeHookChain : public HookChain {
public:
    static constexpr intptr_t kPassedOn = 0x7E57;

    struct Call {
        int32_t code;
        uintptr_t message;
        uint32_t virtualKey;
    };
    std::vector<Call> calls;

    intptr_t CallNextHook(int32_t code, uintptr_t message, const KeyEvent& event) override {
        calls.push_back({code, message, event.virtualKey});
        return kPassedOn;
    }
};

// Records every batch; an optional callback sees each item as it is
// delivered, which lets a test re-enter the hook the way the system does.
class RecordingInjector : public Injector {
public:
    std::vector<std::vector<uint16_t>> batches;
    std::function<void(uint16_t)> onDeliver;

    void Inject(const InjectionBatch& batch) override {
        batches.emplace_back(batch.begin(), batch.end());
        if (onDeliver) {
            for (uint16_t unit : batch)
                onDeliver(unit);
        }
    }
};

} // namespace tessik
