#include "tools/SimulatedDesktop.h"

namespace tessik::cli {
namespace {

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

// A surrogate without its partner (a Backspace can split a pair) cannot be
// written as UTF-8 and comes out as U+FFFD.
std::string TextBox::Utf8() const {
    std::string text;
    for (std::size_t i = 0; i < units_.size(); ++i) {
        const char16_t unit = units_[i];
        if (IsHighSurrogate(unit) && i + 1 < units_.size() && IsLowSurrogate(units_[i + 1])) {
            AppendUtf8(text, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (units_[++i] - 0xDC00));
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(text, 0xFFFD);
        } else {
            AppendUtf8(text, unit);
        }
    }
    return text;
}

void SimulatedDesktop::TextBoxInjector::Inject(const InjectionBatch& batch) {
    for (const uint16_t unit : batch) {
        delivered.push_back(unit);
        if (unit == InjectionBatch::kBackspace)
            textBox_.Backspace();
        else
            textBox_.Type(unit);
    }
}

// The focused window gets the key the hook passed on. With Control or Alt
// held a key types nothing.
intptr_t SimulatedDesktop::UsKeyboardTarget::CallNextHook(int32_t, uintptr_t message,
                                                          const KeyEvent& event) {
    if (message != msg::KeyDown && message != msg::SysKeyDown)
        return 0;
    receivedKeyDown = true;
    const auto held = [this](int key) {
        return (keys_.AsyncKeyState(key) & keystate::HeldNow) != 0;
    };
    if (held(vk::Control) || held(vk::Menu))
        return 0;
    if (event.virtualKey == vk::Back)
        textBox_.Backspace();
    else if (const auto c = CharacterOfKey(event.virtualKey, held(vk::Shift)))
        textBox_.Type(static_cast<uint16_t>(*c));
    return 0;
}

SimulatedDesktop::SimulatedDesktop(FileSystem& files, const std::string& layoutsFolder,
                                   const std::string& layoutName)
    : engine_({keys_, target_, injector_, files, foreground_}, layoutsFolder) {
    engine_.SelectLayout(layoutName);
    engine_.LoadKeyMap();
}

SimulatedDesktop::SimulatedDesktop(FileSystem& files, const std::filesystem::path& layoutFile)
    : SimulatedDesktop(files,
                       layoutFile.has_parent_path() ? layoutFile.parent_path().string() : ".",
                       layoutFile.filename().string()) {}

// Alt without Control makes the key-down a system key-down, as Windows
// reports it; with Control too (AltGr, Ctrl+Alt) it stays a key-down.
SimulatedDesktop::KeyOutcome SimulatedDesktop::Press(const KeyStroke& stroke) {
    keys_.Hold(vk::Shift, stroke.shift);
    keys_.Hold(vk::Control, stroke.ctrl);
    keys_.Hold(vk::Menu, stroke.alt);
    const bool systemKey = stroke.alt && !stroke.ctrl;
    const KeyEvent event{stroke.virtualKey, nullptr};

    injector_.delivered.clear();
    target_.receivedKeyDown = false;
    engine_.KeyboardHookProc(0, systemKey ? msg::SysKeyDown : msg::KeyDown, event);
    KeyOutcome outcome{!target_.receivedKeyDown, injector_.delivered};
    engine_.KeyboardHookProc(0, systemKey ? msg::SysKeyUp : msg::KeyUp, event);

    keys_.Hold(vk::Shift, false);
    keys_.Hold(vk::Control, false);
    keys_.Hold(vk::Menu, false);
    return outcome;
}

} // namespace tessik::cli
