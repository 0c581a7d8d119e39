#include "engine/KeySlots.h"
#include "layouts/LayoutText.h"
#include "layouts/TextEncoding.h"
#include "platform/fake/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessik {
namespace {

// A complete layout: row i gets the i-th key label, except rows that
// `withoutKey` names (1-based), which get "".
RowLabels SampleLabels(std::vector<int> withoutKey = {}) {
    RowLabels labels;
    for (int row = 0; row < kRowCount; ++row)
        labels[row] = std::string(kKeyLabels[row]);
    for (const int rowNumber : withoutKey)
        labels[rowNumber - 1] = "";
    return labels;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

// The row lines of the formatted sample; line i is row i + 1.
std::vector<std::string> SampleRowLines() {
    std::vector<std::string> rows;
    for (const auto& line : Lines(FormatLayoutText(SampleLabels())))
        if (!line.starts_with("#"))
            rows.push_back(line);
    return rows;
}

// Parses text that must fail, and returns the error's line and message.
std::pair<int, std::string> ErrorOf(const std::string& text) {
    try {
        ParseLayoutText(text);
    } catch (const LayoutTextError& error) {
        return {error.Line(), error.what()};
    }
    ADD_FAILURE() << "parsed without an error:\n" << text;
    return {-1, ""};
}

TEST(LayoutText, WritesOneReadableLinePerRow) {
    const std::vector<std::string> rows = SampleRowLines();
    ASSERT_EQ(rows.size(), 55u);
    EXPECT_EQ(rows[0], "\"Shift + A\"  U+0985  অ  # 1 a");
    EXPECT_EQ(rows[26], "\"a \"         U+09A4  ত  # 27 ta");
    EXPECT_EQ(rows[51], "\"z \"         2       ◌্য  # 52 ya-phala");
    EXPECT_EQ(rows[53], "\"\\ \"         4       র্◌  # 54 reph");
    EXPECT_EQ(rows[54], "\"Shift + 3\"  U+0964  ।  # 55 danda");
    EXPECT_EQ(Lines(FormatLayoutText(SampleLabels({12})))[8 + 11],
              "\"\"           U+0995  ক  # 12 ka");
}

TEST(LayoutText, ReadsWhatItWritesAndWritesWhatItReads) {
    const RowLabels labels = SampleLabels({3, 20, 55});
    const std::string text = FormatLayoutText(labels);
    EXPECT_EQ(ParseLayoutText(text), labels);

    // text -> layout file -> text gives the same text.
    MemoryFileSystem files;
    LayoutRecord buffer;
    WriteLayoutFile(files, "L", buffer, ParseLayoutText(text));
    RowLabels shown;
    ReadLayoutRows(*files.OpenForReading("L"), buffer,
                   [&shown](int row, const std::string& label) { shown[row] = label; });
    EXPECT_EQ(FormatLayoutText(shown), text);

    // layout file -> text -> layout file gives the same bytes.
    const std::string firstFile = files.files["L"];
    files.files.erase("L");
    WriteLayoutFile(files, "L", buffer, ParseLayoutText(FormatLayoutText(shown)));
    EXPECT_EQ(files.files["L"], firstFile);
}

TEST(LayoutText, SkipsCommentsAndBlankLinesAndAcceptsWindowsLineEnds) {
    std::vector<std::string> rows = SampleRowLines();
    rows[0] = "  \"Shift + A\"\tu+985 অ";
    rows[1] = "\"Shift + B\" U+09BE া # without the dotted circle";
    rows[9] += "   # a comment # with a second sign";
    std::string text = "\xEF\xBB\xBF# header\r\n\r\n   \t\r\n";
    for (const auto& row : rows)
        text += row + "\r\n";
    text += "# trailing comment";
    EXPECT_EQ(ParseLayoutText(text), SampleLabels());
}

TEST(LayoutText, AcceptsLettersInTheirTwoCharacterForms) {
    std::vector<std::string> rows = SampleRowLines();
    rows[9] = "\"Shift + J\" U+09CB \u09C7\u09BE";  // O sign
    rows[10] = "\"Shift + K\" U+09CC \u09C7\u09D7"; // AU sign
    rows[43] = "\"r \" U+09DC \u09A1\u09BC";        // RRA
    rows[45] = "\"t \" U+09DF \u09AF\u09BC";        // YYA
    EXPECT_EQ(ParseLayoutText(Joined(rows)), SampleLabels());
}

TEST(LayoutText, NamesTheLineOfAWrongLine) {
    const std::vector<std::string> rows = SampleRowLines();
    struct Case {
        int row; // 0-based row whose line is replaced; its line number is row + 2
        std::string line;
        std::string message;
    };
    const Case cases[] = {
        {3, "Shift + D  U+09C0  ী", "line 5: expected a key label in double quotes"},
        {3, "\"Shift + D  U+09C0  ী", "line 5: the key label has no closing double quote"},
        {3, "\"Shift + D\"  U+09C0", "line 5: expected the code value and the letter"},
        {3, "\"Shift + D\"  U+09C0  ী  extra", "line 5: unexpected \"extra\" after the letter"},
        {3, "\"Shift + D\"  0x09C0  ী", "line 5: \"0x09C0\" is not a code value"},
        {3, "\"Shift + D\"  U+09BF  ি", "line 5: row 4 (ii sign) has the code U+09C0, not U+09BF"},
        {3, "\"Shift + D\"  U+09C0  ি", "line 5: the letter of row 4 (ii sign) is ◌ী, not ি"},
        {51, "\"Shift + |\"  U+09CD  ◌্য", "line 53: row 52 (ya-phala) has the code 2, not U+09CD"},
        {11, "\"Shift + L\"  U+0996  খ", "line 13: row 12 (ka) is missing"},
        {11, "\"Shift + L\"  U+0997  গ", "line 13: rows 12 (ka) to 13 (kha) are missing"},
        {3, "\"D\"  U+09C0  ী",
         "line 5: unknown key label \"D\" (nearest: \"Shift + D\", \"d \"); "
         "the 57 key labels are listed under \"Creating a layout\""},
        {3, "\"|\"  U+09C0  ী",
         "line 5: unknown key label \"|\" (nearest: \"Shift + |\", \"\\ \")"},
        {3, "\"Shift + #\"  U+09C0  ী",
         "line 5: unknown key label \"Shift + #\" (nearest: \"Shift + 3\")"},
        {3, "\"Shift + 1\"  U+09C0  ী",
         "line 5: unknown key label \"Shift + 1\" (nearest: \"Shift + 3\", \"Shift + 6\", \"Shift "
         "+ 7\")"},
        {3, "\"ctrl+d\"  U+09C0  ী", "line 5: unknown key label \"ctrl+d\"; the 57 key labels"},
        {3, "\"Shift + A\"  U+09C0  ী",
         "line 5: the key label \"Shift + A\" is used twice (also on line 2)"},
        {3, "\"shift+a\"  U+09C0  ী",
         "line 5: the key label \"shift+a\" is used twice (also on line 2)"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = rows;
        lines[c.row] = c.line;
        const auto [line, message] = ErrorOf("# first line\n" + Joined(lines));
        EXPECT_EQ(line, c.row + 2) << c.line;
        EXPECT_TRUE(message.starts_with(c.message)) << message;
    }
}

TEST(LayoutText, WantsExactlyFiftyFiveRows) {
    std::vector<std::string> rows = SampleRowLines();
    rows.pop_back();
    const auto [line, message] = ErrorOf(Joined(rows) + "# end\n");
    EXPECT_EQ(line, 0);
    EXPECT_EQ(message, "row 55 (danda) is missing");
    rows.pop_back();
    EXPECT_EQ(ErrorOf(Joined(rows)).second, "rows 54 (reph) to 55 (danda) are missing");

    // A missing line in the middle shows at the line that follows it.
    rows = SampleRowLines();
    rows.erase(rows.begin() + 20);
    EXPECT_EQ(ErrorOf(Joined(rows)).first, 21);

    rows = SampleRowLines();
    rows.push_back("\"\"  U+0964  ।");
    EXPECT_EQ(ErrorOf(Joined(rows)),
              std::make_pair(56, std::string("line 56: one row too many; a layout has 55 rows")));
    EXPECT_EQ(ErrorOf("").first, 0);
}

TEST(LayoutText, TakesKeyLabelsAsPeopleWriteThemAndGivesTheExactOnes) {
    for (const std::string shiftBackslash : {"Shift + \\", "Shift+|"}) {
        std::vector<std::string> rows = SampleRowLines();
        const std::pair<int, std::string> written[] = {
            {24, "Shift+Y"}, {25, "shift + z"},    {17, "SHIFT+R"}, {26, "a"},
            {27, " b  "},    {52, shiftBackslash}, {53, "\\"},      {54, "Shift+3"},
        };
        for (const auto& [row, label] : written)
            rows[row].replace(0, rows[row].find('"', 1) + 1, "\"" + label + "\"");
        EXPECT_EQ(ParseLayoutText(Joined(rows)), SampleLabels()) << shiftBackslash;
    }
    RowLabels none;
    EXPECT_EQ(ErrorOf(FormatLayoutText(none)),
              std::make_pair(0, std::string("no row has a key label; a layout gives one letter a "
                                            "key at least")));
}

TEST(LayoutText, ReadsUtf16WithAByteOrderMarkAndRefusesOtherNonUtf8) {
    EXPECT_EQ(Utf8OfFileText(std::string("\xFF\xFEk\0\x95\x09\x3D\xD8\x00\xDE", 10)), "kক😀");
    EXPECT_EQ(Utf8OfFileText(std::string("\xFE\xFF\0k\x09\x95\xD8", 7)), "kক\uFFFD");
    EXPECT_EQ(Utf8OfFileText("\xEF\xBB\xBFk"), "k");

    const std::string text = FormatLayoutText(SampleLabels());
    const std::string notUtf8 = "line 3: the text is not UTF-8; save it as UTF-8";
    // Windows-1252 in a comment, a cut sequence, an encoded surrogate, and
    // UTF-16 without its byte-order mark.
    for (const std::string& bad : {std::string("caf\xE9"), std::string("\xE0\xA6"),
                                   std::string("\xED\xA0\x80"), std::string("k\0", 2)})
        EXPECT_EQ(ErrorOf("#\n#\n# " + bad + "\n" + text), std::make_pair(3, notUtf8)) << bad;
}

TEST(LayoutText, RefusesToWriteALabelItCannotHold) {
    RowLabels labels = SampleLabels();
    labels[6] = "say \"hi\"";
    EXPECT_THROW(FormatLayoutText(labels), std::invalid_argument);
    labels[6] = "a\n";
    EXPECT_THROW(FormatLayoutText(labels), std::invalid_argument);
    labels[6] = "k\xE0";
    EXPECT_THROW(FormatLayoutText(labels), std::invalid_argument);
}

} // namespace
} // namespace tessik
