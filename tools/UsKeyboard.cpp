#include "tools/UsKeyboard.h"

#include "platform/SystemValues.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tessik::cli {
namespace {

struct UsKey {
    uint32_t virtualKey;
    char plain;
    char shifted;
};

// The keys of a US keyboard that type a character (NumLock on). The main
// block comes before the keypad, so a character maps back to the main key.
constexpr auto kUsKeys = [] {
    std::array<UsKey, 26 + 10 + 3 + 11 + 10 + 5> keys{};
    std::size_t n = 0;
    for (char c = 'a'; c <= 'z'; ++c)
        keys[n++] = {vk::LetterA + static_cast<uint32_t>(c - 'a'), c,
                     static_cast<char>(c - 'a' + 'A')};
    constexpr std::string_view kDigitsShifted = ")!@#$%^&*(";
    for (char c = '0'; c <= '9'; ++c)
        keys[n++] = {vk::Digit0 + static_cast<uint32_t>(c - '0'), c, kDigitsShifted[c - '0']};
    keys[n++] = {vk::Space, ' ', ' '};
    keys[n++] = {vk::Tab, '\t', '\t'};
    keys[n++] = {vk::Return, '\n', '\n'};
    for (const UsKey key : {UsKey{vk::Oem1Semicolon, ';', ':'}, UsKey{vk::OemPlus, '=', '+'},
                            UsKey{vk::OemComma, ',', '<'}, UsKey{vk::OemMinus, '-', '_'},
                            UsKey{vk::OemPeriod, '.', '>'}, UsKey{vk::Oem2Slash, '/', '?'},
                            UsKey{vk::Oem3Grave, '`', '~'}, UsKey{vk::Oem4OpenBracket, '[', '{'},
                            UsKey{vk::Oem5Backslash, '\\', '|'},
                            UsKey{vk::Oem6CloseBracket, ']', '}'}, UsKey{vk::Oem7Quote, '\'', '"'}})
        keys[n++] = key;
    for (char c = '0'; c <= '9'; ++c)
        keys[n++] = {vk::Numpad0 + static_cast<uint32_t>(c - '0'), c, c};
    for (const UsKey key :
         {UsKey{vk::Multiply, '*', '*'}, UsKey{vk::Add, '+', '+'}, UsKey{vk::Subtract, '-', '-'},
          UsKey{vk::Decimal, '.', '.'}, UsKey{vk::Divide, '/', '/'}})
        keys[n++] = key;
    return keys;
}();

struct NamedKey {
    std::string_view name;
    uint32_t virtualKey;
};

constexpr NamedKey kNamedKeys[] = {
    {"backslash", vk::Oem5Backslash}, {"space", vk::Space}, {"enter", vk::Return}, {"tab", vk::Tab},
    {"backspace", vk::Back},
};

// In the order in which a canonical token writes them.
struct Modifier {
    std::string_view prefix;
    bool KeyStroke::*held;
};

constexpr Modifier kModifiers[] = {
    {"ctrl+", &KeyStroke::ctrl},
    {"alt+", &KeyStroke::alt},
    {"shift+", &KeyStroke::shift},
};

constexpr std::string_view kVkPrefix = "vk:";
constexpr std::string_view kNumpadPrefix = "num";

std::optional<uint32_t> KeyOfName(std::string_view name) {
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        return vk::LetterA + static_cast<uint32_t>(name[0] - 'a');
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9')
        return vk::Digit0 + static_cast<uint32_t>(name[0] - '0');
    if (name.size() == 4 && name.starts_with(kNumpadPrefix) && name[3] >= '0' && name[3] <= '9')
        return vk::Numpad0 + static_cast<uint32_t>(name[3] - '0');
    for (const NamedKey& key : kNamedKeys) {
        if (key.name == name)
            return key.virtualKey;
    }
    if (name.starts_with(kVkPrefix)) {
        const std::string_view digits = name.substr(kVkPrefix.size());
        uint32_t code = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), code);
        if (!digits.empty() && error == std::errc() && end == digits.data() + digits.size() &&
            code >= 1 && code <= 254)
            return code;
    }
    return std::nullopt;
}

} // namespace

std::optional<KeyStroke> KeyStrokeForCharacter(char c) {
    for (const UsKey& key : kUsKeys) {
        if (key.plain == c)
            return KeyStroke{key.virtualKey};
        if (key.shifted == c)
            return KeyStroke{key.virtualKey, true};
    }
    return std::nullopt;
}

std::optional<char> CharacterOfKey(uint32_t virtualKey, bool shift) {
    const auto found = std::find_if(kUsKeys.begin(), kUsKeys.end(),
                                    [&](const UsKey& key) { return key.virtualKey == virtualKey; });
    if (found == kUsKeys.end())
        return std::nullopt;
    return shift ? found->shifted : found->plain;
}

std::optional<KeyStroke> ParseKeyToken(std::string_view token) {
    std::string lower(token);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    std::string_view rest = lower;
    KeyStroke stroke;
    for (bool more = true; more;) {
        more = false;
        for (const Modifier& modifier : kModifiers) {
            if (rest.starts_with(modifier.prefix)) {
                stroke.*modifier.held = true;
                rest.remove_prefix(modifier.prefix.size());
                more = true;
            }
        }
    }
    const auto key = KeyOfName(rest);
    if (!key)
        return std::nullopt;
    stroke.virtualKey = *key;
    return stroke;
}

std::string CanonicalToken(const KeyStroke& stroke) {
    std::string token;
    for (const Modifier& modifier : kModifiers) {
        if (stroke.*modifier.held)
            token += modifier.prefix;
    }
    const uint32_t virtualKey = stroke.virtualKey;
    if (virtualKey >= vk::LetterA && virtualKey < vk::LetterA + 26)
        return token + static_cast<char>('a' + (virtualKey - vk::LetterA));
    if (virtualKey >= vk::Digit0 && virtualKey < vk::Digit0 + 10)
        return token + static_cast<char>('0' + (virtualKey - vk::Digit0));
    if (virtualKey >= vk::Numpad0 && virtualKey < vk::Numpad0 + 10)
        return token + std::string(kNumpadPrefix) +
               static_cast<char>('0' + (virtualKey - vk::Numpad0));
    for (const NamedKey& key : kNamedKeys) {
        if (key.virtualKey == virtualKey)
            return token + std::string(key.name);
    }
    return token + std::string(kVkPrefix) + std::to_string(virtualKey);
}

} // namespace tessik::cli
