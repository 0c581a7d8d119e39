// The pieces of the layout editor that need no window: the duplicate-label
// test, the tests of a new layout's name, and the temporary file of a save
// as the layout list sees it.

#include "layouts/LayoutEditor.h"
#include "layouts/LayoutList.h"
#include "layouts/LayoutName.h"
#include "platform/controls/Form.h"
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

std::optional<std::string> Problem(const std::string& name) {
    return FileNameProblem(name, "C:\\Tessik\\Layouts\\" + name);
}

TEST(LayoutNameTest, RefusesWhatCannotBeAPlainFileInTheLayoutsFolder) {
    const std::string forbidden =
        "A layout name cannot contain any of the following characters:\r\\ / : * ? \" < > |";
    for (const std::string& name : Names{"a/b", "..\\Default", "C:Mine", "a*", "a?", "say \"hi\"",
                                         "<a>", "a|b", "Mine:stream"})
        EXPECT_EQ(Problem(name), forbidden) << name;

    for (const std::string& name :
         Names{"tab\there", std::string("nul\0l", 5), "line\rbreak", "\x7F", "c1 \x85 control"})
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
    EXPECT_EQ(FileNameProblem(fits, folder + fits), std::nullopt);
    EXPECT_EQ(FileNameProblem(fits + "x", folder + fits + "x"),
              "The layout name is too long. Please give a shorter name.");
}

TEST(LayoutNameTest, AcceptsOrdinaryNamesAsTyped) {
    for (const std::string& name :
         Names{"Mine", "  Mine", "Phonetic 2", "My.layout", ".hidden", "CONSOLE", "COM10", "con-1",
               "LPT", "~Mine", "Mine.tmp", "Bangla (Probhat)", "caf\xE9",
               "a;b,c=d+e[f]{g}'h'!@#$%^&()"})
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
    EXPECT_EQ(list.Items(), std::vector<std::string>{"Default"});
    EXPECT_EQ(files.files.count("Layouts/~Mine.tmp"), 1u);

    file->Close();
    ComboBox refilled(form, "cmbLayouts", {}, true, true);
    FillLayoutList(refilled, files, "Layouts");
    EXPECT_EQ(refilled.Items(), (std::vector<std::string>{"Default", "Mine"}));
    EXPECT_EQ(files.files["Layouts/Mine"], "new");
}

} // namespace
} // namespace tessik
