#include "app/Win32MainWindow.h"

#include "platform/RuntimeError.h"
#include "resources/letters/LetterIds.h"
#include "shell/InternalError.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowDesign.h"
#include "shell/TrayIcon.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace tessik {
namespace {

constexpr char kFormClass[] = "TessikMainWindow";
constexpr char kPictureClass[] = "TessikPictureBox";
// How many items an opened drop-down list shows before it scrolls.
constexpr int kDroppedItems = 12;
// The design's pictures are drawn for 96 dots per inch.
constexpr int kDesignDpi = 96;

// A fixed frame: the design places every control in a client area of a
// given size.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

DisplayScale ScreenScale() {
    HDC screen = GetDC(nullptr);
    const DisplayScale scale{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return scale;
}

void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw RuntimeError(ErrorNumber::InternalError,
                           std::string("cannot register the window class ") + name);
}

struct ChildKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

ChildKind KindOf(design::ControlKind kind) {
    switch (kind) {
    case design::ControlKind::ListView:
        // The key picker is moved over the list: clipped, the list never
        // paints over it.
        return {WC_LISTVIEWA,
                WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                    LVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE};
    case design::ControlKind::DropDownList:
        return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case design::ControlKind::Button:
        return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case design::ControlKind::TextBox:
        return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case design::ControlKind::PictureBox:
        return {kPictureClass, 0, 0};
    case design::ControlKind::Label:
        // A caption too long for its label is cut at the end rather than
        // losing whole words to a second line that does not show.
        return {"STATIC", SS_LEFTNOWORDWRAP, 0};
    case design::ControlKind::Image:
        break;
    }
    return {nullptr, 0, 0};
}

// The window's default font, for controls without a font of their own:
// the typeface the system uses for message boxes, at the size the design's
// captions were laid out for, so that they fit at any resolution.
constexpr double kWindowDefaultPoints = 8.25;

HFONT CreateWindowDefaultFont(const DisplayScale& scale) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    metrics.lfMessageFont.lfHeight = -scale.FontHeightPixels(kWindowDefaultPoints);
    metrics.lfMessageFont.lfWidth = 0;
    return CreateFontIndirectA(&metrics.lfMessageFont);
}

HFONT CreateDesignFont(const design::Font& font, const DisplayScale& scale) {
    LOGFONTA description{};
    description.lfHeight = -scale.FontHeightPixels(font.points);
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    const std::size_t length = std::min(font.face.size(), sizeof description.lfFaceName - 1);
    std::memcpy(description.lfFaceName, font.face.data(), length);
    return CreateFontIndirectA(&description);
}

// The strip of letter pictures in the program's resources, at `cellSize`
// pixels a cell: drawn for 96 dots per inch, it is stretched first at other
// resolutions so that the pictures keep their size beside the text. 0 when
// the resource cannot be read.
HBITMAP LoadLetterStrip(int cellSize) {
    auto* strip =
        static_cast<HBITMAP>(LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(IDB_LETTER_PICTURES),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (strip == nullptr || cellSize == design::kLetterPictureSize)
        return strip;
    const int width = cellSize * design::kLetterPictureCount;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP stretched = CreateCompatibleBitmap(screen, width, cellSize);
    if (from != nullptr && to != nullptr && stretched != nullptr) {
        HGDIOBJ oldFrom = SelectObject(from, strip);
        HGDIOBJ oldTo = SelectObject(to, stretched);
        SetStretchBltMode(to, HALFTONE);
        SetBrushOrgEx(to, 0, 0, nullptr);
        StretchBlt(to, 0, 0, width, cellSize, from, 0, 0,
                   design::kLetterPictureSize * design::kLetterPictureCount,
                   design::kLetterPictureSize, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    }
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    DeleteObject(strip);
    return stretched;
}

} // namespace

struct Win32MainWindow::Procedures {
    static Win32MainWindow* Of(HWND window) {
        return reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }

    static void Remember(HWND window, LPARAM createParameters) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(createParameters);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }

    static LRESULT CALLBACK Form(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            Remember(window, lParam);
        Win32MainWindow* self = Of(window);
        if (self != nullptr && self->HandleFormMessage(message, wParam, lParam))
            return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    }

    static LRESULT CALLBACK Picture(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            Remember(window, lParam);
        Win32MainWindow* self = Of(window);
        if (self != nullptr && message == WM_MOUSEMOVE) {
            if (Win32ControlBinding* binding = self->BindingOf(FromHwnd(window)))
                self->Raise([&] { binding->MouseMove(wParam, lParam); });
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

Win32MainWindow::Win32MainWindow(WindowHandle owner, Icons windowIcons) : scale_(ScreenScale()) {
    RegisterWindowClass(kFormClass, Procedures::Form, GetSysColorBrush(COLOR_BTNFACE));
    RegisterWindowClass(kPictureClass, Procedures::Picture, nullptr);

    RECT frame{0, 0, scale_.XPixels(design::kClientWidth), scale_.YPixels(design::kClientHeight)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT workArea{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const int left = workArea.left + std::max(0L, (workArea.right - workArea.left - width) / 2);
    const int top = workArea.top + std::max(0L, (workArea.bottom - workArea.top - height) / 2);

    HWND form =
        CreateWindowExA(kFormExStyle, kFormClass, std::string(design::kTitle).c_str(), kFormStyle,
                        left, top, width, height, ToHwnd(owner), nullptr, ProgramInstance(), this);
    if (form == nullptr)
        throw RuntimeError(ErrorNumber::InternalError, "cannot create the main window");
    form_ = FromHwnd(form);
    SendMessageA(form, WM_SETICON, ICON_BIG, static_cast<LPARAM>(windowIcons.large));
    SendMessageA(form, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(windowIcons.small));

    CreateControls();
    CreateHelpMenu();
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
}

Win32MainWindow::~Win32MainWindow() {
    Destroy();
    if (helpMenu_ != 0)
        DestroyMenu(reinterpret_cast<HMENU>(helpMenu_));
    for (const auto& [font, handle] : fonts_)
        DeleteObject(reinterpret_cast<HFONT>(handle));
}

void Win32MainWindow::Destroy() {
    if (IsWindow(ToHwnd(form_)))
        DestroyWindow(ToHwnd(form_));
    logic_ = nullptr;
    messages_ = nullptr;
}

WindowHandle Win32MainWindow::ChildOf(const design::Control& control) const {
    return FromHwnd(GetDlgItem(ToHwnd(form_), control.id));
}

// Each font of the design is created once, when a control first names it.
uintptr_t Win32MainWindow::FontFor(const design::Font& font) {
    for (const auto& [created, handle] : fonts_) {
        if (created.face == font.face && created.points == font.points)
            return handle;
    }
    HFONT handle =
        font.IsWindowDefault() ? CreateWindowDefaultFont(scale_) : CreateDesignFont(font, scale_);
    fonts_.emplace_back(font, reinterpret_cast<uintptr_t>(handle));
    return fonts_.back().second;
}

void Win32MainWindow::CreateControls() {
    // Created in tab order: the order of the children is the order in
    // which Tab moves through them.
    for (const design::Control* design : design::kControls) {
        const design::Control& control = *design;
        const ChildKind kind = KindOf(control.kind);
        if (kind.className == nullptr)
            continue; // an image has no window of its own
        const PixelRect bounds = scale_.ToPixels(control.bounds);
        const DWORD style = WS_CHILD | kind.style | (control.visible ? WS_VISIBLE : 0) |
                            (control.enabled ? 0 : WS_DISABLED);
        HWND child = CreateWindowExA(
            kind.exStyle, kind.className, std::string(control.caption).c_str(), style, bounds.left,
            bounds.top, bounds.width, bounds.height, ToHwnd(form_),
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)), ProgramInstance(), this);
        if (child == nullptr)
            throw RuntimeError(ErrorNumber::InternalError,
                               "cannot create " + std::string(control.name));
        SendMessageA(child, WM_SETFONT, FontFor(control.font), FALSE);
        if (control.kind == design::ControlKind::DropDownList)
            FitDropDownList(control);
    }

    // The letter table: a whole row is selected by a click anywhere on it,
    // and its rows are as high as the letter pictures.
    HWND letters = ToHwnd(ChildOf(design::lstTessikLetters));
    ListView_SetExtendedListViewStyle(letters, LVS_EX_FULLROWSELECT);
    const int pictureSize = MulDiv(design::kLetterPictureSize, scale_.dpiY, kDesignDpi);
    HIMAGELIST pictures = ImageList_Create(pictureSize, pictureSize, ILC_COLOR24 | ILC_MASK,
                                           design::kLetterPictureCount, 0);
    // Without its pictures the table still shows every row's key.
    if (HBITMAP strip = LoadLetterStrip(pictureSize)) {
        constexpr uint32_t mask = design::kLetterPictureMask; // 0xRRGGBB
        ImageList_AddMasked(pictures, strip,
                            RGB((mask >> 16) & 0xFF, (mask >> 8) & 0xFF, mask & 0xFF));
        DeleteObject(strip);
    }
    ListView_SetImageList(letters, pictures, LVSIL_SMALL);
}

// The closed box of a drop-down list gets the design's height whatever
// its font, as near as the control allows; the opened list shows
// kDroppedItems items.
void Win32MainWindow::FitDropDownList(const design::Control& control) {
    HWND combo = ToHwnd(ChildOf(control));
    const PixelRect bounds = scale_.ToPixels(control.bounds);
    // How much frame the control adds around the selection field depends
    // on the system: correct by what is measured until it fits.
    auto selection = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT closed{};
        GetWindowRect(combo, &closed);
        const int missing = bounds.height - (closed.bottom - closed.top);
        if (missing == 0 || selection + missing <= 0)
            break;
        selection += missing;
        SendMessageA(combo, CB_SETITEMHEIGHT, WPARAM(-1), selection);
    }
    const auto item = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    SendMessageA(combo, CB_SETMINVISIBLE, kDroppedItems, 0);
    SetWindowPos(combo, nullptr, 0, 0, bounds.width, bounds.height + kDroppedItems * item + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The help menu is never shown as a menu bar; cmdHelp opens it.
void Win32MainWindow::CreateHelpMenu() {
    HMENU menu = CreatePopupMenu();
    for (const design::MenuItem* item : design::kHelpMenuItems)
        AppendMenuA(menu, MF_STRING, item->id, std::string(item->caption).c_str());
    helpMenu_ = reinterpret_cast<uintptr_t>(menu);
}

template <class Binding, class Object, class... Options>
void Win32MainWindow::BindControl(const design::Control& control, Object& object,
                                  Options... options) {
    bindings_.push_back(std::make_unique<Binding>(ChildOf(control), object,
                                                  Win32BindingContext{scale_, echo_}, options...));
}

void Win32MainWindow::Bind(MainWindow& logic, MessageDialog& messages) {
    logic_ = &logic;
    messages_ = &messages;
    BindControl<Win32ListViewBinding>(design::lstTessikLetters, logic.lstTessikLetters);
    BindControl<Win32DropDownListBinding>(design::cmbLetters, logic.cmbLetters,
                                          Win32DropDownListBinding::Placement::Overlay);
    BindControl<Win32ButtonBinding>(design::cmdSave, logic.cmdSave);
    BindControl<Win32DropDownListBinding>(design::cmbLayouts, logic.cmbLayouts);
    BindControl<Win32TextBoxBinding>(design::txtLayoutName, logic.txtLayoutName);
    BindControl<Win32PictureBoxBinding>(design::pctHotkey, logic.pctHotkey);
    BindControl<Win32ButtonBinding>(design::cmdNew, logic.cmdNew);
    BindControl<Win32ButtonBinding>(design::cmdHide, logic.cmdHide);
    BindControl<Win32ButtonBinding>(design::cmdDelete, logic.cmdDelete);
    BindControl<Win32ButtonBinding>(design::cmdModify, logic.cmdModify);
    BindControl<Win32ButtonBinding>(design::cmdCancel, logic.cmdCancel);
    BindControl<Win32ButtonBinding>(design::cmdAbout, logic.cmdAbout);
    BindControl<Win32LabelBinding>(design::lblLayouts, logic.lblLayouts);
    BindControl<Win32LabelBinding>(design::lblLName, logic.lblLName);
    BindControl<Win32ButtonBinding>(design::cmdExit, logic.cmdExit);
    BindControl<Win32ButtonBinding>(design::cmdHelp, logic.cmdHelp);

    menuItems_ = {{design::mnuConfigur.id, &logic.mnuConfigur},
                  {design::mnuBeginning.id, &logic.mnuBeginning},
                  {design::mnuUsing.id, &logic.mnuUsing},
                  {design::mnuRules.id, &logic.mnuRules}};
    formBackend_ = std::make_unique<Win32FormBackend>(form_);
    logic.frmMain.Attach(*formBackend_);
}

Win32ControlBinding* Win32MainWindow::BindingOf(WindowHandle child) const {
    for (const auto& binding : bindings_) {
        if (binding->Window() == child)
            return binding.get();
    }
    return nullptr;
}

template <class Event> void Win32MainWindow::Raise(Event event) noexcept {
    try {
        event();
    } catch (...) {
        ReportCurrentException(*messages_);
    }
}

// Returns whether the message was handled, with the result 0.
bool Win32MainWindow::HandleFormMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return false;
    case WM_ACTIVATE:
        // As a dialog does: the control that had the focus gets it back.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            focusBeforeDeactivation_ = IsChild(ToHwnd(form_), focus) ? FromHwnd(focus) : 0;
        } else {
            HWND focus = ToHwnd(focusBeforeDeactivation_);
            if (focus == nullptr || !IsWindowEnabled(focus) || !IsWindowVisible(focus))
                focus = GetNextDlgTabItem(ToHwnd(form_), nullptr, FALSE);
            if (focus != nullptr)
                SetFocus(focus);
        }
        return true;
    default:
        break;
    }
    if (logic_ == nullptr)
        return false;
    MainWindow& logic = *logic_;
    if (message == kTrayCallbackMessage) {
        Raise([&] { logic.TrayCallback(LOWORD(lParam)); });
        return true;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        Raise([&] { logic.TaskbarCreated(); });
        return true;
    }
    switch (message) {
    case WM_COMMAND:
        RouteCommand(wParam, lParam);
        return true;
    case WM_NOTIFY:
        if (Win32ControlBinding* binding =
                BindingOf(FromHwnd(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom)))
            Raise([&] { binding->Notify(lParam); });
        return true;
    case WM_CLOSE:
        // The window has no Close command: it is left with Hide or Exit,
        // and Alt+F4 does nothing.
        return true;
    case WM_QUERYENDSESSION:
        Raise([&] { logic.SessionEnding(); });
        // Not handled here, so that the default answer, TRUE, lets the
        // session end.
        return false;
    case WM_ENDSESSION:
        if (wParam)
            Raise([&] { logic.SessionEnded(); });
        return true;
    default:
        return false;
    }
}

void Win32MainWindow::RouteCommand(uintptr_t wParam, intptr_t lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0) {
        for (const auto& [itemId, item] : menuItems_) {
            if (code == 0 && id == itemId)
                Raise([item] { item->Click(); });
        }
        return;
    }
    if (Win32ControlBinding* binding = BindingOf(static_cast<WindowHandle>(lParam)))
        Raise([&] { binding->Command(code); });
}

// The control objects learn where the focus went from here, after each
// message, whatever moved it: a click, Tab, an access key or the program.
void Win32MainWindow::RouteFocus() {
    const WindowHandle focus = FromHwnd(GetFocus());
    if (logic_ == nullptr || focus == lastFocus_)
        return;
    lastFocus_ = focus;
    if (Win32ControlBinding* binding = BindingOf(focus))
        binding->FocusArrived();
}

int Win32MainWindow::RunMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab, the arrow keys and the access keys work as in a dialog.
        if (!IsDialogMessageA(ToHwnd(form_), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        RouteFocus();
    }
    return static_cast<int>(message.wParam);
}

} // namespace tessik
