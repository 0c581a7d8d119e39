#pragma once

#include "platform/controls/Twips.h"

#include <array>
#include <cstdint>
#include <string_view>

// The design of the main window frmMain, as data: the window binding
// creates the real window and controls from it, and the control objects
// take their initial state from it. Positions and sizes are in twips, from
// the top-left corner of the client area.
namespace tessik::design {

enum class ControlKind { ListView, DropDownList, Button, TextBox, PictureBox, Label, Image };

struct Font {
    std::string_view face; // empty: the window's default font
    double points = 0;
    bool IsWindowDefault() const { return face.empty(); }
};

inline constexpr Font kWindowDefaultFont{};
inline constexpr Font kLetterFont{"Times New Roman", 18};
inline constexpr Font kAboutFont{"MS Sans Serif", 9.75};

constexpr int kNotInTabOrder = -1;
// The id of a control without a window of its own.
constexpr int kNoWindow = 0;

struct Control {
    std::string_view name;
    // The child window's id: 1000 + the control's place in kControls, which
    // the end-to-end tests read the window by.
    int id;
    ControlKind kind;
    std::string_view caption;
    TwipRect bounds;
    bool enabled;
    bool visible;
    int tabIndex;
    Font font;
};

inline constexpr std::string_view kTitle = "Tessik";
inline constexpr int kClientWidth = 4935;
inline constexpr int kClientHeight = 5250;

// clang-format off
inline constexpr Control lstTessikLetters{"lstTessikLetters", 1000,      ControlKind::ListView,     "",                    {420, 120, 2730, 5055}, true,  true,  0,  kLetterFont};
inline constexpr Control cmbLetters      {"cmbLetters",       1001,      ControlKind::DropDownList, "",                    {1065, 195, 1770, 525}, true,  false, 1,  kLetterFont};
inline constexpr Control cmdSave         {"cmdSave",          1002,      ControlKind::Button,       "&Save",               {3360, 1800, 1335, 375}, false, true, 2,  kWindowDefaultFont};
inline constexpr Control cmbLayouts      {"cmbLayouts",       1003,      ControlKind::DropDownList, "",                    {3360, 330, 1335, 315}, false, true,  3,  kWindowDefaultFont};
inline constexpr Control txtLayoutName   {"txtLayoutName",    1004,      ControlKind::TextBox,      "",                    {3360, 930, 1335, 285}, false, true,  4,  kWindowDefaultFont};
inline constexpr Control pctHotkey       {"pctHotkey",        1005,      ControlKind::PictureBox,   "",                    {3720, 4200, 735, 735}, true,  false, 5,  kWindowDefaultFont};
inline constexpr Control cmdNew          {"cmdNew",           1006,      ControlKind::Button,       "&New Layout",         {3360, 1320, 1335, 375}, true,  true, 6,  kWindowDefaultFont};
inline constexpr Control cmdHide         {"cmdHide",          1007,      ControlKind::Button,       "&Hide",               {3360, 3840, 1335, 375}, true,  true, 7,  kWindowDefaultFont};
inline constexpr Control cmdDelete       {"cmdDelete",        1008,      ControlKind::Button,       "&Delete",             {3360, 3240, 1335, 375}, true,  true, 8,  kWindowDefaultFont};
inline constexpr Control cmdModify       {"cmdModify",        1009,      ControlKind::Button,       "&Modify",             {3360, 2280, 1335, 375}, true,  true, 9,  kWindowDefaultFont};
inline constexpr Control cmdCancel       {"cmdCancel",        1010,      ControlKind::Button,       "&Cancel",             {3360, 2760, 1335, 375}, false, true, 10, kWindowDefaultFont};
inline constexpr Control cmdAbout        {"cmdAbout",         1011,      ControlKind::Button,       "?",                   {3360, 4320, 510, 375},  true,  true, 11, kAboutFont};
inline constexpr Control lblLayouts      {"lblLayouts",       1012,      ControlKind::Label,        "Available Layouts :", {3360, 105, 1380, 225}, true,  true,  12, kWindowDefaultFont};
inline constexpr Control lblLName        {"lblLName",         1013,      ControlKind::Label,        "Layout Name :",       {3360, 705, 1380, 225}, true,  true,  13, kWindowDefaultFont};
inline constexpr Control cmdExit         {"cmdExit",          1014,      ControlKind::Button,       "&Exit",               {3360, 4800, 1335, 375}, true,  true, 14, kWindowDefaultFont};
inline constexpr Control cmdHelp         {"cmdHelp",          1015,      ControlKind::Button,       "Help",                {3930, 4320, 765, 375},  true,  true, 15, kWindowDefaultFont};
inline constexpr Control imgTessik       {"imgTessik",        kNoWindow, ControlKind::Image,        "",                    {90, 90, 240, 240},     true,  false, kNotInTabOrder, kWindowDefaultFont};
inline constexpr Control imgEnglish      {"imgEnglish",       kNoWindow, ControlKind::Image,        "",                    {120, 360, 240, 240},   true,  false, kNotInTabOrder, kWindowDefaultFont};
// clang-format on

// Every control: first those of the tab order, in that order, then the rest.
inline constexpr std::array<const Control*, 18> kControls{
    &lstTessikLetters, &cmbLetters, &cmdSave,   &cmbLayouts, &txtLayoutName, &pctHotkey,
    &cmdNew,           &cmdHide,    &cmdDelete, &cmdModify,  &cmdCancel,     &cmdAbout,
    &lblLayouts,       &lblLName,   &cmdExit,   &cmdHelp,    &imgTessik,     &imgEnglish};

// The letter table's two columns, neither with a header text: the row's
// picture, and the key label.
struct Column {
    std::string_view header;
    int width;
};
inline constexpr std::array<Column, 2> kLetterColumns{{{"", 600}, {"", 1780}}};

// ImageList1, the small icons of the letter table's rows.
inline constexpr int kLetterPictureCount = 55;
inline constexpr int kLetterPictureSize = 36; // pixels, square
inline constexpr uint32_t kLetterPictureMask = 0xC0C0C0;

// The hidden menu that cmdHelp opens as a pop-up; no menu bar shows.
struct MenuItem {
    std::string_view name;
    std::string_view caption;
    // The command id of the item; the pop-up itself has none.
    int id = 0;
};
inline constexpr MenuItem mnuHiddenPopup{"mnuHiddenPopup", "Help"};
inline constexpr MenuItem mnuConfigur{"mnuConfigur", "Configuring the system", 2000};
inline constexpr MenuItem mnuBeginning{"mnuBeginning", "Beginning", 2001};
inline constexpr MenuItem mnuUsing{"mnuUsing", "Using the software", 2002};
inline constexpr MenuItem mnuRules{"mnuRules", "Writing Rules", 2003};
// The pop-up's items, in their order.
inline constexpr std::array<const MenuItem*, 4> kHelpMenuItems{&mnuConfigur, &mnuBeginning,
                                                               &mnuUsing, &mnuRules};

} // namespace tessik::design
