// tessik.exe: the entry procedure, and the live program put together from
// the engine, the window's logic and their Win32 bindings.

#include "app/Win32MainWindow.h"
#include "engine/Engine.h"
#include "engine/HookLifecycle.h"
#include "platform/win32/Win32AnsiCodePage.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32HelpViewer.h"
#include "platform/win32/Win32HotKeySystem.h"
#include "platform/win32/Win32Keyboard.h"
#include "platform/win32/Win32KeyboardInputWatch.h"
#include "platform/win32/Win32MessageDialog.h"
#include "platform/win32/Win32MouseHook.h"
#include "platform/win32/Win32NotificationArea.h"
#include "platform/win32/Win32PopupMenus.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemHook.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "resources/win32/ResourceIds.h"
#include "shell/HelpAndAbout.h"
#include "shell/HotKey.h"
#include "shell/InternalError.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowDesign.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace tessik {
namespace {

std::string ExecutableFolder() {
    std::string path(MAX_PATH, '\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path.substr(0, path.find_last_of('\\'));
}

// Destroys the main window when it goes out of scope, however the scope is
// left: made after everything that the window's events reach, it goes
// before all of them.
class WindowDestroyer {
public:
    explicit WindowDestroyer(Win32MainWindow& window) : window_(window) {}
    ~WindowDestroyer() { window_.Destroy(); }
    WindowDestroyer(const WindowDestroyer&) = delete;
    WindowDestroyer& operator=(const WindowDestroyer&) = delete;

private:
    Win32MainWindow& window_;
};

IconHandle LoadProgramIcon(int id, int size) {
    return reinterpret_cast<IconHandle>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                   IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

int RunProgram() {
    const std::string executableFolder = ExecutableFolder();
    const std::string layoutsFolder = JoinPath(executableFolder, "Layouts");

    Win32AnsiCodePage codePage;
    Win32FileSystem files(codePage);
    Win32KeyState keys;
    Win32HookChain hookChain;
    Win32Injector injector;
    Win32ForegroundWindow foreground;
    Engine engine({keys, hookChain, injector, files, foreground}, layoutsFolder);
    Win32SystemHook systemHook(engine);

    // The tray shows small icons; the window also has a large one.
    const int smallIcon = GetSystemMetrics(SM_CXSMICON);
    const IconHandle imgTessik = LoadProgramIcon(TESSIK_ICON_IMGTESSIK, smallIcon);
    const IconHandle imgEnglish = LoadProgramIcon(TESSIK_ICON_IMGENGLISH, smallIcon);
    // Made before the main window, which it owns.
    Win32Application application{std::string(design::kTitle)};
    Win32MainWindow window(
        application.Window(),
        {LoadProgramIcon(TESSIK_ICON_IMGTESSIK, GetSystemMetrics(SM_CXICON)), imgTessik});

    Win32KeyboardInputWatch keyboardInput;
    Win32MouseHook mouseHook;
    HookLifecycle hooks(engine, systemHook, mouseHook, keyboardInput, window.Handle());
    systemHook.ReportHookCallsTo(&hooks.Watchdog());

    Win32HotKeySystem hotKeySystem;
    HotKey hotKey(hotKeySystem);
    hotKeySystem.RouteTo(hotKey);

    Win32MessageDialog messages(window.Handle());
    Win32NotificationArea tray;
    Win32Registry registry;
    Win32TopLevelWindows windows;
    Win32SystemMenus systemMenus;
    Win32PopupMenus popupMenus(window.Handle(), window.HelpMenu(), window.Scale());
    MainWindow logic(
        {messages, tray, registry, files, application, windows, systemMenus, codePage, popupMenus},
        {engine, hooks, hotKey}, {window.Handle(), window.ChildOf(design::pctHotkey)},
        {imgTessik, imgEnglish}, layoutsFolder, window.Scale());
    Win32HelpViewer helpViewer;
    HelpAndAbout help(logic, {messages, popupMenus, helpViewer, files}, executableFolder);

    window.Bind(logic, messages);
    const WindowDestroyer destroyer(window);
    logic.Load();
    const int exitCode = window.RunMessageLoop();
    systemHook.ReportHookCallsTo(nullptr);
    return exitCode;
}

} // namespace
} // namespace tessik

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Failures of these three are ignored: the program runs without them,
    // with plainer controls at worst.
    const INITCOMMONCONTROLSEX controls{8, ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    // Kept loaded for the life of the process.
    LoadLibraryA("shell32.dll");
    InitCommonControls();

    try {
        return tessik::RunProgram();
    } catch (...) {
        // The window could not be made: nothing else can say so.
        tessik::Win32MessageDialog messages(0);
        tessik::ReportCurrentException(messages);
        return 1;
    }
}
