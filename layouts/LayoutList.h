#pragma once

#include "platform/FileSystem.h"
#include "platform/controls/ComboBox.h"

#include <string>

namespace tessik {

// The built-in layout: the fallback when no other can be selected, and the
// one layout that cannot be deleted.
constexpr const char* kDefaultLayoutName = "Default";

// Whether a folder entry is a layout: a regular file. Folders (also "." and
// ".."), hidden files and system files are not.
bool IsLayoutFile(const FolderEntry& entry);

// Adds the name of every layout file in folder to list, in the order of the
// listing. Nothing is filtered by name or extension, and no file is opened.
void FillLayoutList(ComboBox& list, FileSystem& files, const std::string& folder);

} // namespace tessik
