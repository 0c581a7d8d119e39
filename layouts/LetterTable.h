#pragma once

#include "engine/LayoutRecord.h"
#include "platform/FileSystem.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Twips.h"

#include <string>

// The letter table lstTessikLetters, one row per letter with the key label
// that the shown layout gives it, and the key picker cmbLetters, which opens
// on a row while a layout is being created or modified. Rows are numbered
// from 0 here, as in the row table; their pictures from 1.
namespace tessik {

// Adds the 55 rows in row-table order; row i shows letter picture i + 1.
void AddLetterRows(ListView& letters);

// Where the picker lies over a row's key cell: just right of the picture
// column and centred on the row, as the real list lays the row out now
// (scrolled, at the display's resolution). Keeps the picker's size.
TwipRect PickerOverKeyCell(const ListView& letters, int row, const TwipRect& picker);

// The click on a row. While a layout is being edited it opens the picker
// over the selected row's key cell, showing the row's label when it has
// one; otherwise it only hides the picker. A label that the picker does not
// list is thrown as RuntimeError (TextNotInList) after the picker has moved
// and before it is shown.
void RowClick(ListView& letters, ComboBox& picker, bool editing);

// The choice of an item in the picker: the selected row gets its label and
// the picker closes. Nothing else: no duplicate test, nothing written.
void LabelPick(ListView& letters, ComboBox& picker);

// Writes the label of each record of the layout file at `path` into the row
// of its code, exactly as read. Codes of no row are skipped, a later record
// wins over an earlier one with the same code, and rows that no record
// names keep their text. A file that is not a layout shows no key in any
// row. Failures are thrown as RuntimeError; the rows written before stay
// written, and the file is closed on every path.
void ShowLayoutFile(ListView& letters, FileSystem& files, const std::string& path,
                    LayoutRecord& buffer);

// Writes into each row the Latin that types its letter with the phonetic
// layout on its own, so that the table teaches the scheme.
void ShowPhoneticSpellings(ListView& letters);

} // namespace tessik
