#pragma once

#include "engine/Engine.h"
#include "platform/fake/FakeKeyboard.h"
#include "tools/UsKeyboard.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessik::cli {

// The focused text box, holding UTF-16 units as a Windows edit control does.
class TextBox {
public:
    void Type(uint16_t unit) { units_.push_back(unit); }
    void Backspace() {
        if (!units_.empty())
            units_.pop_back();
    }
    // A surrogate without its partner (a Backspace can split a pair) comes
    // out as U+FFFD.
    std::string Utf8() const;

private:
    std::u16string units_;
};

// The real engine on a simulated desktop: a key-state double holds the
// modifiers, the injector delivers into the text box, and the next hook in
// the chain is a US keyboard that types into the text box whatever key the
// engine passes on.
class SimulatedDesktop {
public:
    struct KeyOutcome {
        bool swallowed = false;
        std::vector<uint16_t> injected; // in order; 8 is a Backspace
    };

    // Loads the key map of the layout file at `layoutFile`, whatever its
    // name, or with none makes the built-in phonetic layout current; a
    // failure is thrown as RuntimeError.
    SimulatedDesktop(FileSystem& files, const std::optional<std::filesystem::path>& layoutFile);

    // Presses and releases one key with its modifiers held.
    KeyOutcome Press(const KeyStroke& stroke);

    const TextBox& Text() const { return textBox_; }
    const KeyMap& ActiveKeyMap() const { return engine_.ActiveKeyMap(); }

private:
    class TextBoxInjector : public Injector {
    public:
        explicit TextBoxInjector(TextBox& textBox) : textBox_(textBox) {}
        void Inject(const InjectionBatch& batch) override;
        std::vector<uint16_t> delivered;

    private:
        TextBox& textBox_;
    };

    class UsKeyboardTarget : public HookChain {
    public:
        UsKeyboardTarget(TextBox& textBox, KeyState& keys) : textBox_(textBox), keys_(keys) {}
        intptr_t CallNextHook(int32_t code, uintptr_t message, const KeyEvent& event) override;
        bool receivedKeyDown = false;

    private:
        TextBox& textBox_;
        KeyState& keys_;
    };

    TextBox textBox_;
    FakeKeyState keys_;
    TextBoxInjector injector_{textBox_};
    UsKeyboardTarget target_{textBox_, keys_};
    // The text box is another program's window: what is typed into it is
    // translated.
    FakeForegroundWindow foreground_;
    Engine engine_;
};

} // namespace tessik::cli
