// Time and heap allocations of one key-down through the keyboard hook with a
// layout file loaded or with the phonetic layout current, the injections
// going nowhere, and the time to load a layout file of 55 records.

#include "allocation_counter.h"

#include "engine/Engine.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/MemoryFileSystem.h"

#include <benchmark/benchmark.h>

namespace tessik::bench {
namespace {

constexpr CodeValue kHasanta = 0x09CD;
constexpr CodeValue kVowelSignAa = 0x09BE;

class NullInjector : public Injector {
public:
    void Inject(const InjectionBatch& batch) override { delivered += batch.Size(); }
    std::size_t delivered = 0;
};

class NullHookChain : public HookChain {
public:
    intptr_t CallNextHook(int32_t, uintptr_t, const KeyEvent&) override { return 0; }
};

// A complete layout as the editor writes it: the 55 labels other than
// "Shift + 6" and "Shift + 7", each with its own letter, except for the
// hasanta on H, the vowel sign AA on A and the reph on Shift+Z.
std::string FullLayoutFile() {
    MemoryFileSystem files;
    auto out = files.OpenForWriting("Layout");
    for (KeySlot slot = 0; slot < kKeySlotCount; ++slot) {
        if (slot == slot::Shift6 || slot == slot::Shift7)
            continue;
        CodeValue code = 0x0980 + slot;
        if (slot == slot::Letter('H'))
            code = kHasanta;
        else if (slot == slot::Letter('A'))
            code = kVowelSignAa;
        else if (slot == slot::ShiftLetter('Z'))
            code = special::Reph;
        WriteLayoutRecord(*out, {code, std::string(kKeyLabels[static_cast<std::size_t>(slot)])});
    }
    out->Close();
    return files.files["Layout"];
}

class EngineOnNullSinks {
public:
    EngineOnNullSinks() {
        files.files[engine.LayoutPath("Bench")] = FullLayoutFile();
        engine.SelectLayout("Bench");
        engine.LoadKeyMap();
    }

    void KeyDown(uint32_t virtualKey) {
        benchmark::DoNotOptimize(engine.KeyboardHookProc(0, msg::KeyDown, KeyEvent{virtualKey}));
    }

    FakeKeyState keys;
    NullHookChain hookChain;
    NullInjector injector;
    MemoryFileSystem files;
    FakeForegroundWindow foreground;
    Engine engine{{keys, hookChain, injector, files, foreground}, "Layouts"};
};

// Runs pressKeys (keysPerIteration key-downs) in the timed loop and reports
// the time and the heap allocations per key-down. The hook must not allocate.
template <typename PressKeys>
void MeasureKeyDowns(benchmark::State& state, int keysPerIteration, PressKeys pressKeys) {
    const std::size_t allocationsBefore = AllocationCount();
    for (auto _ : state)
        pressKeys();
    const std::size_t allocations = AllocationCount() - allocationsBefore;

    const double keyDowns = static_cast<double>(state.iterations()) * keysPerIteration;
    state.counters["time_per_keydown"] =
        benchmark::Counter(keyDowns, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_keydown"] = static_cast<double>(allocations) / keyDowns;
    if (allocations != 0)
        state.SkipWithError("the keyboard hook allocated on the heap");
}

void KeyDownLetter(benchmark::State& state) {
    EngineOnNullSinks bench;
    MeasureKeyDowns(state, 1, [&] { bench.KeyDown('K'); });
}

void KeyDownDigit(benchmark::State& state) {
    EngineOnNullSinks bench;
    MeasureKeyDowns(state, 1, [&] { bench.KeyDown(vk::Digit0 + 5); });
}

// Hasanta, then the vowel sign that turns it into the independent vowel:
// the second key-down injects the sign, two Backspaces and the vowel.
void KeyDownVowelSignAfterHasanta(benchmark::State& state) {
    EngineOnNullSinks bench;
    MeasureKeyDowns(state, 2, [&] {
        bench.KeyDown('H');
        bench.KeyDown('A');
    });
}

// The hasanta's key pressed again and again: every other press finds a
// hasanta just before and types ZERO WIDTH NON-JOINER instead.
void KeyDownHasantaTwice(benchmark::State& state) {
    EngineOnNullSinks bench;
    MeasureKeyDowns(state, 2, [&] {
        bench.KeyDown('H');
        bench.KeyDown('H');
    });
}

// The reph before a three-consonant conjunct, the longest sequence: twelve
// injections. The reph leaves the history as it was, so every repeat does
// the same work.
void KeyDownRephBeforeConjunct(benchmark::State& state) {
    EngineOnNullSinks bench;
    for (uint32_t key : {'N', 'H', 'T', 'H', 'R'})
        bench.KeyDown(key);
    bench.keys.Hold(vk::Shift);
    bench.injector.delivered = 0;
    MeasureKeyDowns(state, 1, [&] { bench.KeyDown('Z'); });
    if (bench.injector.delivered != 12 * static_cast<std::size_t>(state.iterations()))
        state.SkipWithError("the reph did not type the whole conjunct");
}

// A key the engine does not type for, handed to the next hook.
void KeyDownPassedOn(benchmark::State& state) {
    EngineOnNullSinks bench;
    MeasureKeyDowns(state, 1, [&] { bench.KeyDown(vk::Space); });
}

// A twelve-key word (বিশ্ববিদ্যাল) typed key by key with the phonetic layout,
// then ended as a click ends it: every key renders the word so far again
// and injects what changed, 14 injections in all ("h" erases স for শ, "o"
// types nothing, "b" and "y" join with the hasanta).
void KeyDownPhoneticWord(benchmark::State& state) {
    constexpr std::string_view kWord = "bishbobidyal";
    static_assert(kWord.size() == 12);
    EngineOnNullSinks bench;
    bench.engine.SelectLayout(kPhoneticLayoutName);
    bench.engine.LoadKeyMap();
    MeasureKeyDowns(state, static_cast<int>(kWord.size()), [&] {
        for (const char key : kWord)
            bench.KeyDown(static_cast<uint32_t>(vk::LetterA + (key - 'a')));
        bench.engine.InterruptKeySequence();
    });
    if (bench.injector.delivered != 14 * static_cast<std::size_t>(state.iterations()))
        state.SkipWithError("the word did not type as spelled");
}

void LoadKeyMapOf55Records(benchmark::State& state) {
    EngineOnNullSinks bench;
    const std::size_t allocationsBefore = AllocationCount();
    for (auto _ : state)
        bench.engine.LoadKeyMap();
    state.counters["allocs_per_load"] = static_cast<double>(AllocationCount() - allocationsBefore) /
                                        static_cast<double>(state.iterations());
}

BENCHMARK(KeyDownLetter);
BENCHMARK(KeyDownDigit);
BENCHMARK(KeyDownVowelSignAfterHasanta);
BENCHMARK(KeyDownHasantaTwice);
BENCHMARK(KeyDownRephBeforeConjunct);
BENCHMARK(KeyDownPassedOn);
BENCHMARK(KeyDownPhoneticWord);
BENCHMARK(LoadKeyMapOf55Records);

} // namespace
} // namespace tessik::bench

BENCHMARK_MAIN();
