#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessik::cli {

// One press of a key, with the modifiers held for it.
struct KeyStroke {
    uint32_t virtualKey = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The key and Shift state that type `c` on a US keyboard: "a" is the A key,
// "A" the A key with Shift, "," the key with virtual-key code 188, "\t" Tab
// and "\n" Enter. None for a character that no US key types.
std::optional<KeyStroke> KeyStrokeForCharacter(char c);

// The character a US keyboard gives for the key with or without Shift, when
// nothing intercepts it: none for keys that type nothing (Backspace included:
// it deletes rather than types).
std::optional<char> CharacterOfKey(uint32_t virtualKey, bool shift);

// A key token of the --keys grammar: zero or more of "shift+", "ctrl+",
// "alt+" (a repeated one counts once), then a key name: "a".."z", "0".."9",
// "num0".."num9", "backslash", "space", "enter", "tab", "backspace" or
// "vk:N" with N a decimal virtual-key code from 1 to 254. Case-insensitive.
std::optional<KeyStroke> ParseKeyToken(std::string_view token);

// The token that names a stroke in that grammar, modifiers in the order
// ctrl, alt, shift: "shift+a", "space", "shift+3", "vk:188".
std::string CanonicalToken(const KeyStroke& stroke);

} // namespace tessik::cli
