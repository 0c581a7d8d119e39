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

// The characters that no layout changes: the Bengali digits, on the keypad
// with or without Shift and on the digit row without it, and the rupee sign
// on Shift+4. 0 for every other key.
CodeValue FixedCharacter(int64_t key, bool shift) {
    if (key >= vk::Numpad0 && key <= vk::Numpad0 + 9)
        return kBengaliDigitZero + static_cast<CodeValue>(key - vk::Numpad0);
    if (key >= vk::Digit0 && key <= vk::Digit0 + 9) {
        if (!shift)
            return kBengaliDigitZero + static_cast<CodeValue>(key - vk::Digit0);
        if (key == vk::Digit0 + 4)
            return kRupeeSign;
    }
    return 0;
}

// The Latin character that a key adds to a word typed phonetically, or 0
// for a key that is no part of a word: the letters (Shift gives the
// capital; Caps Lock does nothing), the grave accent, the comma and the
// full stop, and with Shift the colon and the caret.
char PhoneticKey(int64_t key, bool shift) {
    if (key >= vk::LetterA && key <= vk::LetterA + 25)
        return static_cast<char>((shift ? 'A' : 'a') + (key - vk::LetterA));
    switch (key) {
    case vk::Oem3Grave:
        return shift ? 0 : '`';
    case vk::OemComma:
        return shift ? 0 : ',';
    case vk::OemPeriod:
        return shift ? 0 : '.';
    case vk::Oem1Semicolon:
        return shift ? ':' : 0;
    case vk::Digit0 + 6:
        return shift ? '^' : 0;
    default:
        return 0;
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
    // A word is typed with one layout. Between two layout files the hasanta
    // pairing goes on as it always has; keys spelled phonetically come
    // between the keys typed before and after them.
    if (phoneticIsCurrent_) {
        InterruptKeySequence();
        return;
    }
    phoneticWord_.End();
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
    // The characters and Backspaces this program injected come back through
    // the hook too, and go on: they are neither keys to translate nor keys
    // in between.
    if (code == 0 && (message == msg::KeyDown || message == msg::SysKeyDown) &&
        !event.injectedByThisProgram) {
        InjectionBatch batch;
        if (message == msg::KeyDown && TranslateKey(event, batch)) {
            if (!batch.Empty())
                platform_.injector.Inject(batch);
            return 1;
        }
        if (!IsModifierKey(event.virtualKey))
            InterruptKeySequence();
    }
    return platform_.hookChain.CallNextHook(code, message, event);
}

void Engine::InterruptKeySequence() noexcept {
    composer_.KeySequenceInterrupted();
    phoneticWord_.End();
    digitJustTyped_ = false;
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
    if (phoneticIsCurrent_)
        return TranslatePhoneticKey(key, shift, batch);

    if (const CodeValue fixed = FixedCharacter(key, shift))
        return TypeAndRecord(fixed, batch);
    if (shift && key == vk::Digit0 + 3)
        return TypeDigitRowShiftSlot(slot::Shift3, batch);
    if (shift && key == vk::Digit0 + 6)
        return TypeDigitRowShiftSlot(slot::Shift6, batch);
    if (shift && key == vk::Digit0 + 7)
        return TypeDigitRowShiftSlot(slot::Shift7, batch);
    if (key >= vk::LetterA && key <= vk::LetterA + 25) {
        const auto letter = static_cast<char>('A' + (key - vk::LetterA));
        return TypeLetterSlot(shift ? slot::ShiftLetter(letter) : slot::Letter(letter), batch);
    }
    if (key == vk::Oem5Backslash)
        return TypeLetterSlot(shift ? slot::ShiftBackslash : slot::Backslash, batch);
    return false;
}

// The keys that spell go to the word, which injects what their key changes
// in it. A digit or the rupee sign ends the word and is typed as with any
// layout; a full stop right after a digit goes on as the decimal point
// ("1.5"). Backspace takes the last key off the word while it has one.
// Every other key goes on, and so ends the word.
bool Engine::TranslatePhoneticKey(int64_t key, bool shift, InjectionBatch& batch) {
    if (const char latin = PhoneticKey(key, shift)) {
        if (latin == '.' && digitJustTyped_)
            return false;
        digitJustTyped_ = false;
        phoneticWord_.Type(latin, batch);
        return true;
    }
    if (key == vk::Back)
        return phoneticWord_.Backspace(batch);
    if (const CodeValue fixed = FixedCharacter(key, shift)) {
        InterruptKeySequence();
        digitJustTyped_ = fixed != kRupeeSign;
        return TypeAndRecord(fixed, batch);
    }
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
