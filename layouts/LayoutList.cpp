#include "layouts/LayoutList.h"

namespace tessik {

bool IsLayoutFile(const FolderEntry& entry) {
    return !entry.isFolder && !entry.isHidden && !entry.isSystem && !entry.name.empty() &&
           entry.name != "." && entry.name != "..";
}

void FillLayoutList(ComboBox& list, FileSystem& files, const std::string& folder) {
    for (const FolderEntry& entry : files.ListFolder(folder)) {
        if (IsLayoutFile(entry))
            list.AddItem(entry.name);
    }
}

} // namespace tessik
