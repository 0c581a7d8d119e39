#include "engine/Engine.h"

#include <utility>

namespace tessik {
namespace {

constexpr CodeValue kBengaliDigitZero = 0x09E6;
constexpr CodeValue kRupeeSign = 0x09F3;

// Keys held for the next key, which type and move nothing themselves.
bool IsModifierKey(uint32_t virtualKey) {
    switch (static_cast<int>(virtualKey)) {
    case vk::Shift:
    case vk::Control:
    case vk::Menu:
    case vk::Capital:
    case vk::LeftShift:
    case vk::RightShift:
    case vk::LeftControl:
    case vk::RightControl:
    case vk::LeftMenu:
    case vk::RightMenu:
    case vk::LeftWindows:
    case vk::RightWindows:
        return true;
    default:
        return false;
    }
}

} // namespace

Engine::Engine(Platform platform, std::string layoutsFolder)
    : platform_(platform), layoutsFolder_(std::move(layoutsFolder)) {}

std::string Engine::LayoutPath(const std::string& layoutName) const {
    return JoinPath(layoutsFolder_, layoutName);
}

void Engine::LoadKeyMap() {
    keyMap_.Clear();
    currentFileIsNotALayout_ = false;
    const auto file = platform_.files.OpenForReading(LayoutPath(currentLayoutName_));
    // Read aside and put in place at the end, so that a read error part-way
    // leaves the map empty rather than holding half a layout.
    KeyMap loaded;
    const bool isLayout =
        ReadLayoutRecords(*file, recordBuffer_, [&loaded](const LayoutRecord& record) {
            if (const auto slot = SlotOfLabel(record.KeyLabel))
                loaded.Set(*slot, record.Code);
        });
    keyMap_ = loaded;
    currentFileIsNotALayout_ = !isLayout;
}

intptr_t Engine::KeyboardHookProc(int32_t code, uintptr_t message, const KeyEvent& event) {
    // Keys held with Alt come as system key-downs (Alt+Tab, F10 too): never
    // translated, but keys in between like any other.
    if (code == 0 && (message == msg::KeyDown || message == msg::SysKeyDown)) {
        InjectionBatch batch;
        if (message == msg::KeyDown && TranslateKey(event, batch)) {
            if (!batch.Empty())
                platform_.injector.Inject(batch);
            return 1;
        }
        // The characters this program injected come back through the hook
        // too, and go on: they are not keys in between.
        if (!event.injectedByThisProgram && !IsModifierKey(event.virtualKey))
            InterruptKeySequence();
    }
    return platform_.hookChain.CallNextHook(code, message, event);
}

void Engine::InterruptKeySequence() {
    composer_.KeySequenceInterrupted();
}

// Only "held now" counts: the "pressed since the last query" bit would still
// be set by the Control of Ctrl+Alt+Space when the next letter comes.
bool Engine::HeldNow(int virtualKey) {
    return (platform_.keys.AsyncKeyState(virtualKey) & keystate::HeldNow) != 0;
}

// The program's own windows (a layout name, the letters that answer a
// message box) get the keys as typed. A window of a process above this one
// never sees injected characters, so there a translated key would be lost;
// only a token that was read tells that a process is above this one.
bool Engine::ForegroundTakesTranslation() {
    const WindowHandle window = platform_.foreground.Current();
    if (window != foreground_.window) {
        // What was typed into the window before is not straight before
        // what is typed into this one.
        InterruptKeySequence();
        const WindowProcess process = platform_.foreground.ProcessOf(window);
        const bool above = process.integrityLevel &&
                           *process.integrityLevel > platform_.foreground.OwnIntegrityLevel();
        foreground_ = {window, !process.isThisProcess && !above};
    }
    return foreground_.translates;
}

bool Engine::TranslateKey(const KeyEvent& event, InjectionBatch& batch) {
    if (currentFileIsNotALayout_)
        return false;
    // Shortcuts with Control or a Windows key (AltGr comes as Control and
    // Alt) are the system's and the programs'.
    if (HeldNow(vk::Control) || HeldNow(vk::LeftWindows) || HeldNow(vk::RightWindows))
        return false;
    if (!ForegroundTakesTranslation())
        return false;
    const bool shift = HeldNow(vk::Shift);
    const auto key = static_cast<int64_t>(event.virtualKey);

    if (key >= vk::Numpad0 && key <= vk::Numpad0 + 9)
        return TypeAndRecord(kBengaliDigitZero + static_cast<CodeValue>(key - vk::Numpad0), batch);
    if (key >= vk::Digit0 && key <= vk::Digit0 + 9) {
        const auto digit = static_cast<int>(key - vk::Digit0);
        if (!shift)
            return TypeAndRecord(kBengaliDigitZero + digit, batch);
        switch (digit) {
        case 3:
            return TypeDigitRowShiftSlot(slot::Shift3, batch);
        case 4:
            return TypeAndRecord(kRupeeSign, batch);
        case 6:
            return TypeDigitRowShiftSlot(slot::Shift6, batch);
        case 7:
            return TypeDigitRowShiftSlot(slot::Shift7, batch);
        default:
            return false;
        }
    }
    if (key >= vk::LetterA && key <= vk::LetterA + 25) {
        const auto letter = static_cast<char>('A' + (key - vk::LetterA));
        return TypeLetterSlot(shift ? slot::ShiftLetter(letter) : slot::Letter(letter), batch);
    }
    if (key == vk::Oem5Backslash)
        return TypeLetterSlot(shift ? slot::ShiftBackslash : slot::Backslash, batch);
    return false;
}

// Every key that types a character comes here; the special codes' own
// characters do not, so only the hasanta's key can give the explicit hasanta.
bool Engine::TypeAndRecord(CodeValue keyValue, InjectionBatch& batch) {
    const CodeValue code = composer_.CharacterForKey(keyValue);
    batch.Add(code);
    composer_.RecordOutput(code, batch);
    return true;
}

// A digit key with Shift types its slot's value as a character, or goes on
// to type what the system layout gives it when the slot is empty.
bool Engine::TypeDigitRowShiftSlot(KeySlot slot, InjectionBatch& batch) {
    const CodeValue value = keyMap_.At(slot);
    if (value == 0)
        return false;
    return TypeAndRecord(value, batch);
}

// Letter and backslash keys are always swallowed, assigned or not.
bool Engine::TypeLetterSlot(KeySlot slot, InjectionBatch& batch) {
    const CodeValue value = keyMap_.At(slot);
    if (IsSpecialCode(value)) {
        composer_.RunSpecialCode(value, batch);
        return true;
    }
    return TypeAndRecord(value, batch);
}

} // namespace tessik
