#pragma once

#include "layouts/LayoutFile.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace tessik {

// The text form of a layout, for people and for diffs: one line per row of
// the letter table, in row order, holding the key label in double quotes
// ("" for a row without a key), the row's code value (U+XXXX, or the special
// code 2, 3 or 4) and its letter. Text after '#' is a comment; blank lines
// and comment lines are skipped.
//
//   "k "         U+0995  ক  # 12 ka
//
// The code and the letter only confirm which row a line is: to give a letter
// another key, a person changes the label.

// A text layout that cannot be read. Line() is the 1-based line at fault, or
// 0 when the fault is the text as a whole (too few rows).
class LayoutTextError : public std::runtime_error {
public:
    LayoutTextError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

// Reads the text form: UTF-8, with or without a byte-order mark, or UTF-16
// with one; LF or CR LF line ends. Every label must be "" or name one of the
// 57 key slots, written as the file has it or as people write keys ("y",
// "Shift+Y", "shift + y"), and the result holds the exact key labels. No
// two rows may name the same key, and one row at least must name one: a
// layout without a key is no layout. Throws LayoutTextError.
RowLabels ParseLayoutText(std::string_view text);

// Writes the text form with a short explanatory header. Labels that the form
// cannot hold (a double quote, or a byte outside printable ASCII) are refused
// with std::invalid_argument; no key label is like that.
std::string FormatLayoutText(const RowLabels& labels);

} // namespace tessik
