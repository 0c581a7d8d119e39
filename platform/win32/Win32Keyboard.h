#pragma once

#include "platform/ForegroundWindow.h"
#include "platform/HookChain.h"
#include "platform/Injector.h"
#include "platform/KeyState.h"

#include <cstdint>

namespace tessik {

// GetAsyncKeyState.
class Win32KeyState final : public KeyState {
public:
    int16_t AsyncKeyState(int virtualKey) override;
};

// The dwExtraInfo of every input that this program injects, by which its
// keyboard hook knows this program's own characters when they come back.
// LLKHF_INJECTED cannot tell: it is set for what any program injects.
inline constexpr uintptr_t kOwnInjectionMark = 0x54657373;

// GetForegroundWindow, and the process and integrity level behind a window.
class Win32ForegroundWindow final : public ForegroundWindow {
public:
    Win32ForegroundWindow();
    WindowHandle Current() override;
    WindowProcess ProcessOf(WindowHandle window) override;
    uint32_t OwnIntegrityLevel() override { return integrityLevel_; }

private:
    uint32_t processId_;
    // This process's integrity level (its mandatory label's RID).
    uint32_t integrityLevel_;
};

// CallNextHookEx, with the system's own event record.
class Win32HookChain final : public HookChain {
public:
    intptr_t CallNextHook(int32_t code, uintptr_t message, const KeyEvent& event) override;
};

// One SendInput call per batch, so that nothing the user types can come
// between the characters of one key-down. A character goes as a Unicode
// key press, which reaches the target as WM_CHAR (and comes back through
// the low-level hook as VK_PACKET, a key the engine passes on); code 8 goes
// as a press of the Backspace key. Every input carries kOwnInjectionMark.
class Win32Injector final : public Injector {
public:
    Win32Injector();
    void Inject(const InjectionBatch& batch) override;

private:
    uint16_t backspaceScanCode_;
};

} // namespace tessik
