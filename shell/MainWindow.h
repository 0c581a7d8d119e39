#pragma once

#include "engine/Engine.h"
#include "engine/HookLifecycle.h"
#include "layouts/LayoutEditor.h"
#include "platform/Application.h"
#include "platform/FileSystem.h"
#include "platform/MessageDialog.h"
#include "platform/NotificationArea.h"
#include "platform/PopupMenus.h"
#include "platform/Registry.h"
#include "platform/SystemMenus.h"
#include "platform/TopLevelWindows.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Menu.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Twips.h"
#include "shell/HotKey.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessik {

// The main window frmMain: its controls, the input mode, the tray icon and
// the handlers of its events. The window binding creates the real window
// from the design, attaches backends to the controls and raises the events;
// everything the window does is decided here.
class MainWindow {
public:
    struct Platform {
        MessageDialog& messages;
        NotificationArea& tray;
        Registry& registry;
        FileSystem& files;
        Application& application;
        TopLevelWindows& windows;
        SystemMenus& systemMenus;
        const AnsiCodePage& codePage;
        PopupMenus& menus;
    };
    struct Modules {
        Engine& engine;
        HookLifecycle& hooks;
        HotKey& hotKey;
    };
    // The real windows of the form and of pctHotkey.
    struct Windows {
        WindowHandle frmMain;
        WindowHandle pctHotkey;
    };
    // The icons of the two input modes.
    struct Pictures {
        IconHandle imgTessik;
        IconHandle imgEnglish;
    };

    MainWindow(Platform platform, Modules modules, Windows windows, Pictures pictures,
               std::string layoutsFolder, DisplayScale scale);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The title of every message box that names no title of its own.
    std::string ApplicationTitle;

    Form frmMain;
    ListView lstTessikLetters;
    ComboBox cmbLetters;
    Button cmdSave;
    ComboBox cmbLayouts;
    TextBox txtLayoutName;
    PictureBox pctHotkey;
    Button cmdNew;
    Button cmdHide;
    Button cmdDelete;
    Button cmdModify;
    Button cmdCancel;
    Button cmdAbout;
    Label lblLayouts;
    Label lblLName;
    Button cmdExit;
    Button cmdHelp;
    Image imgTessik;
    Image imgEnglish;
    MenuItem mnuHiddenPopup;
    MenuItem mnuConfigur;
    MenuItem mnuBeginning;
    MenuItem mnuUsing;
    MenuItem mnuRules;
    // The items of mnuHiddenPopup, in their order.
    std::array<MenuItem*, 4> HelpItems() {
        return {&mnuConfigur, &mnuBeginning, &mnuUsing, &mnuRules};
    }

    // The load handler: hands over to a running copy and ends, if there is
    // one; otherwise fills the layout list and the letter table, selects the
    // stored layout, registers the hot key and adds the tray icon, leaving
    // the window hidden. Even when no layout can be loaded, the hot key and
    // the icon are set up, so that the program can always be reached and
    // ended.
    void Load() noexcept;
    // Log-off or shut-down is near (WM_QUERYENDSESSION): the selected layout
    // is stored now, as the unload handler stores it, since the process may
    // be ended before the window is unloaded.
    void SessionEnding();
    // The session ends (WM_ENDSESSION): the hook and its watchdog stop, as
    // at Exit, and the form is unloaded. The hot key and the tray icon go
    // with the process.
    void SessionEnded();
    // A mouse action on the tray icon (the low word of the callback's
    // lParam): a left click switches the mode, a double-click shows the
    // window and a right click opens the tray menu.
    void TrayCallback(uint32_t mouseMessage) noexcept;
    // The shell's notification area was created anew: the icon is added
    // again, in the current state.
    void TaskbarCreated() noexcept;

    bool NativeMode() const { return nativeMode_; }
    // Switches translation on or off. When the system refuses the keyboard
    // hook, the user is told and the mode stays the system default.
    void ToggleInputMode();
    // Refreshes the tray icon with one of the two mode pictures; the native
    // picture brings the tip that names the current layout.
    void UpdateTrayIcon(IconHandle picture);
    void ShowInternalError(int32_t errorNumber);
    // Shows the current layout's keys in the letter table (the phonetic
    // layout's spellings); reports its own failures, and its callers go on
    // in any case.
    void ShowLayout() noexcept;

    const TrayIconRecord& TrayRecord() const { return trayRecord_; }

private:
    template <class Body> auto Handler(Body body);

    bool HandOverToRunningCopy();
    void SelectStoredLayout();
    void SetUpReachability();
    void SelectLayout();
    void DeleteLayout();
    void FillTrayRecord(IconHandle picture);
    void ShowTrayMenu();
    void HotkeyMouseMove(float x);
    void Exit();
    void StoreSelectedLayout();

    Platform platform_;
    Modules modules_;
    std::string layoutsFolder_;
    DisplayScale scale_;
    LayoutEditor editor_;
    TrayIconRecord trayRecord_;
    bool trayIconAdded_ = false;
    bool nativeMode_ = false;
    bool reportingRefusedHook_ = false;
};

} // namespace tessik
