#include "layouts/RowTable.h"

#include <algorithm>

namespace tessik {

// The ten vowel signs follow the letter A directly (the other independent
// vowels have no rows: hasanta + vowel sign types them). Khanda ta comes
// after RRA, RHA and YYA, and the signs are not in code-point order.
// RRA, RHA and YYA are escaped because editors like to store them as two
// characters (the letter plus a nukta); the table means the one code point.
const std::array<LetterRow, kRowCount> kRows = {{
    {0x0985, "a", "অ"},
    {0x09BE, "aa sign", "◌া"},
    {0x09BF, "i sign", "◌ি"},
    {0x09C0, "ii sign", "◌ী"},
    {0x09C1, "u sign", "◌ু"},
    {0x09C2, "uu sign", "◌ূ"},
    {0x09C3, "vocalic r sign", "◌ৃ"},
    {0x09C7, "e sign", "◌ে"},
    {0x09C8, "ai sign", "◌ৈ"},
    {0x09CB, "o sign", "◌ো"},
    {0x09CC, "au sign", "◌ৌ"},
    {0x0995, "ka", "ক"},
    {0x0996, "kha", "খ"},
    {0x0997, "ga", "গ"},
    {0x0998, "gha", "ঘ"},
    {0x0999, "nga", "ঙ"},
    {0x099A, "ca", "চ"},
    {0x099B, "cha", "ছ"},
    {0x099C, "ja", "জ"},
    {0x099D, "jha", "ঝ"},
    {0x099E, "nya", "ঞ"},
    {0x099F, "tta", "ট"},
    {0x09A0, "ttha", "ঠ"},
    {0x09A1, "dda", "ড"},
    {0x09A2, "ddha", "ঢ"},
    {0x09A3, "nna", "ণ"},
    {0x09A4, "ta", "ত"},
    {0x09A5, "tha", "থ"},
    {0x09A6, "da", "দ"},
    {0x09A7, "dha", "ধ"},
    {0x09A8, "na", "ন"},
    {0x09AA, "pa", "প"},
    {0x09AB, "pha", "ফ"},
    {0x09AC, "ba", "ব"},
    {0x09AD, "bha", "ভ"},
    {0x09AE, "ma", "ম"},
    {0x09AF, "ya", "য"},
    {0x09B0, "ra", "র"},
    {0x09B2, "la", "ল"},
    {0x09B6, "sha", "শ"},
    {0x09B7, "ssa", "ষ"},
    {0x09B8, "sa", "স"},
    {0x09B9, "ha", "হ"},
    {0x09DC, "rra", "\u09DC"},
    {0x09DD, "rha", "\u09DD"},
    {0x09DF, "yya", "\u09DF"},
    {0x09CE, "khanda ta", "ৎ"},
    {0x0982, "anusvara", "◌ং"},
    {0x0983, "visarga", "◌ঃ"},
    {0x0981, "candrabindu", "◌ঁ"},
    {0x09CD, "hasanta", "◌্"},
    {special::HasantaYa, "ya-phala", "◌্য"},
    {special::HasantaRa, "ra-phala", "◌্র"},
    {special::Reph, "reph", "র্◌"},
    {0x0964, "danda", "।"},
}};

std::optional<int> RowOfCode(CodeValue code) {
    const auto found = std::find_if(kRows.begin(), kRows.end(),
                                    [code](const LetterRow& row) { return row.code == code; });
    if (found == kRows.end())
        return std::nullopt;
    return static_cast<int>(found - kRows.begin());
}

} // namespace tessik
