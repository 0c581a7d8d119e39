#pragma once

#include <array>
#include <cstdint>

namespace tessik {

// The characters that one key-down injects, in order. Fixed capacity, so the
// keyboard hook never allocates: the longest sequence of a layout (a reph
// before a three-consonant conjunct) is 12 items; the change one key makes
// to a word typed phonetically is at most 28 (engine/PhoneticWord.h shows
// why and checks it against the capacity).
class InjectionBatch {
public:
    static constexpr std::size_t kCapacity = 32;
    static constexpr uint16_t kBackspace = 8;

    // Adds a UTF-16 code; 8 is delivered as a press of Backspace. Codes
    // outside 1 to 0xFFFF are not characters and are left out.
    void Add(int32_t code) {
        if (code < 1 || code > 0xFFFF || count_ == kCapacity)
            return;
        units_[count_++] = static_cast<uint16_t>(code);
    }

    std::size_t Size() const { return count_; }
    bool Empty() const { return count_ == 0; }
    uint16_t operator[](std::size_t i) const { return units_[i]; }
    const uint16_t* begin() const { return units_.data(); }
    const uint16_t* end() const { return units_.data() + count_; }

private:
    std::array<uint16_t, kCapacity> units_{};
    std::size_t count_ = 0;
};

// Delivers a batch to the window that has the keyboard focus, as typed, in
// one go so that nothing interleaves, and without waiting for the target.
class Injector {
public:
    virtual ~Injector() = default;
    virtual void Inject(const InjectionBatch& batch) = 0;
};

} // namespace tessik
