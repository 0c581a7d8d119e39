#include "shell/MainWindow.h"

#include "layouts/KeyPicker.h"
#include "layouts/LayoutList.h"
#include "layouts/LetterTable.h"
#include "shell/CloseCommand.h"
#include "shell/InternalError.h"
#include "shell/MainWindowDesign.h"
#include "shell/SettingsStore.h"
#include "shell/SingleInstance.h"
#include "shell/TrayIcon.h"
#include "shell/TrayMenu.h"

#include <cmath>
#include <utility>

namespace tessik {
namespace {

const char* const kExitQuestion = "Do you really want to close 'Tessik'?\rYou have to start "
                                  "'Tessik' again to write tessik letters.";
const char* const kHookRefused =
    "Windows did not allow 'Tessik' to watch the keyboard, so Bengali typing could not be "
    "switched on.\rThe keyboard stays in 'System Default'.";
const char* const kHotKeyTaken =
    "Another program uses Ctrl+Alt+Space, so the hot key cannot switch 'Tessik' on and off.\r"
    "Click the 'Tessik' icon in the notification area to switch between 'Tessik' and 'System "
    "Default'.";
const char* const kDeleteQuestion = "Do you really want to delete this layout?";

std::string CannotDelete(const std::string& name) {
    return "You cannot delete the '" + name + "' layout.";
}

std::string NotALayoutFile(const std::string& name) {
    return "The file '" + name + "' in the Layouts folder is not a layout file: while it is " +
           "chosen, the keys type as in 'System Default'.\rA layout in its text form is made " +
           "into a layout file with tessik-cli layout import.";
}

std::string Name(const design::Control& d) {
    return std::string(d.name);
}

// Each control starts as the design has it.
Button MakeButton(Form& form, const design::Control& d) {
    return Button(form, Name(d), d.bounds, std::string(d.caption), d.enabled, d.visible);
}
Label MakeLabel(Form& form, const design::Control& d) {
    return Label(form, Name(d), d.bounds, std::string(d.caption), d.visible);
}
TextBox MakeTextBox(Form& form, const design::Control& d) {
    return TextBox(form, Name(d), d.bounds, d.enabled, d.visible);
}
ComboBox MakeDropDownList(Form& form, const design::Control& d) {
    return ComboBox(form, Name(d), d.bounds, d.enabled, d.visible);
}
ListView MakeListView(Form& form, const design::Control& d) {
    return ListView(form, Name(d), d.bounds, d.enabled, d.visible);
}
PictureBox MakePictureBox(Form& form, const design::Control& d, WindowHandle handle) {
    return PictureBox(form, Name(d), d.bounds, handle, d.visible);
}
Image MakeImage(Form& form, const design::Control& d, IconHandle picture) {
    return Image(form, Name(d), d.bounds, picture, d.visible);
}
MenuItem MakeMenuItem(const design::MenuItem& d, bool visible = true) {
    return MenuItem(std::string(d.name), std::string(d.caption), visible);
}

} // namespace

// Wraps an event handler's body in the error pattern of the handlers.
template <class Body> auto MainWindow::Handler(Body body) {
    return [this, body] { RunHandler(platform_.messages, body); };
}

MainWindow::MainWindow(Platform platform, Modules modules, Windows windows, Pictures pictures,
                       std::string layoutsFolder, DisplayScale scale)
    : ApplicationTitle(design::kTitle), frmMain(std::string(design::kTitle), windows.frmMain),
      lstTessikLetters(MakeListView(frmMain, design::lstTessikLetters)),
      cmbLetters(MakeDropDownList(frmMain, design::cmbLetters)),
      cmdSave(MakeButton(frmMain, design::cmdSave)),
      cmbLayouts(MakeDropDownList(frmMain, design::cmbLayouts)),
      txtLayoutName(MakeTextBox(frmMain, design::txtLayoutName)),
      pctHotkey(MakePictureBox(frmMain, design::pctHotkey, windows.pctHotkey)),
      cmdNew(MakeButton(frmMain, design::cmdNew)), cmdHide(MakeButton(frmMain, design::cmdHide)),
      cmdDelete(MakeButton(frmMain, design::cmdDelete)),
      cmdModify(MakeButton(frmMain, design::cmdModify)),
      cmdCancel(MakeButton(frmMain, design::cmdCancel)),
      cmdAbout(MakeButton(frmMain, design::cmdAbout)),
      lblLayouts(MakeLabel(frmMain, design::lblLayouts)),
      lblLName(MakeLabel(frmMain, design::lblLName)), cmdExit(MakeButton(frmMain, design::cmdExit)),
      cmdHelp(MakeButton(frmMain, design::cmdHelp)),
      imgTessik(MakeImage(frmMain, design::imgTessik, pictures.imgTessik)),
      imgEnglish(MakeImage(frmMain, design::imgEnglish, pictures.imgEnglish)),
      mnuHiddenPopup(MakeMenuItem(design::mnuHiddenPopup, false)),
      mnuConfigur(MakeMenuItem(design::mnuConfigur)),
      mnuBeginning(MakeMenuItem(design::mnuBeginning)), mnuUsing(MakeMenuItem(design::mnuUsing)),
      mnuRules(MakeMenuItem(design::mnuRules)), platform_(platform), modules_(modules),
      layoutsFolder_(std::move(layoutsFolder)), scale_(scale),
      editor_({lstTessikLetters, cmbLetters, cmbLayouts, txtLayoutName, cmdNew, cmdSave, cmdModify,
               cmdCancel, cmdDelete, cmdHide},
              {platform.messages, ApplicationTitle, [this] { return nativeMode_; },
               [this] { ShowLayout(); }, [this] { StoreSelectedLayout(); }},
              platform.files, platform.codePage, modules.engine) {
    for (const auto& column : design::kLetterColumns)
        lstTessikLetters.AddColumn({std::string(column.header), column.width});
    for (const auto label : kPickerLabels)
        cmbLetters.AddItem(std::string(label));
    // The key shown may be given to the next row; the layout shown is
    // current already, and choosing it again must not reload it over edits.
    cmbLetters.repeatedPickIsChoice = true;

    // A layout is being created or modified exactly while Cancel is enabled.
    lstTessikLetters.onClick =
        Handler([this] { RowClick(lstTessikLetters, cmbLetters, cmdCancel.Enabled()); });
    cmbLetters.onClick = Handler([this] { LabelPick(lstTessikLetters, cmbLetters); });
    cmdNew.onClick = Handler([this] { editor_.New(); });
    cmdSave.onClick = Handler([this] { editor_.Save(); });
    cmdModify.onClick = Handler([this] { editor_.Modify(); });
    cmdCancel.onClick = Handler([this] { editor_.Cancel(); });
    cmbLayouts.onClick = Handler([this] { SelectLayout(); });
    cmdDelete.onClick = Handler([this] { DeleteLayout(); });
    pctHotkey.onMouseMove = [this](int, int, float x, float) {
        RunHandler(platform_.messages, [this, x] { HotkeyMouseMove(x); });
    };
    cmdHide.onClick = Handler([this] { frmMain.Hide(); });
    cmdExit.onClick = Handler([this] { Exit(); });
    frmMain.onUnload = [this] { StoreSelectedLayout(); };
}

void MainWindow::Load() noexcept {
    bool handedOver = false;
    // Two handlers, not one: a failure while the layouts are set up is
    // reported, and the program is still made reachable.
    RunHandler(platform_.messages, [&] {
        platform_.application.LeaveTaskList();
        handedOver = HandOverToRunningCopy();
        if (handedOver)
            return;
        DisableClose(platform_.systemMenus, frmMain.Handle());
        FillLayoutList(cmbLayouts, platform_.files, layoutsFolder_);
        AddLetterRows(lstTessikLetters);
        SelectStoredLayout();
    });
    if (!handedOver)
        RunHandler(platform_.messages, [this] { SetUpReachability(); });
}

bool MainWindow::HandOverToRunningCopy() {
    return platform_.application.PreviousInstanceRunning() &&
           ActivatePreviousInstance(ApplicationTitle, platform_.application, platform_.windows);
}

// Selecting the entry runs the selection steps, which make the layout
// current, load its key map and show it; their failures are reported there,
// once.
void MainWindow::SelectStoredLayout() {
    std::string stored = ValueAsText(
        ReadSetting(platform_.registry, setting::kAppName, setting::kSection, setting::kKeyLayout,
                    kDefaultLayoutName, setting::kRoot, setting::kParentPath));
    // A stored layout whose file has gone since (or an empty name) falls
    // back to the built-in one.
    if (!cmbLayouts.Contains(stored))
        stored = kDefaultLayoutName;
    cmbLayouts.SetText(stored);
}

void MainWindow::SetUpReachability() {
    cmdSave.SetEnabled(false);
    cmdCancel.SetEnabled(false);
    const bool hotKeyRegistered =
        modules_.hotKey.InstallHotKey(frmMain.Handle(), pctHotkey.Handle());
    platform_.tray.AcceptShellMessages(frmMain.Handle(), kTrayCallbackMessage);
    FillTrayRecord(imgEnglish.Picture());
    platform_.tray.Notify(TrayMessage::Add, trayRecord_);
    trayIconAdded_ = true;
    frmMain.Hide();
    // Said once, with the icon in place that still switches the mode.
    if (!hotKeyRegistered)
        platform_.messages.Show(kHotKeyTaken, box::InformationOk, ApplicationTitle);
}

void MainWindow::TrayCallback(uint32_t mouseMessage) noexcept {
    RunHandler(platform_.messages, [this, mouseMessage] {
        if (mouseMessage == wm::LButtonUp)
            ToggleInputMode();
        else if (mouseMessage == wm::LButtonDblClk)
            frmMain.Show();
        else if (mouseMessage == wm::RButtonUp)
            ShowTrayMenu();
    });
}

// Built anew each time, so that it shows the list and the mode as they are.
// The entry chosen acts once the menu has closed, each through the handler
// of the control that it stands for.
void MainWindow::ShowTrayMenu() {
    const std::vector<PopupEntry> menu = TrayMenu(*this);
    if (const PopupEntry* chosen = platform_.menus.TrackMenuAtPointer(menu))
        chosen->choose();
}

void MainWindow::TaskbarCreated() noexcept {
    RunHandler(platform_.messages, [this] {
        if (!trayIconAdded_)
            return;
        FillTrayRecord(nativeMode_ ? imgTessik.Picture() : imgEnglish.Picture());
        platform_.tray.Notify(TrayMessage::Add, trayRecord_);
    });
}

void MainWindow::ToggleInputMode() {
    if (!nativeMode_) {
        modules_.hooks.InstallHook();
        if (!modules_.hooks.IsHookInstalled()) {
            // Holding the hot key repeats the toggle while the box is open;
            // one box says it all.
            if (!reportingRefusedHook_) {
                reportingRefusedHook_ = true;
                platform_.messages.Show(kHookRefused, box::StopOk, ApplicationTitle);
                reportingRefusedHook_ = false;
            }
            return;
        }
        UpdateTrayIcon(imgTessik.Picture());
        cmbLayouts.SetEnabled(true);
        nativeMode_ = true;
    } else {
        modules_.hooks.RemoveHook();
        UpdateTrayIcon(imgEnglish.Picture());
        cmbLayouts.SetEnabled(false);
        nativeMode_ = false;
    }
    cmbLetters.SetVisible(false);
}

void MainWindow::UpdateTrayIcon(IconHandle picture) {
    FillTrayRecord(picture);
    // During start-up the layout is selected before the icon is added.
    if (trayIconAdded_)
        platform_.tray.Notify(TrayMessage::Modify, trayRecord_);
}

void MainWindow::FillTrayRecord(IconHandle picture) {
    const std::string tip =
        picture == imgTessik.Picture() ? NativeTip(cmbLayouts.Text()) : SystemDefaultTip();
    trayRecord_ = MakeTrayIconRecord(frmMain.Handle(), picture, tip);
}

void MainWindow::ShowInternalError(int32_t errorNumber) {
    tessik::ShowInternalError(platform_.messages, errorNumber);
}

void MainWindow::ShowLayout() noexcept {
    RunHandler(platform_.messages, [this] {
        Engine& engine = modules_.engine;
        if (engine.PhoneticIsCurrent())
            ShowPhoneticSpellings(lstTessikLetters);
        else
            ShowLayoutFile(lstTessikLetters, platform_.files,
                           engine.LayoutPath(engine.CurrentLayoutName()), engine.RecordBuffer());
    });
}

void MainWindow::SelectLayout() {
    modules_.engine.SelectLayout(cmbLayouts.Text());
    modules_.hooks.FollowLayout();
    // The icon shows the input mode, which a selection does not change: in
    // the system default nothing is translated, whatever layout is current.
    UpdateTrayIcon(nativeMode_ ? imgTessik.Picture() : imgEnglish.Picture());
    modules_.engine.LoadKeyMap();
    ShowLayout();
    // Said for each choice of such a file, at start-up too. The list takes a
    // pick of the layout already current for no choice, so neither taking it
    // again nor showing or loading it again says it twice.
    if (modules_.engine.CurrentFileIsNotALayout())
        platform_.messages.Show(NotALayoutFile(cmbLayouts.Text()), box::InformationOk,
                                ApplicationTitle);
}

void MainWindow::DeleteLayout() {
    // With no entry selected (the list is empty, or the built-in layout was
    // missing after the last deletion) there is no layout to delete.
    if (cmbLayouts.ListIndex() < 0)
        return;
    if (IsBuiltInLayout(cmbLayouts.Text())) {
        platform_.messages.Show(CannotDelete(cmbLayouts.Text()), box::InformationOk,
                                ApplicationTitle);
        return;
    }
    if (platform_.messages.Show(kDeleteQuestion, box::QuestionYesNo, ApplicationTitle) != box::Yes)
        return;
    platform_.files.RemoveFile(modules_.engine.LayoutPath(cmbLayouts.Text()));
    cmbLayouts.RemoveItem(cmbLayouts.ListIndex());
    cmbLayouts.SetText(kDefaultLayoutName);
    modules_.engine.LoadKeyMap();
    ShowLayout();
}

void MainWindow::HotkeyMouseMove(float x) {
    // Only the forwarded hot key moves to x = 0; pctHotkey is never shown.
    if (std::lround(x / scale_.TwipsPerPixelX()) == 0)
        ToggleInputMode();
}

void MainWindow::Exit() {
    if (platform_.messages.Show(kExitQuestion, box::QuestionYesNo, ApplicationTitle) != box::Yes)
        return;
    if (nativeMode_)
        modules_.hooks.RemoveHook();
    modules_.hotKey.RemoveHotKey();
    StoreSelectedLayout();
    platform_.tray.Notify(TrayMessage::Delete, trayRecord_);
    trayIconAdded_ = false;
    frmMain.Unload();
}

void MainWindow::SessionEnding() {
    StoreSelectedLayout();
}

void MainWindow::SessionEnded() {
    if (nativeMode_)
        modules_.hooks.RemoveHook();
    frmMain.Unload();
}

void MainWindow::StoreSelectedLayout() {
    WriteSetting(platform_.registry, setting::kAppName, setting::kSection, setting::kKeyLayout,
                 cmbLayouts.Text(), setting::kRoot, setting::kParentPath);
}

} // namespace tessik
