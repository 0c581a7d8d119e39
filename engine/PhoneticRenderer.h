#pragma once

#include "engine/PhoneticScheme.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tessik {

// The most keys a word holds; the word state ends a word that would grow
// past it.
constexpr std::size_t kMaxWordKeys = 32;

// A word's Bengali, in a buffer that holds the longest any word can render
// to, so that rendering never allocates. Only the first Size() units are set.
class RenderedWord {
public:
    static constexpr std::size_t kCapacity = kMaxWordKeys * kMaxPieceUnits;

    std::size_t Size() const { return size_; }
    std::u16string_view View() const { return {units_.data(), size_}; }

    void Append(char16_t unit) { units_[size_++] = unit; }
    void Append(std::u16string_view units) {
        std::ranges::copy(units, units_.begin() + static_cast<std::ptrdiff_t>(size_));
        size_ += units.size();
    }
    // Keeps the first `size` units.
    void Truncate(std::size_t size) { size_ = size; }

private:
    // Left unset: every key renders its word again, and clearing the whole
    // buffer each time would add about a third to a key's time.
    std::array<char16_t, kCapacity> units_;
    std::size_t size_ = 0;
};

// The Bengali of a word typed in the phonetic scheme, from its Latin keys in
// the order typed (case as typed; only the first kMaxWordKeys are read). The
// keys are split from the left into the longest pieces of the scheme; each
// piece then types the form that its neighbours call for. A key that no
// piece names types itself if it is printable ASCII, else nothing, and
// nothing joins it.
RenderedWord RenderPhonetic(std::string_view keys);

} // namespace tessik
