#include "layouts/LayoutFile.h"

namespace tessik {

void WriteLayoutRecords(OutputFile& file, LayoutRecord& buffer, const RowLabels& labels) {
    for (int row = 0; row < kRowCount; ++row) {
        buffer.Empty();
        buffer.Code = kRows[static_cast<std::size_t>(row)].code;
        buffer.KeyLabel = labels[static_cast<std::size_t>(row)];
        WriteLayoutRecord(file, buffer);
    }
}

namespace {

void WriteAndClose(std::unique_ptr<OutputFile> file, LayoutRecord& buffer,
                   const RowLabels& labels) {
    WriteLayoutRecords(*file, buffer, labels);
    file->Close();
}

} // namespace

void WriteLayoutFile(FileSystem& files, const std::string& path, LayoutRecord& buffer,
                     const RowLabels& labels) {
    WriteAndClose(files.OpenForReplacing(path), buffer, labels);
}

void WriteNewLayoutFile(FileSystem& files, const std::string& path, LayoutRecord& buffer,
                        const RowLabels& labels) {
    WriteAndClose(files.OpenForCreating(path), buffer, labels);
}

bool ReadLayoutRows(InputFile& file, LayoutRecord& buffer,
                    const std::function<void(int row, const std::string& label)>& showRow) {
    return ReadLayoutRecords(file, buffer, [&showRow](const LayoutRecord& record) {
        if (const auto row = RowOfCode(record.Code))
            showRow(*row, record.KeyLabel);
    });
}

} // namespace tessik
