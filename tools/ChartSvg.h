#pragma once

#include "tools/KeyboardChart.h"

#include <string>
#include <string_view>

namespace tessik::cli {

// The chart as an SVG document (UTF-8): a title line naming the layout, the
// keyboard, two lines on how to read it and, where the layout has the keys,
// lines on typing the visible hasanta, an independent vowel and the reph. Each key shows its Latin legend
// small, what it types without Shift at the bottom and with Shift at the
// top; text stays text, set in the Bengali fonts of Windows or Linux. The
// same chart gives the same bytes.
std::string ChartSvg(const KeyboardChart& chart);

// Text for an XML document: markup characters escaped, and anything that is
// not a character XML allows (a control character, a byte of no UTF-8
// sequence) replaced by U+FFFD.
std::string XmlText(std::string_view utf8);

} // namespace tessik::cli
