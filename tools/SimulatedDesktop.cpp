#include "tools/SimulatedDesktop.h"

#include "layouts/TextEncoding.h"

namespace tessik::cli {

std::string TextBox::Utf8() const {
    return Utf8OfUtf16(units_);
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

SimulatedDesktop::SimulatedDesktop(FileSystem& files,
                                   const std::optional<std::filesystem::path>& layoutFile)
    : engine_({keys_, target_, injector_, files, foreground_},
              layoutFile && layoutFile->has_parent_path() ? layoutFile->parent_path().string()
                                                          : ".") {
    if (layoutFile)
        engine_.SelectLayoutFile(layoutFile->filename().string());
    else
        engine_.SelectLayout(kPhoneticLayoutName);
    engine_.LoadKeyMap();
}

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
