#pragma once

#include "engine/CodeValue.h"
#include "platform/FileSystem.h"

#include <functional>
#include <string>

namespace tessik {

// One record of a layout file: a 4-byte little-endian signed code, a 2-byte
// little-endian label length n, then n label bytes (ANSI, in practice ASCII).
struct LayoutRecord {
    CodeValue Code = 0;
    std::string KeyLabel;

    // Releases the label, as every reader does before it reads the next record.
    void Empty() {
        Code = 0;
        KeyLabel.clear();
        KeyLabel.shrink_to_fit();
    }
};

constexpr int kLayoutRecordsPerFile = 55;

// Reads the next record into `record`. Returns false, leaving the record
// empty, when the file ends before the record is complete.
bool ReadLayoutRecord(InputFile& file, LayoutRecord& record);

// Reads a layout file as every reader does: its records in order from the
// start, through `buffer`, the 55 of a layout at most and none past the end
// of the file, handing each to `onRecord`. Returns whether the file is a
// layout: whether one of those records names a key slot. A file of which
// none does (an empty file, a layout's text form, a picture) is not a
// layout, whatever else its bytes happen to read as.
bool ReadLayoutRecords(InputFile& file, LayoutRecord& buffer,
                       const std::function<void(const LayoutRecord&)>& onRecord);

// Appends `record` to the file. Labels longer than 65535 bytes cannot be
// stored and are refused with RuntimeError (they never come from the editor).
void WriteLayoutRecord(OutputFile& file, const LayoutRecord& record);

} // namespace tessik
