#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessik {

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& text, char32_t c);

// UTF-16 as UTF-8. A surrogate without its partner cannot be written as
// UTF-8 and comes out as U+FFFD.
std::string Utf8OfUtf16(std::u16string_view units);

// Where the first byte of `text` is that is not part of well-formed UTF-8,
// or a NUL, which no text of people holds (it is what UTF-16 read as bytes
// is full of). nullopt when there is none.
std::optional<std::size_t> FirstNonUtf8Byte(std::string_view text);

// Text in a file as UTF-8: UTF-16 with a byte-order mark (little- or
// big-endian, as Windows editors and PowerShell write it) is converted, a
// UTF-8 byte-order mark is dropped, and anything else is returned as it is.
std::string Utf8OfFileText(std::string_view bytes);

} // namespace tessik
