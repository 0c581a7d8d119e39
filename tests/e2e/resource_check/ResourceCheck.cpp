// Reports what Windows makes of tessik.exe's resources, linked into this
// program the same way:
//
//   resource-check.exe REPORT_FILE
//
// writes "name=value" lines: the DPI awareness that the manifest declares,
// as the loader read it, whether the process is DPI aware and which DPI it
// sees, the file of the common controls that the
// manifest selected, the version information, and the size of each mode
// icon as loaded for each size the tray and the window ask for.

#include "resources/win32/ResourceIds.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <fstream>
#include <string>

namespace {

// Version 6 of the common controls lives in the side-by-side store, and a
// process gets it only when its manifest asks for it. (Wine's copy reports
// the same version number as its version 5, so the file tells them apart.)
std::string CommonControlsFile() {
    InitCommonControls();
    char path[MAX_PATH] = "";
    GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, MAX_PATH);
    return path;
}

// A setting of the manifest as the system's loader read it, from the
// process's default activation context.
std::string ManifestSetting(const wchar_t* settingsNamespace, const wchar_t* name) {
    wchar_t value[64] = L"";
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, nullptr, settingsNamespace, name, value, 64, &written))
        return "none";
    char text[64];
    WideCharToMultiByte(CP_ACP, 0, value, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

std::string FileVersion() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::string block(size, '\0');
    char* text = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, block.data()) ||
        !VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\FileVersion",
                        reinterpret_cast<void**>(&text), &length))
        return "none";
    return std::string(text, length > 0 ? length - 1 : 0);
}

std::string LoadedIconSize(int id, int size) {
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                               IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (icon == nullptr)
        return "missing";
    ICONINFO info{};
    BITMAP bitmap{};
    GetIconInfo(icon, &info);
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    return std::to_string(bitmap.bmWidth) + "x" + std::to_string(bitmap.bmHeight) + "x" +
           std::to_string(bitmap.bmBitsPixel);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    std::ofstream report(argv[1]);
    HDC screen = GetDC(nullptr);
    report << "dpiAware="
           << ManifestSetting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware")
           << '\n'
           << "dpiAwareness="
           << ManifestSetting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                              L"dpiAwareness")
           << '\n'
           << "dpi_aware=" << (IsProcessDPIAware() ? 1 : 0) << '\n'
           << "dpi=" << GetDeviceCaps(screen, LOGPIXELSX) << '\n'
           << "comctl32=" << CommonControlsFile() << '\n'
           << "file_version=" << FileVersion() << '\n';
    ReleaseDC(nullptr, screen);
    for (const auto& [name, id] : {std::pair{"imgTessik", TESSIK_ICON_IMGTESSIK},
                                   std::pair{"imgEnglish", TESSIK_ICON_IMGENGLISH}}) {
        for (const int size : {16, 20, 24, 32, 48})
            report << name << '.' << size << '=' << LoadedIconSize(id, size) << '\n';
    }
    return report ? 0 : 1;
}
