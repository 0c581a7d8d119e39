#include "layouts/LetterTable.h"
#include "platform/RuntimeError.h"
#include "platform/controls/Form.h"
#include "platform/fake/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tessik {
namespace {

const std::string kPath = "Layouts/Mine";

// Counts the files it has open, so a test can see that each one is closed.
class TrackingFileSystem : public FileSystem {
public:
    MemoryFileSystem memory;
    int openFiles = 0;

    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override {
        auto file = memory.OpenForReading(path);
        return std::make_unique<TrackedFile>(std::move(file), openFiles);
    }
    std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override {
        return memory.OpenForWriting(path);
    }
    std::unique_ptr<OutputFile> OpenForReplacing(const std::string& path) override {
        return memory.OpenForReplacing(path);
    }
    std::unique_ptr<OutputFile> OpenForCreating(const std::string& path) override {
        return memory.OpenForCreating(path);
    }
    bool Exists(const std::string& path) override { return memory.Exists(path); }
    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        return memory.ListFolder(folder);
    }
    void CreateFolder(const std::string& path) override { memory.CreateFolder(path); }
    void RemoveFile(const std::string& path) override { memory.RemoveFile(path); }

private:
    class TrackedFile : public InputFile {
    public:
        TrackedFile(std::unique_ptr<InputFile> inner, int& open)
            : inner_(std::move(inner)), open_(open) {
            ++open_;
        }
        ~TrackedFile() override { --open_; }
        std::size_t Read(std::span<std::byte> into) override { return inner_->Read(into); }

    private:
        std::unique_ptr<InputFile> inner_;
        int& open_;
    };
};

// A real list as the binding reports it: scrolled down and sideways, inside
// a border, at a resolution where a row is 400 twips high.
class ScrolledListBackend : public ListViewBackend {
public:
    void SetEnabled(bool) override {}
    void SetVisible(bool) override {}
    void SetText(const std::string&) override {}
    void Move(const TwipRect&) override {}
    void SetFocus() override {}
    void AddColumn(const ListColumn&) override {}
    void AddRow(const ListRow&) override {}
    void SetRowText(int, const std::string&) override {}
    void SelectRow(int) override {}
    TwipRect RowBounds(int index) override { return {-30, index * 400 - 2000, 2400, 400}; }
    TwipRect ClientArea() override { return {450, 150, 2670, 4995}; }
};

class LetterTable : public ::testing::Test {
protected:
    LetterTable() {
        letters.AddColumn({"", 600});
        letters.AddColumn({"", 1780});
        AddLetterRows(letters);
    }

    void WriteLayout(const std::vector<LayoutRecord>& records) {
        auto file = files.OpenForWriting(kPath);
        for (const LayoutRecord& record : records)
            WriteLayoutRecord(*file, record);
        file->Close();
    }

    Form form{"Tessik", 0x10};
    ListView letters{form, "lstTessikLetters", {420, 120, 2730, 5055}, true, true};
    TrackingFileSystem files;
    LayoutRecord buffer;
};

TEST_F(LetterTable, PickerLiesOverTheKeyCellOfTheRowAsTheListLaysItOut) {
    const TwipRect picker{1065, 195, 1770, 525};
    // Without a real list: rows of 540 twips from the top of the list.
    EXPECT_EQ(PickerOverKeyCell(letters, 0, picker), (TwipRect{1020, 127, 1770, 525}));
    EXPECT_EQ(PickerOverKeyCell(letters, 3, picker), (TwipRect{1020, 127 + 3 * 540, 1770, 525}));

    ScrolledListBackend real;
    letters.Attach(real);
    // Left: client edge 450, scrolled -30, then the picture column.
    // Top: client edge 150, the row's top, centred on the 400-twip row.
    EXPECT_EQ(PickerOverKeyCell(letters, 7, picker), (TwipRect{1020, 150 + 800 - 62, 1770, 525}));
}

TEST_F(LetterTable, ShowingAFileClosesItWhetherItSucceedsOrFails) {
    WriteLayout({{0x0995, "k "}, {0x0996, "Shift + K"}});
    ShowLayoutFile(letters, files, kPath, buffer);
    EXPECT_EQ(letters.Row(11).subItemText, "k ");
    EXPECT_EQ(letters.Row(12).subItemText, "Shift + K");
    EXPECT_EQ(files.openFiles, 0);

    // A read that fails after the first record: that row is written, the
    // next is not, and the file is closed all the same.
    WriteLayout({{0x0985, "a "}, {0x0997, "g "}});
    files.memory.failRead = ErrorNumber::DeviceIoError;
    files.memory.failReadAt = 8;
    try {
        ShowLayoutFile(letters, files, kPath, buffer);
        FAIL() << "the failed read went unreported";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 57);
    }
    EXPECT_EQ(letters.Row(0).subItemText, "a ");
    EXPECT_EQ(letters.Row(13).subItemText, "");
    EXPECT_EQ(files.openFiles, 0);
}

} // namespace
} // namespace tessik
