#include "layouts/LetterTable.h"

#include "engine/PhoneticScheme.h"
#include "layouts/LayoutFile.h"
#include "layouts/RowTable.h"
#include "platform/RuntimeError.h"

namespace tessik {
namespace {

int SelectedRow(const ListView& letters) {
    const auto row = letters.SelectedRow();
    if (!row)
        throw RuntimeError(ErrorNumber::ObjectVariableNotSet,
                           "no row of " + letters.Name() + " is selected");
    return *row;
}

} // namespace

void AddLetterRows(ListView& letters) {
    for (int picture = 1; picture <= kRowCount; ++picture)
        letters.AddRow(picture);
}

TwipRect PickerOverKeyCell(const ListView& letters, int row, const TwipRect& picker) {
    const TwipRect client = letters.ClientArea();
    const TwipRect rowBounds = letters.RowBounds(row);
    const int pictureColumn = letters.Columns().empty() ? 0 : letters.Columns().front().width;
    return {client.left + rowBounds.left + pictureColumn,
            client.top + rowBounds.top + (rowBounds.height - picker.height) / 2, picker.width,
            picker.height};
}

void RowClick(ListView& letters, ComboBox& picker, bool editing) {
    if (!editing) {
        // An editing state may have ended while the picker was open.
        picker.SetVisible(false);
        return;
    }
    const int row = SelectedRow(letters);
    const TwipRect place = PickerOverKeyCell(letters, row, picker.Bounds());
    picker.Move(place.left, place.top);
    const std::string label = letters.Row(row).subItemText;
    // A row without a key leaves the picker showing the item it showed last.
    if (!label.empty())
        picker.SetText(label);
    picker.SetVisible(true);
}

void LabelPick(ListView& letters, ComboBox& picker) {
    letters.SetRowText(SelectedRow(letters), picker.Text());
    picker.SetVisible(false);
}

void ShowLayoutFile(ListView& letters, FileSystem& files, const std::string& path,
                    LayoutRecord& buffer) {
    const auto file = files.OpenForReading(path);
    const bool isLayout =
        ReadLayoutRows(*file, buffer, [&letters](int row, const std::string& label) {
            letters.SetRowText(row, label);
        });
    // Its bytes may read as codes of rows, but no label of it means a key.
    if (!isLayout) {
        for (int row = 0; row < kRowCount; ++row)
            letters.SetRowText(row, {});
    }
}

void ShowPhoneticSpellings(ListView& letters) {
    for (int row = 0; row < kRowCount; ++row)
        letters.SetRowText(row, std::string(PhoneticSpelling(kRows[static_cast<std::size_t>(row)].code)));
}

} // namespace tessik
