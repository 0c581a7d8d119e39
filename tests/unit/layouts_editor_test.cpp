// The pieces of the layout editor that need no window: the duplicate-label
// test, the tests of a new layout's name, and the temporary file of a save
// as the layout list sees it.

#include "layouts/LayoutEditor.h"
#include "layouts/LayoutList.h"
#include "layouts/LayoutName.h"
#include "platform/controls/Form.h"
#include "platform/fake/FakeAnsiCodePage.h"
#include "platform/fake/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessik {
namespace {

RowLabels DistinctLabels() {
    RowLabels labels;
    for (int row = 0; row < kRowCount; ++row)
        labels[row] = "label " + std::to_string(row);
    return labels;
}

TEST(DuplicateLabelTest, ReportsTheFirstPairInRowOrder) {
    RowLabels labels = DistinctLabels();
    EXPECT_EQ(LabelDefinedTwice(labels), std::nullopt);

    // The pair (5, 6) ends before (3, 40) does, but row 3 comes first.
    labels[4] = labels[5] = "y ";
    labels[2] = labels[39] = "x ";
    EXPECT_EQ(LabelDefinedTwice(labels), "x ");

    // Labels compare exactly: letter case and blanks count.
    labels = DistinctLabels();
    labels[0] = "k ";
    labels[1] = "k";
    labels[2] = "K ";
    EXPECT_EQ(LabelDefinedTwice(labels), std::nullopt);

    // Empty labels are labels like any other.
    labels[10] = labels[54] = "";
    EXPECT_EQ(LabelDefinedTwice(labels), "");
}

using Names = std::vector<std::string>;

std::optional<std::string> Problem(const std::string& name,
                                   FakeAnsiCodePage::Page page = FakeAnsiCodePage::Page::Western) {
    FakeAnsiCodePage codePage;
    codePage.page = page;
    return FileNameProblem(name, "C:\\Tessik\\Layouts\\" + name, codePage);
}

std::string Forbidden(char character) {
    return std::string("The layout name contains '") + character +
           "', and that cannot be used in a file name. A layout name cannot contain any of the "
           "following characters:\r\\ / : * ? \" < > |";
}

TEST(LayoutNameTest, RefusesWhatCannotBeAPlainFileInTheLayoutsFolder) {
    for (const auto& [name, character] :
         std::vector<std::pair<std::string, char>>{{"a/b", '/'},
                                                   {"..\\Default", '\\'},
                                                   {"C:Mine", ':'},
                                                   {"a*", '*'},
                                                   {"a?", '?'},
                                                   {"say \"hi\"", '"'},
                                                   {"<a>", '<'},
                                                   {"a|b", '|'},
                                                   {"Mine:stream", ':'}})
        EXPECT_EQ(Problem(name), Forbidden(character)) << name;

    for (const std::string& name :
         Names{"tab\there", std::string("nul\0l", 5), "line\rbreak", "\x7F", "c1 \x81 control"})
        EXPECT_NE(Problem(name).value_or("").find("cannot be used in a file name"),
                  std::string::npos)
            << name;

    const std::string ending = "A layout name cannot end with a blank or a dot. Please give "
                               "another name.";
    for (const std::string& name : Names{".", "..", "...", "Mine.", "Mine ", " Mine  "})
        EXPECT_EQ(Problem(name), ending) << '"' << name << '"';

    for (const std::string& name :
         Names{"CON", "con", "Prn", "aux.txt", "NUL.layout.old", "COM1", "com9", "LPT1", "lpt9.txt",
               "CON .txt", "COM\xB9", "conin$"})
        EXPECT_EQ(Problem(name), "The layout name '" + name +
                                     "' is reserved by Windows for a device. Please give "
                                     "another name.")
            << name;

    for (const std::string& name : Names{"~Mine.tmp", "~Mine.TMP", "~.tmp"})
        EXPECT_NE(Problem(name).value_or("").find("'~'"), std::string::npos) << name;

    // The temporary file of a save adds five characters to the path.
    const std::string folder = "C:\\Tessik\\Layouts\\";
    const std::string fits(259 - folder.size() - 5, 'x');
    const FakeAnsiCodePage western;
    EXPECT_EQ(FileNameProblem(fits, folder + fits, western), std::nullopt);
    EXPECT_EQ(FileNameProblem(fits + "x", folder + fits + "x", western),
              "The layout name is too long. Please give a shorter name.");
}

TEST(LayoutNameTest, JudgesCharactersOfTheCodePageAndNamesTheOneRefused) {
    const std::string end = ", and that cannot be used in a file name. Please give another name.";
    EXPECT_EQ(Problem("tab\there"), "The layout name contains the control character U+0009" + end);
    EXPECT_EQ(Problem("c1\x9D"), "The layout name contains the control character U+009D" + end);

    // A double-byte page: a trail byte is no backslash, blank or dot, and a
    // lead byte without its trail, or stray bytes, are no character.
    const auto doubleByte = FakeAnsiCodePage::Page::DoubleByte;
    for (const std::string& name : Names{"\x95\x5C", "\x82\xA0\x82\xA2 \xB1\xB2", "a\x81\x40"})
        EXPECT_EQ(Problem(name, doubleByte), std::nullopt) << name;
    const std::string noCharacter = " no character of the system's code page" + end;
    EXPECT_EQ(Problem("ab\x81", doubleByte),
              "The layout name contains the byte 0x81, which is" + noCharacter);
    EXPECT_EQ(Problem("\x95\x5C\x81\x20", doubleByte),
              "The layout name contains the bytes 0x81 0x20, which are" + noCharacter);
    EXPECT_EQ(Problem("x\xA0", doubleByte),
              "The layout name contains the byte 0xA0, which is" + noCharacter);
    EXPECT_EQ(Problem("a\\\x95\x5C", doubleByte), Forbidden('\\'));
    EXPECT_NE(Problem("\x95\x5C.", doubleByte).value_or("").find("end with a blank or a dot"),
              std::string::npos);

    // Nor is a trail byte 0x5C where the temporary file's name is cut off.
    FakeAnsiCodePage codePage;
    codePage.page = doubleByte;
    const std::string path = "C:\\Tessik\\Layouts\\\x95\x5C";
    EXPECT_EQ(TemporaryPathFor(path, codePage.NameStart(path)),
              "C:\\Tessik\\Layouts\\~\x95\x5C.tmp");
}

// Windows set to UTF-8 has no lead bytes and takes none of the flags that
// the round trip asks the other code pages for.
TEST(LayoutNameTest, JudgesUtf8NamesByTheirSequences) {
    const auto utf8 = FakeAnsiCodePage::Page::Utf8;
    const std::string aa = "\xE0\xA6\x86"; // U+0986 BENGALI LETTER AA
    for (const std::string& name :
         Names{"Mine", "  Mine", "caf\xC3\xA9", "Rahim\xE2\x80\x99s",
               aa + "\xE0\xA6\xAE\xE0\xA6\xBE\xE0\xA6\xB0", "\xF0\x9F\x98\x80"})
        EXPECT_EQ(Problem(name, utf8), std::nullopt) << name;

    const std::string end = " no character of the system's code page, and that cannot be used "
                            "in a file name. Please give another name.";
    EXPECT_EQ(Problem("a\x80", utf8), "The layout name contains the byte 0x80, which is" + end);
    EXPECT_EQ(Problem("\xC0\xAF", utf8), "The layout name contains the byte 0xC0, which is" + end);
    EXPECT_EQ(Problem("\xE0\xA6 x", utf8),
              "The layout name contains the bytes 0xE0 0xA6, which are" + end);
    EXPECT_EQ(Problem("\xED\xA0\x80", utf8),
              "The layout name contains the bytes 0xED 0xA0 0x80, which are" + end);
    EXPECT_EQ(Problem("next\xC2\x85line", utf8),
              "The layout name contains the control character U+0085, and that cannot be used "
              "in a file name. Please give another name.");
    EXPECT_EQ(Problem(aa + "/" + aa, utf8), Forbidden('/'));
    EXPECT_NE(Problem(aa + ".", utf8).value_or("").find("end with a blank or a dot"),
              std::string::npos);
    EXPECT_NE(Problem("com\xC2\xB9.txt", utf8).value_or("").find("reserved by Windows"),
              std::string::npos);

    // The system counts the path in UTF-16 units, not in bytes.
    const std::string folder = "C:\\Tessik\\Layouts\\";
    std::string fits;
    for (std::size_t i = 0; i < 259 - folder.size() - 5; ++i)
        fits += aa;
    FakeAnsiCodePage codePage;
    codePage.page = utf8;
    EXPECT_EQ(FileNameProblem(fits, folder + fits, codePage), std::nullopt);
    EXPECT_EQ(FileNameProblem(fits + aa, folder + fits + aa, codePage),
              "The layout name is too long. Please give a shorter name.");
}

TEST(LayoutNameTest, AcceptsOrdinaryNamesAsTyped) {
    for (const std::string& name :
         Names{"Mine", "  Mine", "Phonetic 2", "My.layout", ".hidden", "CONSOLE", "COM10", "con-1",
               "LPT", "~Mine", "Mine.tmp", "Bangla (Probhat)", "caf\xE9",
               "a;b,c=d+e[f]{g}'h'!@#$%^&()"})
        EXPECT_EQ(Problem(name), std::nullopt) << name;

    // Every printable character of the code page, 0x80 to 0x9F of 1252 too.
    for (const std::string& name :
         Names{"Rahim\x92s layout", "Bangla \x96 phonetic", "\x80 \x85", "\x8A\x9C\x9F\x99"})
        EXPECT_EQ(Problem(name), std::nullopt) << name;

    EXPECT_TRUE(IsBlankName(""));
    EXPECT_TRUE(IsBlankName("   "));
    EXPECT_FALSE(IsBlankName(" x "));
    EXPECT_FALSE(IsBlankName("\t"));
}

TEST(LayoutSaveFile, IsHiddenFromTheLayoutListUntilItTakesItsPlace) {
    MemoryFileSystem files;
    files.files["Layouts/Default"] = "old";
    Form form("Tessik", 1);
    ComboBox list(form, "cmbLayouts", {}, true, true);

    auto file = files.OpenForReplacing("Layouts/Mine");
    file->Write(std::as_bytes(std::span("new", 3)));
    // Should the program end here, the list of the next start is as before.
    FillLayoutList(list, files, "Layouts");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"Default", "Phonetic"}));
    EXPECT_EQ(files.files.count("Layouts/~Mine.tmp"), 1u);

    file->Close();
    ComboBox refilled(form, "cmbLayouts", {}, true, true);
    FillLayoutList(refilled, files, "Layouts");
    EXPECT_EQ(refilled.Items(), (std::vector<std::string>{"Default", "Mine", "Phonetic"}));
    EXPECT_EQ(files.files["Layouts/Mine"], "new");
}

// The built-in phonetic layout is listed where Windows would list a file of
// its name, letter case aside, and a file that Windows takes for that name
// is no layout of its own.
TEST(FillLayoutList, ListsThePhoneticLayoutInItsPlaceAndNoFileOfItsName) {
    using Names = std::vector<std::string>;
    const std::vector<std::pair<Names, Names>> cases = {
        {{}, {"Phonetic"}},
        {{"Apple", "Phonetic"}, {"Apple", "Phonetic"}},
        {{"Default", "PHONETIC", "PHOTO", "Zeta"}, {"Default", "Phonetic", "PHOTO", "Zeta"}},
        {{"PHOENIX", "phonetic"}, {"PHOENIX", "Phonetic"}},
    };
    for (const auto& [inFolder, listed] : cases) {
        MemoryFileSystem files;
        for (const std::string& name : inFolder)
            files.files["Layouts/" + name] = "";
        Form form("Tessik", 1);
        ComboBox list(form, "cmbLayouts", {}, true, true);
        FillLayoutList(list, files, "Layouts");
        EXPECT_EQ(list.Items(), listed) << inFolder.size();
    }
    EXPECT_TRUE(IsReservedLayoutName("pHoNeTiC"));
    EXPECT_FALSE(IsReservedLayoutName("Phonetic 2"));
    EXPECT_FALSE(IsBuiltInLayout("phonetic")); // no list entry has that name
}

// A save cut off (by a power loss) leaves its hidden temporary file behind.
// The next save of the name clears such leftovers, however many have piled
// up, and leaves visible files and the leftovers of other names alone.
TEST(LayoutSaveFile, TheNextSaveOfANameRemovesTheHiddenLeftoversOfCutOffSaves) {
    MemoryFileSystem files;
    const auto leftover = [&files](const std::string& path) {
        files.files[path] = "half";
        files.hiddenFiles.insert(path);
    };
    leftover("Layouts/~Mine.tmp");
    for (int attempt = 1; attempt < 100; ++attempt)
        leftover("Layouts/~Mine~" + std::to_string(attempt) + ".tmp");
    leftover("Layouts/~Other.tmp");
    files.hiddenFiles.erase("Layouts/~Mine~7.tmp"); // someone's own file

    auto file = files.OpenForCreating("Layouts/Mine");
    file->Write(std::as_bytes(std::span("new", 3)));
    file->Close();
    EXPECT_EQ(files.files["Layouts/Mine"], "new");
    std::vector<std::string> paths;
    for (const auto& [path, content] : files.files)
        paths.push_back(path);
    EXPECT_EQ(paths, (std::vector<std::string>{"Layouts/Mine", "Layouts/~Mine~7.tmp",
                                               "Layouts/~Other.tmp"}));
}

} // namespace
} // namespace tessik
