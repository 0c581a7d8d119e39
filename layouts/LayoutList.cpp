#include "layouts/LayoutList.h"

#include "engine/Engine.h"

#include <algorithm>
#include <cctype>

namespace tessik {
namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The order in which Windows lists the names of a folder on its own file
// systems: letter case aside.
bool ListedBefore(std::string_view a, std::string_view b) {
    return std::ranges::lexicographical_compare(a, b, [](char x, char y) {
        return static_cast<unsigned char>(UpperAscii(x)) <
               static_cast<unsigned char>(UpperAscii(y));
    });
}

} // namespace

bool IsBuiltInLayout(std::string_view name) {
    return name == kDefaultLayoutName || name == kPhoneticLayoutName;
}

bool IsReservedLayoutName(std::string_view name) {
    return std::ranges::equal(name, std::string_view(kPhoneticLayoutName),
                              [](char a, char b) { return UpperAscii(a) == UpperAscii(b); });
}

bool IsLayoutFile(const FolderEntry& entry) {
    return !entry.isFolder && !entry.isHidden && !entry.isSystem && !entry.name.empty() &&
           entry.name != "." && entry.name != "..";
}

void FillLayoutList(ComboBox& list, FileSystem& files, const std::string& folder) {
    bool phoneticListed = false;
    for (const FolderEntry& entry : files.ListFolder(folder)) {
        if (!IsLayoutFile(entry) || IsReservedLayoutName(entry.name))
            continue;
        if (!phoneticListed && ListedBefore(kPhoneticLayoutName, entry.name)) {
            list.AddItem(kPhoneticLayoutName);
            phoneticListed = true;
        }
        list.AddItem(entry.name);
    }
    if (!phoneticListed)
        list.AddItem(kPhoneticLayoutName);
}

} // namespace tessik
