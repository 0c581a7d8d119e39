#pragma once

#include <cstddef>
#include <cstdint>

// The numbers of the Windows API that the portable code works with, so that
// it builds without the system headers. Each is the value of the Win32
// constant named beside it where the names differ; the Win32 layer uses the
// system headers themselves.
namespace tessik {

// The keyboard messages that reach the low-level keyboard hook, typed as the
// hook's wParam.
namespace msg {
constexpr uintptr_t KeyDown = 0x0100;    // WM_KEYDOWN
constexpr uintptr_t KeyUp = 0x0101;      // WM_KEYUP
constexpr uintptr_t SysKeyDown = 0x0104; // WM_SYSKEYDOWN
constexpr uintptr_t SysKeyUp = 0x0105;   // WM_SYSKEYUP
} // namespace msg

// Window messages.
namespace wm {
constexpr uint32_t NcDestroy = 0x0082;
constexpr uint32_t MouseMove = 0x0200;
constexpr uint32_t LButtonUp = 0x0202;
constexpr uint32_t LButtonDblClk = 0x0203;
constexpr uint32_t RButtonUp = 0x0205;
constexpr uint32_t HotKey = 0x0312;
// The first message number that a program may give its own meaning.
constexpr uint32_t App = 0x8000;
} // namespace wm

// Virtual-key codes.
namespace vk {
constexpr int Back = 0x08;
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Menu = 0x12;    // Alt
constexpr int Capital = 0x14; // Caps Lock
constexpr int Space = 0x20;
constexpr int Digit0 = 0x30;       // '0'; the digits 1 to 9 follow
constexpr int LetterA = 0x41;      // 'A'; the letters B to Z follow
constexpr int LeftWindows = 0x5B;  // VK_LWIN
constexpr int RightWindows = 0x5C; // VK_RWIN
constexpr int Numpad0 = 0x60;      // the keypad digits 1 to 9 follow
constexpr int Multiply = 0x6A;
constexpr int Add = 0x6B;
constexpr int Subtract = 0x6D;
constexpr int Decimal = 0x6E;
constexpr int Divide = 0x6F;
// The low-level keyboard hook sees the left and right modifier keys apart.
constexpr int LeftShift = 0xA0;
constexpr int RightShift = 0xA1;
constexpr int LeftControl = 0xA2;
constexpr int RightControl = 0xA3;
constexpr int LeftMenu = 0xA4;
constexpr int RightMenu = 0xA5;
// The punctuation keys, named here by what they type on a US keyboard.
constexpr int Oem1Semicolon = 0xBA; // VK_OEM_1
constexpr int OemPlus = 0xBB;       // VK_OEM_PLUS, the '=' key
constexpr int OemComma = 0xBC;
constexpr int OemMinus = 0xBD;
constexpr int OemPeriod = 0xBE;
constexpr int Oem2Slash = 0xBF;        // VK_OEM_2
constexpr int Oem3Grave = 0xC0;        // VK_OEM_3
constexpr int Oem4OpenBracket = 0xDB;  // VK_OEM_4
constexpr int Oem5Backslash = 0xDC;    // VK_OEM_5
constexpr int Oem6CloseBracket = 0xDD; // VK_OEM_6
constexpr int Oem7Quote = 0xDE;        // VK_OEM_7
constexpr int Packet = 0xE7;
} // namespace vk

// The bit of GetAsyncKeyState's result that is set while the key is held.
namespace keystate {
constexpr int16_t HeldNow = static_cast<int16_t>(0x8000);
} // namespace keystate

// Modifiers of RegisterHotKey.
namespace mod {
constexpr uint32_t Alt = 0x0001;     // MOD_ALT
constexpr uint32_t Control = 0x0002; // MOD_CONTROL
} // namespace mod

// Styles and answers of the modal message boxes.
namespace box {
constexpr uint32_t StopOk = 16;        // MB_ICONSTOP | MB_OK
constexpr uint32_t QuestionYesNo = 36; // MB_ICONQUESTION | MB_YESNO
constexpr uint32_t InformationOk = 64; // MB_ICONINFORMATION | MB_OK

constexpr int Ok = 1;  // IDOK
constexpr int Yes = 6; // IDYES
constexpr int No = 7;  // IDNO
} // namespace box

// The notification-area icon (Shell_NotifyIconA).
namespace tray {
// NIM_ADD, NIM_MODIFY, NIM_DELETE.
constexpr uint32_t Add = 0;
constexpr uint32_t Modify = 1;
constexpr uint32_t Delete = 2;

// NIF_MESSAGE, NIF_ICON, NIF_TIP.
constexpr uint32_t MessageFlag = 0x01;
constexpr uint32_t IconFlag = 0x02;
constexpr uint32_t TipFlag = 0x04;

// NOTIFYICONDATAA_V1_SIZE: the record's first form, in a 32-bit process.
constexpr uint32_t AnsiRecordSizeV1 = 88;
// The tip field of that form, NUL included.
constexpr std::size_t TipSize = 64;
} // namespace tray

// HtmlHelpA commands.
namespace help {
constexpr uint32_t DisplayTopic = 0; // HH_DISPLAY_TOPIC
} // namespace help

namespace path {
// MAX_PATH: the characters of a path that the ANSI file functions take,
// the closing NUL included.
constexpr std::size_t MaxPath = 260;
} // namespace path

// The conversions between the ANSI code page and UTF-16.
namespace codepage {
constexpr uint32_t Utf8 = 65001; // CP_UTF8
// Flags of MultiByteToWideChar and of WideCharToMultiByte.
constexpr uint32_t MbErrInvalidChars = 0x0008; // MB_ERR_INVALID_CHARS
constexpr uint32_t WcErrInvalidChars = 0x0080; // WC_ERR_INVALID_CHARS
constexpr uint32_t WcNoBestFitChars = 0x0400;  // WC_NO_BEST_FIT_CHARS
// Their failures: ERROR_INVALID_PARAMETER, ERROR_INSUFFICIENT_BUFFER,
// ERROR_INVALID_FLAGS and ERROR_NO_UNICODE_TRANSLATION.
constexpr uint32_t InvalidParameter = 87;
constexpr uint32_t InsufficientBuffer = 122;
constexpr uint32_t InvalidFlags = 1004;
constexpr uint32_t NoUnicodeTranslation = 1113;
} // namespace codepage

namespace reg {
// The system makes its predefined root keys from 32-bit numbers with the top
// bit set, taken as signed: a 64-bit process sees them sign-extended
// (HKEY_CURRENT_USER is 0xFFFFFFFF80000001 there), and only that form is
// sure to name the root.
constexpr uintptr_t PredefinedKey(uint32_t number) {
    return static_cast<uintptr_t>(static_cast<intptr_t>(static_cast<int32_t>(number)));
}
constexpr uintptr_t ClassesRoot = PredefinedKey(0x80000000); // the first predefined root
constexpr uintptr_t CurrentUser = PredefinedKey(0x80000001);
constexpr uintptr_t DynData = PredefinedKey(0x80000006); // the last predefined root

// KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY |
// KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK, no standard rights.
constexpr uint32_t kAccess = 0x3F;

// Value types, REG_SZ to REG_MULTI_SZ.
namespace type {
constexpr uint32_t Sz = 1;
constexpr uint32_t ExpandSz = 2;
constexpr uint32_t Binary = 3;
constexpr uint32_t Dword = 4;
constexpr uint32_t DwordBigEndian = 5;
constexpr uint32_t MultiSz = 7;
} // namespace type

// Status codes the registry functions return: ERROR_SUCCESS,
// ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_INVALID_HANDLE and
// ERROR_MORE_DATA.
namespace status {
constexpr int32_t Success = 0;
constexpr int32_t FileNotFound = 2;
constexpr int32_t AccessDenied = 5;
constexpr int32_t InvalidHandle = 6;
constexpr int32_t MoreData = 234;
} // namespace status
} // namespace reg

} // namespace tessik
