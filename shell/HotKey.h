#pragma once

#include "platform/HotKeySystem.h"

#include <cstdint>

namespace tessik {

// The global hot key Ctrl+Alt+Space. WM_HOTKEY is caught by a replacement
// window procedure of the main window, which forwards each press as a mouse
// move at (0, 0) posted to a target window; the target's handler switches
// the input mode once the procedure has returned.
class HotKey final : public HotKeyWindowProcedure {
public:
    static constexpr int kId = 0;
    static constexpr uint32_t kModifiers = mod::Alt | mod::Control;
    static constexpr uint32_t kKey = vk::Space;

    explicit HotKey(HotKeySystem& system) : system_(system) {}

    // Registers the hot key for mainWindow and replaces its window
    // procedure, whether or not the registration succeeds. Returns false
    // when the system refused the hot key (another program holds it).
    bool InstallHotKey(WindowHandle mainWindow, WindowHandle targetWindow);
    // Unregisters the hot key and puts the previous window procedure back.
    void RemoveHotKey();
    // The replacement window procedure. Every message, these included, goes
    // on to the previous procedure.
    intptr_t HotKeyWindowProc(WindowHandle hwnd, uint32_t message, uintptr_t wParam,
                              intptr_t lParam) noexcept override;

    // What InstallHotKey was given and what it replaced, kept until the
    // process ends: the main window, the window that receives the forwarded
    // presses, and the main window's previous procedure.
    WindowHandle HotKeyWindow() const { return hotKeyWindow_; }
    WindowHandle HotKeyTarget() const { return hotKeyTarget_; }
    WindowProcedure PreviousWindowProc() const { return previousWindowProc_; }

private:
    HotKeySystem& system_;
    WindowHandle hotKeyWindow_ = 0;
    WindowHandle hotKeyTarget_ = 0;
    WindowProcedure previousWindowProc_ = 0;
};

} // namespace tessik
