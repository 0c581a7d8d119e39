#include "engine/KeySlots.h"
#include "layouts/LayoutFile.h"
#include "platform/RuntimeError.h"
#include "platform/fake/MemoryFileSystem.h"
#include "platform/std/StdFileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>

namespace tessik {
namespace {

const std::string kPath = "Layouts/Mine";

std::string Record(CodeValue code, std::string_view label) {
    MemoryFileSystem files;
    WriteLayoutRecord(*files.OpenForWriting("r"), LayoutRecord{code, std::string(label)});
    return files.files["r"];
}

RowLabels LabelsFor(std::initializer_list<std::pair<int, std::string>> rows) {
    RowLabels labels;
    for (const auto& [rowNumber, label] : rows)
        labels[rowNumber - 1] = label;
    return labels;
}

// Shows a file over a table that already holds `shown`, as the window does.
RowLabels Show(MemoryFileSystem& files, RowLabels shown = {}) {
    LayoutRecord buffer;
    ReadLayoutRows(*files.OpenForReading(kPath), buffer,
                   [&shown](int row, const std::string& label) { shown[row] = label; });
    return shown;
}

TEST(LayoutFileWriter, WritesOneRecordPerRowInRowOrderWithTheRowsCode) {
    MemoryFileSystem files;
    LayoutRecord buffer;
    const RowLabels labels = LabelsFor({{1, "a "}, {12, "Shift + K"}, {55, "\\ "}});
    WriteLayoutFile(files, kPath, buffer, labels);

    std::string expected;
    for (int row = 0; row < kRowCount; ++row)
        expected += Record(kRows[row].code, labels[row]);
    EXPECT_EQ(files.files[kPath], expected);
    // Row 1 is the example of the file format: U+0985 with "a ".
    EXPECT_EQ(files.files[kPath].substr(0, 8), std::string("\x85\x09\0\0\x02\0a ", 8));
    // The writer went through the record buffer; it holds the last record.
    EXPECT_EQ(buffer.Code, 0x0964);
    EXPECT_EQ(buffer.KeyLabel, "\\ ");
}

TEST(LayoutFileWriter, ReplacesTheWholeFileSoThatNoOldBytesStay) {
    MemoryFileSystem files;
    files.files[kPath] = std::string(55 * 15, 'x') + "old bytes that nobody reads";
    LayoutRecord buffer;
    WriteLayoutFile(files, kPath, buffer, LabelsFor({{1, "a "}}));

    EXPECT_EQ(files.files[kPath].size(), 8u + 54 * 6);
    EXPECT_EQ(files.files[kPath].substr(0, 8), Record(0x0985, "a "));
    EXPECT_EQ(files.files.size(), 1u); // no temporary file left behind
    EXPECT_TRUE(files.hiddenFiles.empty());
}

TEST(LayoutFileWriter, AFailureAtAnyStepLeavesTheOldFileAndNoOther) {
    const std::string old = Record(0x0995, "k ");
    LayoutRecord buffer;
    const auto failedWrite = [&](const std::function<void(MemoryFileSystem&)>& fail) {
        MemoryFileSystem files;
        files.files[kPath] = old;
        fail(files);
        try {
            WriteLayoutFile(files, kPath, buffer, RowLabels{});
            ADD_FAILURE() << "the failure was swallowed";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 57);
        }
        EXPECT_EQ(files.files, (std::map<std::string, std::string>{{kPath, old}}));
    };
    failedWrite(
        [](MemoryFileSystem& files) { files.failOpenForWriting = ErrorNumber::DeviceIoError; });
    failedWrite([](MemoryFileSystem& files) {
        files.failWrite = ErrorNumber::DeviceIoError;
        files.failWriteAt = 100;
    });
    failedWrite([](MemoryFileSystem& files) { files.failReplace = ErrorNumber::DeviceIoError; });
}

TEST(LayoutFileReader, GivesEachRecordsLabelToTheRowOfItsCode) {
    MemoryFileSystem files;
    files.files[kPath] = Record(0x0995, "k ") + Record(4, "Shift + R") + Record(0x0964, "\\ ") +
                         Record(0x0985, "Shift + A");
    const RowLabels shown = Show(files);
    EXPECT_EQ(shown[11], "k ");
    EXPECT_EQ(shown[53], "Shift + R");
    EXPECT_EQ(shown[54], "\\ ");
    EXPECT_EQ(shown[0], "Shift + A");
    EXPECT_EQ(shown[1], "");
}

TEST(LayoutFileReader, SkipsCodesOfNoRowAndLetsLaterRecordsWin) {
    MemoryFileSystem files;
    files.files[kPath] = Record(0, "a ") + Record(1, "b ") + Record(0x0986, "c ") +
                         Record(-2437, "d ") + Record(0x0995, "k ") + Record(0x0995, "Shift + K") +
                         Record(0x0996, "label of no key");
    RowLabels before;
    before.fill("before");
    const RowLabels shown = Show(files, before);
    EXPECT_EQ(shown[11], "Shift + K");
    EXPECT_EQ(shown[12], "label of no key"); // copied as it stands in the file
    for (int row = 0; row < kRowCount; ++row) {
        if (row != 11 && row != 12) {
            EXPECT_EQ(shown[row], "before") << "row " << row + 1;
        }
    }
}

TEST(LayoutFileReader, ReadsFiftyFiveRecordsAtMostAndStopsAtTheEnd) {
    MemoryFileSystem files;
    std::string content;
    for (int i = 0; i < 55; ++i)
        content += Record(0x09A8, "n ");
    content += Record(0x0995, "k "); // the 56th record is never read
    files.files[kPath] = content;
    EXPECT_EQ(Show(files)[11], "");

    // A record cut short by the end of the file assigns nothing.
    files.files[kPath] = Record(0x0995, "k ") + Record(0x0996, "Shift + K").substr(0, 10);
    const RowLabels shown = Show(files);
    EXPECT_EQ(shown[11], "k ");
    EXPECT_EQ(shown[12], "");
}

TEST(LayoutFile, ReadsBackWhatItWrote) {
    RowLabels labels;
    for (int row = 0; row < kRowCount; ++row)
        labels[row] = row % 7 == 0 ? "" : std::string(kKeyLabels[row]);
    MemoryFileSystem files;
    LayoutRecord buffer;
    WriteLayoutFile(files, kPath, buffer, labels);
    RowLabels garbage;
    garbage.fill("?");
    EXPECT_EQ(Show(files, garbage), labels);
}

// The same rules on the disk: a missing folder lists as empty, someone's
// file with the temporary name stays, and a new layout replaces nothing.
TEST(LayoutFileWriter, OnTheDiskLeavesEveryFileItDidNotMake) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(testing::TempDir()) / "tessik-layouts";
    fs::remove_all(folder);
    StdFileSystem files;
    EXPECT_TRUE(files.ListFolder(folder.string()).empty());
    files.CreateFolder(folder.string());
    const auto write = [](const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    };
    const auto read = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    write(folder / "~Mine.tmp", "theirs");

    LayoutRecord buffer;
    WriteNewLayoutFile(files, (folder / "Mine").string(), buffer, LabelsFor({{1, "a "}}));
    WriteLayoutFile(files, (folder / "Mine").string(), buffer, LabelsFor({{1, "b "}}));
    EXPECT_EQ(read(folder / "~Mine.tmp"), "theirs");
    EXPECT_EQ(read(folder / "Mine").substr(0, 8), Record(0x0985, "b "));
    try {
        WriteNewLayoutFile(files, (folder / "Mine").string(), buffer, RowLabels{});
        ADD_FAILURE() << "an existing file was replaced";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 58);
    }
    EXPECT_EQ(read(folder / "Mine").substr(0, 8), Record(0x0985, "b "));
    EXPECT_EQ(files.ListFolder(folder.string()).size(), 2u);
    fs::remove_all(folder);
}

} // namespace
} // namespace tessik
