#pragma once

#include <string>

namespace tessik::cli {

// tessik-cli layout show FILE: each row of the letter table with the key
// label that the layout file gives it, read as the letter table reads it.
std::string ShowLayoutFile(const std::string& path);

// tessik-cli layout export FILE: the layout file in its text form.
std::string ExportLayoutFile(const std::string& path);

// tessik-cli layout chart FILE: the keyboard chart of the layout file, an
// SVG document.
std::string ChartLayoutFile(const std::string& path);

// tessik-cli layout import TEXTFILE OUTFILE: writes the layout file of a text
// form. OUTFILE is left untouched unless the whole file could be written.
void ImportLayoutText(const std::string& textPath, const std::string& layoutPath);

} // namespace tessik::cli
