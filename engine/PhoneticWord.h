#pragma once

#include "engine/PhoneticRenderer.h"
#include "platform/Injector.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tessik {

// A key added at the end of a word, or taken off it, changes the split into
// pieces only from the first piece that starts within the last
// kMaxPieceKeys - 1 keys of the shorter word, since every piece before saw
// all the keys it could match. So at most kMaxPieceKeys - 1 pieces of the
// shorter word and kMaxPieceKeys of the longer change, and the piece before
// them, which may look ahead (the nasal). Each types at most kMaxPieceUnits.
constexpr std::size_t kMaxUnitsChangedByOneKey = (2 * kMaxPieceKeys + 1) * kMaxPieceUnits;
static_assert(InjectionBatch::kCapacity >= kMaxUnitsChangedByOneKey,
              "one phonetic key's Backspaces and characters go in one batch");

// The word being typed with the phonetic scheme: its Latin keys and the
// Bengali injected for it. Each change renders the whole word again and
// injects only the difference: a Backspace for each UTF-16 unit after the
// part that the old and the new text share, then the new text after it.
// Every unit the scheme types is a character of its own (there are no
// surrogate pairs in it), and a Backspace takes one character off.
class PhoneticWord {
public:
    // Adds a key (its Latin character, case as typed: Shift gives the
    // capital) and puts the change into `batch`. A key beyond kMaxWordKeys
    // ends the word and starts the next with it.
    void Type(char key, InjectionBatch& batch);

    // Takes the last key off the word and puts the change into `batch`.
    // False, and nothing done, when the word has no key: the Backspace is
    // then for the text before it.
    bool Backspace(InjectionBatch& batch);

    // The word is done: its text stays as it is and no key edits it again.
    // Nothing is injected.
    void End();

    bool Empty() const { return keyCount_ == 0; }
    std::string_view Keys() const { return {keys_.data(), keyCount_}; }
    // What has been injected for the word, as the target shows it.
    std::u16string_view Text() const { return text_.View(); }

private:
    void InjectChange(InjectionBatch& batch);

    std::array<char, kMaxWordKeys> keys_{};
    std::size_t keyCount_ = 0;
    RenderedWord text_;
};

} // namespace tessik
