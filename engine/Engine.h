#pragma once

#include "engine/Composition.h"
#include "engine/KeyMap.h"
#include "engine/LayoutRecord.h"
#include "engine/PhoneticWord.h"
#include "platform/FileSystem.h"
#include "platform/ForegroundWindow.h"
#include "platform/HookChain.h"
#include "platform/Injector.h"
#include "platform/KeyState.h"
#include "platform/MouseHook.h"
#include "platform/SystemHook.h"
#include "platform/SystemValues.h"

#include <cstdint>
#include <string>
#include <utility>

namespace tessik {

// The built-in layout with which a person spells each word in Latin letters
// and gets it in Bengali. It has no file: a file of this name in the
// layouts folder is never read.
constexpr const char* kPhoneticLayoutName = "Phonetic";

// The keystroke translation engine: the active key map and the layout it
// came from, the output history, the word typed phonetically, and the
// keyboard hook's translation.
class Engine final : public KeyboardHookClient, public MouseButtonListener {
public:
    struct Platform {
        KeyState& keys;
        HookChain& hookChain;
        Injector& injector;
        FileSystem& files;
        ForegroundWindow& foreground;
    };

    Engine(Platform platform, std::string layoutsFolder);

    // The name of the current layout: the one whose file LoadKeyMap reads.
    const std::string& CurrentLayoutName() const { return currentLayoutName_; }
    // Makes `layoutName` the current layout: the built-in phonetic layout for
    // kPhoneticLayoutName, else the layout file of that name. The key map
    // stays as it is until the caller runs LoadKeyMap: the selection steps
    // refresh the tray icon in between, and a load that fails leaves the new
    // name current.
    void SelectLayout(std::string layoutName) {
        phoneticIsCurrent_ = layoutName == kPhoneticLayoutName;
        currentLayoutName_ = std::move(layoutName);
    }
    // The same for the layout file `fileName`, whatever its name: for a tool
    // that is given the file by its path.
    void SelectLayoutFile(std::string fileName) {
        phoneticIsCurrent_ = false;
        currentLayoutName_ = std::move(fileName);
    }
    bool PhoneticIsCurrent() const { return phoneticIsCurrent_; }

    // The one layout record through which every reader and writer of layout
    // files goes, one record at a time. Mutable because the layout writers and
    // ShowLayout, outside the engine, fill it record by record just as
    // LoadKeyMap does.
    LayoutRecord& RecordBuffer() { return recordBuffer_; }

    // Rebuilds the active key map from the file of CurrentLayoutName. All
    // slots are 0 before the file is opened and the new map takes effect
    // only when the whole file has been read, so a failure to open or to
    // read (thrown as RuntimeError) leaves an empty map. A file that ends
    // early is no failure: the records before its end count. For the
    // phonetic layout it reads nothing and makes the scheme active instead.
    // Either way the word typed phonetically so far is done.
    void LoadKeyMap();
    const KeyMap& ActiveKeyMap() const { return keyMap_; }
    // Whether the file that the last LoadKeyMap read is not a layout (see
    // ReadLayoutRecords). Every key then goes on unchanged, as in the system
    // default mode, rather than letter keys typing nothing.
    bool CurrentFileIsNotALayout() const { return currentFileIsNotALayout_; }

    const std::string& LayoutsFolder() const { return layoutsFolder_; }
    std::string LayoutPath(const std::string& layoutName) const;

    // The low-level keyboard hook's logic. Swallows (returns 1) the key-downs
    // it types for; everything else goes on to the next hook. All that one
    // key-down types is injected in a single batch after the translation, so
    // re-entrant calls made by the system while it delivers the batch find
    // the history already complete and cannot interleave with it.
    intptr_t KeyboardHookProc(int32_t code, uintptr_t message, const KeyEvent& event) override;

    // The keys typed one after the other are interrupted: a key-down went on
    // untranslated (with Alt too), another window came to the foreground, a
    // mouse button was pressed, or the hook was installed or removed, when
    // keys go by that it never sees. Whatever the engine pairs across keys
    // (the hasanta key pressed twice) starts afresh, and the word typed
    // phonetically is done: no key edits it again.
    void InterruptKeySequence() noexcept;

    // A mouse button pressed anywhere may have moved the caret.
    void OnMouseButtonDown() noexcept override { InterruptKeySequence(); }

    // Decides one key-down: true when it was handled (its characters are in
    // `batch`) and must be swallowed, false when it must go on unchanged.
    // Keys held with Control or a Windows key, and keys typed into a window
    // that must not get translated characters, go on unchanged.
    bool TranslateKey(const KeyEvent& event, InjectionBatch& batch);

    Composer& Composition() { return composer_; }
    const OutputHistory& History() const { return composer_.History(); }

private:
    // The verdict on the foreground window, kept until another window comes
    // to the foreground, so that a key-down costs one question, not three.
    struct ForegroundVerdict {
        WindowHandle window = 0;
        bool translates = true;
    };

    bool HeldNow(int virtualKey);
    bool ForegroundTakesTranslation();
    bool TranslatePhoneticKey(int64_t key, bool shift, InjectionBatch& batch);
    bool TypeAndRecord(CodeValue keyValue, InjectionBatch& batch);
    bool TypeDigitRowShiftSlot(KeySlot slot, InjectionBatch& batch);
    bool TypeLetterSlot(KeySlot slot, InjectionBatch& batch);

    Platform platform_;
    std::string layoutsFolder_;
    std::string currentLayoutName_;
    LayoutRecord recordBuffer_;
    KeyMap keyMap_;
    bool currentFileIsNotALayout_ = false;
    bool phoneticIsCurrent_ = false;
    Composer composer_;
    PhoneticWord phoneticWord_;
    // The last key-down typed a digit with the phonetic layout, and nothing
    // came between: a full stop now is a decimal point, not the danda.
    bool digitJustTyped_ = false;
    ForegroundVerdict foreground_;
};

} // namespace tessik
