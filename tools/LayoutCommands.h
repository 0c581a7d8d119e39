#pragma once

#include <string>

namespace tessik::cli {

// Each takes the path of a file that is a layout (see LayoutArgument.h).

// tessik-cli layout show FILE: each row of the letter table with the key
// label that the layout file gives it, read as the letter table reads it.
std::string ShowLayoutFile(const std::string& path);

// tessik-cli layout show Phonetic: each row of the letter table with the
// Latin that types its letter with the built-in phonetic layout on its own,
// as the letter table shows it.
std::string ShowPhoneticLayout();

// tessik-cli layout export FILE: the layout file in its text form.
std::string ExportLayoutFile(const std::string& path);

// tessik-cli layout chart FILE: the keyboard chart of the layout file, an
// SVG document.
std::string ChartLayoutFile(const std::string& path);

// tessik-cli layout import [--force] TEXTFILE OUTFILE: writes the layout file
// of a text form. An OUTFILE that exists is refused unless `replace` says
// otherwise, and TEXTFILE itself always. OUTFILE is left untouched unless
// the whole file could be written.
void ImportLayoutText(const std::string& textPath, const std::string& layoutPath, bool replace);

} // namespace tessik::cli
