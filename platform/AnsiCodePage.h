#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tessik {

// One character of a text in the ANSI code page: its bytes (one byte, or a
// lead byte and its trail byte) and its UTF-16 code. The code is missing
// when the bytes are no character that the code page maps to UTF-16 and
// back to the same bytes.
struct AnsiCharacter {
    std::string_view bytes;
    std::optional<char16_t> code;
};

// The system's ANSI code page, in which names typed in the window cross to
// the file system. Names are judged by its characters, not by single bytes:
// in a double-byte code page a trail byte may look like a backslash.
class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // `text` split into its characters, in order; the views point into `text`.
    virtual std::vector<AnsiCharacter> Characters(std::string_view text) const = 0;
};

} // namespace tessik
