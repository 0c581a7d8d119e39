#include "shell/TrayIcon.h"

#include <algorithm>

namespace tessik {

std::string SystemDefaultTip() {
    return "Current keyboard is 'System Default'";
}

std::string NativeTip(std::string_view layoutName) {
    return "Current keyboard is 'Tessik'\r\nCurrent layuot is '" + std::string(layoutName) + "'";
}

TrayIconRecord MakeTrayIconRecord(WindowHandle window, IconHandle icon, std::string_view tip) {
    TrayIconRecord record;
    record.cbSize = TrayIconRecord::kAnsiRecordSize;
    record.hWnd = window;
    record.uID = kTrayIconId;
    record.uFlags = kTrayIconFlags;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = icon;
    const std::string ended = std::string(tip) + '\0';
    record.szTip.fill(' ');
    std::copy_n(ended.begin(), std::min(ended.size(), record.szTip.size()), record.szTip.begin());
    return record;
}

} // namespace tessik
