#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tessik {

// One character of a text in the ANSI code page: its bytes (one byte, a
// lead byte and its trail byte, or a UTF-8 sequence) and its Unicode code.
// The code is missing when the bytes are no character that the code page
// maps to Unicode and back to the same bytes.
struct AnsiCharacter {
    std::string_view bytes;
    std::optional<char32_t> code;
};

// The system's ANSI code page, in which names typed in the window cross to
// the file system. Texts are cut into its characters, not into single
// bytes: in a double-byte code page a trail byte may look like a backslash,
// and in UTF-8 (65001) a character takes up to four bytes.
//
// The platform supplies the code page's functions as the system has them;
// the rules built on them are the same everywhere, and the doubles can
// behave as the system does in each kind of code page.
class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;

    // `text` split into its characters, in order; the views point into `text`.
    std::vector<AnsiCharacter> Characters(std::string_view text) const;
    // Where the last name of `path` begins: just after its last path
    // separator character ('\' or '/'), or 0 when it has none.
    std::size_t NameStart(std::string_view path) const;
    // The length of `text` in UTF-16 units, which the system's path limits
    // count; bytes that are no character count one each.
    std::size_t Utf16Length(std::string_view text) const;

    // What one of the system's conversions did: the units or bytes it wrote,
    // or 0 and the system's error number.
    struct Conversion {
        int length = 0;
        uint32_t error = 0;
    };

protected:
    // GetACP.
    virtual uint32_t Number() const = 0;
    // IsDBCSLeadByteEx with the ANSI code page: false for every byte of a
    // code page without lead bytes, UTF-8 included.
    virtual bool IsLeadByte(unsigned char byte) const = 0;
    // MultiByteToWideChar(CP_ACP, flags, ...).
    virtual Conversion ToUtf16(uint32_t flags, std::string_view bytes,
                               std::span<char16_t> into) const = 0;
    // WideCharToMultiByte(CP_ACP, flags, ..., no default character given,
    // usedDefault), with usedDefault null or not.
    virtual Conversion FromUtf16(uint32_t flags, std::u16string_view text, std::span<char> into,
                                 bool* usedDefault) const = 0;

private:
    std::size_t CharacterLength(std::string_view rest) const;
    std::optional<char32_t> RoundTrip(std::string_view bytes) const;
};

} // namespace tessik
