#pragma once

// Shared helpers for the engine tests: layouts written as (label, code)
// pairs, and an engine wired to in-memory doubles that a test drives key by key.

#include "engine/Engine.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/MemoryFileSystem.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessik::test {

// Bengali characters the tests type.
namespace bn {
constexpr uint16_t Ka = 0x0995;
constexpr uint16_t Ta = 0x09A4;
constexpr uint16_t Na = 0x09A8;
constexpr uint16_t Ya = 0x09AF;
constexpr uint16_t Ra = 0x09B0;
constexpr uint16_t Ssa = 0x09B7;
constexpr uint16_t Hasanta = 0x09CD;
constexpr uint16_t KhandaTa = 0x09CE;
constexpr uint16_t SignAa = 0x09BE;
constexpr uint16_t SignI = 0x09BF;
constexpr uint16_t LetterA = 0x0985;
constexpr uint16_t LetterAa = 0x0986;
constexpr uint16_t LetterI = 0x0987;
constexpr uint16_t DigitZero = 0x09E6;
constexpr uint16_t RupeeSign = 0x09F3;
constexpr uint16_t Zwnj = 0x200C;
} // namespace bn

constexpr uint16_t kBs = 8; // an injected Backspace

struct LabelCode {
    std::string label;
    CodeValue code;
};
using Layout = std::vector<LabelCode>;

// The bytes of one layout record, encoded by hand rather than by the
// engine's writer, so that reader and writer are each checked on their own.
std::string RecordBytes(CodeValue code, std::string_view label);
std::string LayoutBytes(const Layout& layout);

// Which key, with or without Shift, a key label stands for.
struct KeyPress {
    uint32_t virtualKey;
    bool shift;
};
KeyPress KeyOfLabel(std::string_view label);

// What one key-down did: the hook's result and every unit it injected.
struct KeyResult {
    intptr_t hookResult;
    std::vector<uint16_t> injected;

    bool Swallowed() const { return hookResult == 1; }
    bool Passed() const { return hookResult == FakeHookChain::kPassedOn; }
};

// An engine on in-memory doubles, with a simulated text box that receives
// every batch the way the focused window would.
class EngineRig {
public:
    static constexpr const char* kLayoutsFolder = "Layouts";

    FakeKeyState keys;
    FakeHookChain hookChain;
    RecordingInjector injector;
    MemoryFileSystem files;
    FakeForegroundWindow foreground;
    Engine engine{{keys, hookChain, injector, files, foreground}, kLayoutsFolder};

    void AddLayoutFile(const std::string& name, const std::string& bytes);
    // Writes the layout as a file, makes it current and loads it.
    void Use(const Layout& layout, const std::string& name = "Test");

    // One event through the hook, with the keys held as they are now.
    KeyResult Hook(int32_t code, uintptr_t message, uint32_t virtualKey);
    KeyResult KeyDown(uint32_t virtualKey) { return Hook(0, msg::KeyDown, virtualKey); }
    // One key-down with Shift held or not.
    KeyResult Press(uint32_t virtualKey, bool shift = false);
    // The key that the label names, e.g. "k " or "Shift + R".
    KeyResult Press(std::string_view label);
    // Several labelled keys in order; returns what the last one did.
    KeyResult Type(std::initializer_list<std::string_view> labels);

    CodeValue Slot(std::string_view label) const;
    std::array<CodeValue, OutputHistory::kLength> History() const;
    // What the text box holds after every batch injected so far.
    std::u16string TargetText() const;
};

} // namespace tessik::test
