// The portable code names the Windows numbers it needs without the system
// headers; here the compiler holds each of them to the system's value.

#include "platform/SystemValues.h"

#include <windows.h>

#include <shellapi.h>

namespace tessik {

static_assert(msg::KeyDown == WM_KEYDOWN && msg::KeyUp == WM_KEYUP &&
              msg::SysKeyDown == WM_SYSKEYDOWN && msg::SysKeyUp == WM_SYSKEYUP);
static_assert(wm::NcDestroy == WM_NCDESTROY && wm::MouseMove == WM_MOUSEMOVE &&
              wm::LButtonUp == WM_LBUTTONUP && wm::LButtonDblClk == WM_LBUTTONDBLCLK &&
              wm::RButtonUp == WM_RBUTTONUP && wm::HotKey == WM_HOTKEY && wm::App == WM_APP);
static_assert(vk::Back == VK_BACK && vk::Tab == VK_TAB && vk::Return == VK_RETURN &&
              vk::Shift == VK_SHIFT && vk::Control == VK_CONTROL && vk::Menu == VK_MENU &&
              vk::Capital == VK_CAPITAL && vk::LeftShift == VK_LSHIFT &&
              vk::RightShift == VK_RSHIFT && vk::LeftControl == VK_LCONTROL &&
              vk::RightControl == VK_RCONTROL && vk::LeftMenu == VK_LMENU &&
              vk::RightMenu == VK_RMENU && vk::Space == VK_SPACE && vk::LeftWindows == VK_LWIN &&
              vk::RightWindows == VK_RWIN && vk::Numpad0 == VK_NUMPAD0 &&
              vk::Multiply == VK_MULTIPLY && vk::Add == VK_ADD && vk::Subtract == VK_SUBTRACT &&
              vk::Decimal == VK_DECIMAL && vk::Divide == VK_DIVIDE && vk::Packet == VK_PACKET);
static_assert(vk::Oem1Semicolon == VK_OEM_1 && vk::OemPlus == VK_OEM_PLUS &&
              vk::OemComma == VK_OEM_COMMA && vk::OemMinus == VK_OEM_MINUS &&
              vk::OemPeriod == VK_OEM_PERIOD && vk::Oem2Slash == VK_OEM_2 &&
              vk::Oem3Grave == VK_OEM_3 && vk::Oem4OpenBracket == VK_OEM_4 &&
              vk::Oem5Backslash == VK_OEM_5 && vk::Oem6CloseBracket == VK_OEM_6 &&
              vk::Oem7Quote == VK_OEM_7);
static_assert(mod::Alt == MOD_ALT && mod::Control == MOD_CONTROL);
static_assert(box::StopOk == (MB_ICONSTOP | MB_OK) &&
              box::QuestionYesNo == (MB_ICONQUESTION | MB_YESNO) &&
              box::InformationOk == (MB_ICONINFORMATION | MB_OK) && box::Ok == IDOK &&
              box::Yes == IDYES && box::No == IDNO);
static_assert(tray::Add == NIM_ADD && tray::Modify == NIM_MODIFY && tray::Delete == NIM_DELETE &&
              tray::MessageFlag == NIF_MESSAGE && tray::IconFlag == NIF_ICON &&
              tray::TipFlag == NIF_TIP);
static_assert(path::MaxPath == MAX_PATH);
static_assert(codepage::Utf8 == CP_UTF8 && codepage::MbErrInvalidChars == MB_ERR_INVALID_CHARS &&
              codepage::WcErrInvalidChars == WC_ERR_INVALID_CHARS &&
              codepage::WcNoBestFitChars == WC_NO_BEST_FIT_CHARS &&
              codepage::InvalidParameter == ERROR_INVALID_PARAMETER &&
              codepage::InsufficientBuffer == ERROR_INSUFFICIENT_BUFFER &&
              codepage::InvalidFlags == ERROR_INVALID_FLAGS &&
              codepage::NoUnicodeTranslation == ERROR_NO_UNICODE_TRANSLATION);
static_assert(reg::CurrentUser ==
                  static_cast<uintptr_t>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000001))) &&
              reg::kAccess == (KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY |
                               KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK));
static_assert(reg::type::Sz == REG_SZ && reg::type::ExpandSz == REG_EXPAND_SZ &&
              reg::type::Binary == REG_BINARY && reg::type::Dword == REG_DWORD &&
              reg::type::DwordBigEndian == REG_DWORD_BIG_ENDIAN &&
              reg::type::MultiSz == REG_MULTI_SZ);
static_assert(reg::status::Success == ERROR_SUCCESS &&
              reg::status::FileNotFound == ERROR_FILE_NOT_FOUND &&
              reg::status::AccessDenied == ERROR_ACCESS_DENIED &&
              reg::status::InvalidHandle == ERROR_INVALID_HANDLE &&
              reg::status::MoreData == ERROR_MORE_DATA);

} // namespace tessik
