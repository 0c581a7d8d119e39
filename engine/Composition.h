#pragma once

#include "engine/CodeValue.h"
#include "platform/Injector.h"

#include <array>

namespace tessik {

// The codes of the last five characters the engine typed one by one,
// position 0 the oldest and 4 the newest. Never cleared after start.
class OutputHistory {
public:
    static constexpr int kLength = 5;

    CodeValue operator[](int position) const { return codes_[static_cast<std::size_t>(position)]; }
    void Push(CodeValue code);

private:
    std::array<CodeValue, kLength> codes_{};
};

// The composition rules work on the output history alone: the target window
// is never read. What they type is added to the key-down's batch.
class Composer {
public:
    // Records a character just typed, then applies the hasanta + vowel-sign
    // rule: hasanta followed by a vowel sign becomes the independent vowel.
    void RecordOutput(CodeValue code, InjectionBatch& out);

    // The character that a key whose slot holds `value` types now: the
    // hasanta's key types ZERO WIDTH NON-JOINER straight after a hasanta, so
    // that pressing it twice gives the explicit (visible) hasanta.
    CodeValue CharacterForKey(CodeValue value) const;

    // The keys typed one after the other were interrupted: the hasanta last
    // typed is no longer straight before the next key's character.
    void KeySequenceInterrupted() { hasantaJustTyped_ = false; }

    // Types the sequence of special code 1 to 4; any other value does nothing.
    void RunSpecialCode(CodeValue code, InjectionBatch& out);

    const OutputHistory& History() const { return history_; }

private:
    void TypeReph(InjectionBatch& out) const;

    OutputHistory history_;
    // The newest character is a hasanta, and the keys were not interrupted since.
    bool hasantaJustTyped_ = false;
};

} // namespace tessik
