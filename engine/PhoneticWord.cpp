#include "engine/PhoneticWord.h"

#include <algorithm>

namespace tessik {

void PhoneticWord::Type(char key, InjectionBatch& batch) {
    if (keyCount_ == kMaxWordKeys)
        End();
    keys_[keyCount_++] = key;
    InjectChange(batch);
}

bool PhoneticWord::Backspace(InjectionBatch& batch) {
    if (Empty())
        return false;
    --keyCount_;
    InjectChange(batch);
    return true;
}

void PhoneticWord::End() {
    keyCount_ = 0;
    text_.Truncate(0);
}

// Nothing of the word injected means nothing to take back: the Backspaces
// only ever cover this word's own text.
void PhoneticWord::InjectChange(InjectionBatch& batch) {
    const RenderedWord rendered = RenderPhonetic(Keys());
    const std::u16string_view before = text_.View();
    const std::u16string_view after = rendered.View();
    const auto shared = static_cast<std::size_t>(
        std::ranges::mismatch(before, after).in1 - before.begin());
    for (std::size_t i = shared; i < before.size(); ++i)
        batch.Add(InjectionBatch::kBackspace);
    for (const char16_t unit : after.substr(shared))
        batch.Add(unit);
    text_.Truncate(shared);
    text_.Append(after.substr(shared));
}

} // namespace tessik
