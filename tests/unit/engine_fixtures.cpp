#include "engine_fixtures.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tessik::test {

std::string RecordBytes(CodeValue code, std::string_view label) {
    const auto u = static_cast<uint32_t>(code);
    const auto n = static_cast<uint16_t>(label.size());
    std::string bytes = {
        static_cast<char>(u & 0xFF),         static_cast<char>((u >> 8) & 0xFF),
        static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF),
        static_cast<char>(n & 0xFF),         static_cast<char>(n >> 8),
    };
    bytes += label;
    return bytes;
}

std::string LayoutBytes(const Layout& layout) {
    std::string bytes;
    for (const auto& [label, code] : layout)
        bytes += RecordBytes(code, label);
    return bytes;
}

KeyPress KeyOfLabel(std::string_view label) {
    if (label == "\\ ")
        return {vk::Oem5Backslash, false};
    if (label == "Shift + |")
        return {vk::Oem5Backslash, true};
    if (label.size() == 2 && label[1] == ' ' && label[0] >= 'a' && label[0] <= 'z')
        return {static_cast<uint32_t>(label[0] - 'a' + 'A'), false};
    if (label.size() == 9 && label.starts_with("Shift + "))
        return {static_cast<uint32_t>(label[8]), true};
    throw std::invalid_argument("no key has the label \"" + std::string(label) + "\"");
}

void EngineRig::AddLayoutFile(const std::string& name, const std::string& bytes) {
    files.files[engine.LayoutPath(name)] = bytes;
}

void EngineRig::Use(const Layout& layout, const std::string& name) {
    AddLayoutFile(name, LayoutBytes(layout));
    engine.SelectLayout(name);
    engine.LoadKeyMap();
}

KeyResult EngineRig::Hook(int32_t code, uintptr_t message, uint32_t virtualKey) {
    const std::size_t batchesBefore = injector.batches.size();
    KeyResult result{engine.KeyboardHookProc(code, message, KeyEvent{virtualKey}), {}};
    // Everything one key-down types goes out in a single batch, and a key
    // that types nothing hands nothing over.
    EXPECT_LE(injector.batches.size(), batchesBefore + 1) << "key " << virtualKey;
    for (std::size_t i = batchesBefore; i < injector.batches.size(); ++i) {
        EXPECT_FALSE(injector.batches[i].empty()) << "key " << virtualKey;
        result.injected.insert(result.injected.end(), injector.batches[i].begin(),
                               injector.batches[i].end());
    }
    return result;
}

KeyResult EngineRig::Press(uint32_t virtualKey, bool shift) {
    keys.Hold(vk::Shift, shift);
    return KeyDown(virtualKey);
}

KeyResult EngineRig::Press(std::string_view label) {
    const KeyPress key = KeyOfLabel(label);
    return Press(key.virtualKey, key.shift);
}

KeyResult EngineRig::Type(std::initializer_list<std::string_view> labels) {
    KeyResult last{};
    for (std::string_view label : labels)
        last = Press(label);
    return last;
}

CodeValue EngineRig::Slot(std::string_view label) const {
    const auto slot = SlotOfLabel(label);
    if (!slot)
        throw std::invalid_argument("not a key label: \"" + std::string(label) + "\"");
    return engine.ActiveKeyMap().At(*slot);
}

std::array<CodeValue, OutputHistory::kLength> EngineRig::History() const {
    std::array<CodeValue, OutputHistory::kLength> codes{};
    for (int i = 0; i < OutputHistory::kLength; ++i)
        codes[static_cast<std::size_t>(i)] = engine.History()[i];
    return codes;
}

std::u16string EngineRig::TargetText() const {
    std::u16string text;
    for (const auto& batch : injector.batches) {
        for (uint16_t unit : batch) {
            if (unit != kBs)
                text += static_cast<char16_t>(unit);
            else if (!text.empty())
                text.pop_back();
        }
    }
    return text;
}

} // namespace tessik::test
