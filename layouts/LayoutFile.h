#pragma once

#include "engine/LayoutRecord.h"
#include "layouts/RowTable.h"
#include "platform/FileSystem.h"

#include <array>
#include <functional>
#include <string>

namespace tessik {

// The key label of each row of the letter table, "" for a row without a key.
using RowLabels = std::array<std::string, kRowCount>;

// Writes a whole layout: 55 records in row order, record i carrying the code
// of row i and the label of row i, one at a time through `buffer`. The codes
// come from the row table, never from the labels' rows.
void WriteLayoutRecords(OutputFile& file, LayoutRecord& buffer, const RowLabels& labels);

// Writes the layout as the file at `path`, which it replaces only once all
// is written: a failure at any step leaves the old file (or none), never a
// part of a layout, and the new file holds the 55 records and nothing else.
void WriteLayoutFile(FileSystem& files, const std::string& path, LayoutRecord& buffer,
                     const RowLabels& labels);
// As WriteLayoutFile, for a layout that is new: when a file has appeared at
// `path` meanwhile, throws RuntimeError FileAlreadyExists and leaves it alone.
void WriteNewLayoutFile(FileSystem& files, const std::string& path, LayoutRecord& buffer,
                        const RowLabels& labels);

// Reads a layout file the way the letter table shows it: up to 55 records in
// sequence through `buffer`; for each record whose code belongs to a row,
// `showRow(row, label)` with the label exactly as read. Records with codes of
// no row are skipped, so rows that no record names keep whatever they showed,
// and when two records carry the same code the later one wins. Returns
// whether the file is a layout (ReadLayoutRecords).
bool ReadLayoutRows(InputFile& file, LayoutRecord& buffer,
                    const std::function<void(int row, const std::string& label)>& showRow);

} // namespace tessik
