#pragma once

#include "platform/FileSystem.h"
#include "platform/controls/ComboBox.h"

#include <string>
#include <string_view>

namespace tessik {

// The layout supplied as a file: the fallback when no other can be
// selected, and the layout selected after a deletion.
constexpr const char* kDefaultLayoutName = "Default";

// The layouts that come with the program, which can be neither modified nor
// deleted: Default, and the built-in phonetic layout, which has no file.
// Only the exact names count.
bool IsBuiltInLayout(std::string_view name);

// Whether a new layout may not take `name`: the phonetic layout's name in
// any letter case, which the file system takes for the same name.
bool IsReservedLayoutName(std::string_view name);

// Whether a folder entry is a layout: a regular file. Folders (also "." and
// ".."), hidden files and system files are not.
bool IsLayoutFile(const FolderEntry& entry);

// Adds the name of every layout file in folder to list, in the order of the
// listing, and the phonetic layout where a file of its name would be listed.
// A file that Windows takes for that name (in any letter case) is no layout
// of its own: it is not listed. Nothing
// else is filtered by name or extension, and no file is opened.
void FillLayoutList(ComboBox& list, FileSystem& files, const std::string& folder);

} // namespace tessik
