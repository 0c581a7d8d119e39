#pragma once

// The whole program on in-memory doubles: the engine, the modules and the
// main window, started the way the window binding starts it. Shared by the
// tests of the main window's behaviour.

#include "engine/Engine.h"
#include "engine/HookLifecycle.h"
#include "engine/LayoutRecord.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeHotKeySystem.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/FakeMessageDialog.h"
#include "platform/fake/FakeMouseHook.h"
#include "platform/fake/FakeNotificationArea.h"
#include "platform/fake/FakePopupMenus.h"
#include "platform/fake/FakeSystemHook.h"
#include "platform/fake/FakeSystemMenus.h"
#include "platform/fake/MemoryFileSystem.h"
#include "platform/fake/MemoryRegistry.h"
#include "shell/HotKey.h"
#include "shell/MainWindow.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tessik::test {

constexpr WindowHandle kMainWindow = 0x100;
constexpr WindowHandle kHotkeyTarget = 0x200;
constexpr WindowHandle kOtherApplication = 0x300;
constexpr WindowHandle kApplicationWindow = 0x400;
constexpr WindowProcedure kOriginalProcedure = 0x4000;
constexpr IconHandle kTessikIcon = 0x51;
constexpr IconHandle kEnglishIcon = 0x52;
constexpr const char* kLayouts = "/app/Layouts";
constexpr const char* kSettingsKey = "SOFTWARE\\Tessik\\Settings";

constexpr CodeValue kKa = 0x0995;
constexpr CodeValue kKha = 0x0996;

// The system menu that every top-level window gets.
inline const std::vector<std::string> kStandardSystemMenu = {"Restore",  "Move", "Size", "Minimize",
                                                             "Maximize", "-",    "Close"};

std::string TipOf(const TrayIconRecord& record);
// A tip text as the 64-byte field holds it: NUL-ended, padded with spaces.
std::string Padded(std::string text);

class Program : public ::testing::Test {
protected:
    Program();

    void AddLayout(const std::string& name, const std::vector<LayoutRecord>& records);
    // A layout whose "k " key types `code`.
    void AddLayout(const std::string& name, CodeValue code);
    std::string LayoutPath(const std::string& name) const;

    void StoreKeyLayout(const std::string& name);
    std::optional<std::string> StoredKeyLayout() const;

    MainWindow& Start();

    // Takes the posted messages from the queue and dispatches them, as the
    // message loop does once the window procedure has returned.
    void DispatchPosted();
    void PressHotKey();

    CodeValue LoadedKa() const;
    // What a key-down types now: the injected characters, Backspaces
    // included, or none when the key went on unchanged.
    std::vector<uint16_t> TypeKey(uint32_t virtualKey);
    std::vector<uint16_t> TypeK() { return TypeKey('K'); }
    const TrayIconRecord& ShownIcon() const;
    // The key column of the letter table, row by row.
    std::vector<std::string> KeyColumn() const;

    MemoryFileSystem files;
    FakeKeyState keys;
    FakeHookChain hookChain;
    RecordingInjector injector;
    FakeSystemHook systemHook;
    FakeMessageDialog messages;
    FakeNotificationArea tray;
    MemoryRegistry registry;
    FakeHotKeySystem hotKeySystem;
    FakeDesktop desktop;
    FakeApplication application{desktop, kApplicationWindow, "Tessik"};
    FakeSystemMenus systemMenus;
    FakePopupMenus menus;
    FakeForegroundWindow foreground;
    Engine engine{{keys, hookChain, injector, files, foreground}, kLayouts};
    FakeKeyboardInputWatch keyboardInput;
    FakeMouseHook mouseHook;
    HookLifecycle hooks{engine, systemHook, mouseHook, keyboardInput, kMainWindow};
    HotKey hotKey{hotKeySystem};
    std::optional<MainWindow> window;
};

} // namespace tessik::test
