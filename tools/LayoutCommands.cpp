#include "tools/LayoutCommands.h"

#include "engine/PhoneticScheme.h"
#include "layouts/LayoutText.h"
#include "platform/std/StdFileSystem.h"
#include "tools/ChartSvg.h"
#include "tools/KeyboardChart.h"
#include "tools/LayoutArgument.h"
#include "tools/WholeFiles.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace tessik::cli {
namespace {

RowLabels ReadRowLabels(const std::string& path) {
    StdFileSystem files;
    const auto file = files.OpenForReading(path);
    LayoutRecord buffer;
    RowLabels labels;
    ReadLayoutRows(*file, buffer, [&labels](int row, const std::string& label) {
        labels[static_cast<std::size_t>(row)] = label;
    });
    return labels;
}

// A label as it stands in the file, in quotes; bytes that would not show,
// and the quote itself, are written as \xNN.
std::string QuotedLabel(const std::string& label) {
    std::string quoted = "\"";
    for (const char c : label) {
        if (c >= 0x20 && c <= 0x7E && c != '"') {
            quoted += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
            quoted += escape;
        }
    }
    return quoted + "\"";
}

std::string Padded(std::string field, std::size_t width) {
    field.resize(std::max(field.size() + 2, width), ' ');
    return field;
}

// One line a row: its number, the key that types its letter, its name and
// its letter.
std::string RowTableText(const RowLabels& labels) {
    std::string text;
    for (int row = 0; row < kRowCount; ++row) {
        const LetterRow& letterRow = kRows[static_cast<std::size_t>(row)];
        char number[8];
        std::snprintf(number, sizeof number, "%2d  ", row + 1);
        text += number;
        text += Padded(QuotedLabel(labels[static_cast<std::size_t>(row)]), 13);
        text += Padded(std::string(letterRow.name), 16);
        text += letterRow.letter;
        text += "\n";
    }
    return text;
}

} // namespace

std::string ShowLayoutFile(const std::string& path) {
    return RowTableText(ReadRowLabels(path));
}

std::string ShowPhoneticLayout() {
    RowLabels spellings;
    for (int row = 0; row < kRowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        spellings[index] = std::string(PhoneticSpelling(kRows[index].code));
    }
    return RowTableText(spellings);
}

std::string ExportLayoutFile(const std::string& path) {
    return FormatLayoutText(ReadRowLabels(path));
}

std::string ChartLayoutFile(const std::string& path) {
    return ChartSvg(ChartOfLayoutFile(path));
}

void ImportLayoutText(const std::string& textPath, const std::string& layoutPath, bool replace) {
    RefuseToWriteOver(textPath, layoutPath);
    StdFileSystem files;
    if (!replace && files.Exists(layoutPath))
        throw std::runtime_error(layoutPath + " exists; add --force to replace it");
    RowLabels labels;
    try {
        labels = ParseLayoutText(ReadWholeFile(textPath));
    } catch (const LayoutTextError& error) {
        if (HoldsLayout(textPath))
            throw std::runtime_error(textPath + " is a layout file, not a layout's text form "
                                                "(tessik-cli layout export writes its text form)");
        throw LayoutTextError(error.Line(), textPath + ": " + error.what());
    }
    LayoutRecord buffer;
    if (replace)
        WriteLayoutFile(files, layoutPath, buffer, labels);
    else
        WriteNewLayoutFile(files, layoutPath, buffer, labels);
}

} // namespace tessik::cli
