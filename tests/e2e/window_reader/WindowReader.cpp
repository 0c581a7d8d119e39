// Describes a running program's top-level window for end-to-end tests, as
// JSON: the window, its child controls in Z order (the order Tab follows)
// with the rows of list views and the items and open list of combo boxes,
// which control has the keyboard focus, and the message boxes and open
// pop-up menus of the window's thread.
//
//   window-reader.exe OUTPUT_FILE WINDOW_CLASS WINDOW_TITLE
//
// It runs once and writes OUTPUT_FILE through a temporary file and a
// rename, so a reader never sees half of it. A window that is not found
// gives {"found": false}. Run it in the same desktop as the program.

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// Texts are read as UTF-16, whatever the program's own character set:
// Wine hands them across processes reliably only that way.
std::string Quoted(const std::wstring& text) {
    std::string json = "\"";
    for (const wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += static_cast<char>(c);
        }
    }
    return json + "\"";
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

// Asked with WM_GETTEXT: GetWindowText gives only the caption that the
// system keeps for a window of another process, which an edit control's
// text is not.
std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::string ComboItems(HWND combo) {
    std::string json = "[";
    const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1,
                          L'\0');
        item.resize(static_cast<std::size_t>(
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        json += (i ? ", " : "") + Quoted(item);
    }
    return json + "]";
}

std::string ColumnWidths(HWND list) {
    std::string json = "[";
    for (int column = 0;; ++column) {
        const auto width = SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0);
        if (width == 0 || column > 16)
            break;
        json += (column ? ", " : "") + std::to_string(width);
    }
    return json + "]";
}

// List-view messages that carry pointers need them in the list's process:
// the rows are read through a buffer allocated there.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, std::size_t size) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
        if (process_ != nullptr)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_ != nullptr)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_ != nullptr)
            CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    char* Address() const { return static_cast<char*>(address_); }
    void Write(const void* data, std::size_t size, std::size_t offset = 0) {
        WriteProcessMemory(process_, Address() + offset, data, size, nullptr);
    }
    void Read(void* data, std::size_t size, std::size_t offset = 0) {
        ReadProcessMemory(process_, Address() + offset, data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// Each row's top and bottom in the list's client area and its key label.
std::string ListRows(HWND list) {
    constexpr std::size_t kTextChars = 64;
    RemoteBuffer buffer(list, sizeof(LVITEMW) + sizeof(RECT) + kTextChars * sizeof(wchar_t));
    if (!buffer.Valid())
        return "[]";
    const std::size_t rectAt = sizeof(LVITEMW);
    const std::size_t textAt = rectAt + sizeof(RECT);
    std::string json = "[";
    const auto count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        RECT rect{LVIR_BOUNDS, 0, 0, 0};
        buffer.Write(&rect, sizeof rect, rectAt);
        SendMessageW(list, LVM_GETITEMRECT, row,
                     reinterpret_cast<LPARAM>(buffer.Address() + rectAt));
        buffer.Read(&rect, sizeof rect, rectAt);

        LVITEMW item{};
        item.iSubItem = 1;
        item.pszText = reinterpret_cast<wchar_t*>(buffer.Address() + textAt);
        item.cchTextMax = kTextChars;
        buffer.Write(&item, sizeof item);
        const auto length =
            SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(buffer.Address()));
        std::wstring text(static_cast<std::size_t>(length), L'\0');
        buffer.Read(text.data(), text.size() * sizeof(wchar_t), textAt);
        json += (row ? ", " : "") + std::string("{\"top\": ") + std::to_string(rect.top) +
                ", \"bottom\": " + std::to_string(rect.bottom) + ", \"key\": " + Quoted(text) + "}";
    }
    return json + "]";
}

std::string Numbers(std::initializer_list<long> numbers) {
    std::string json = "[";
    for (const long number : numbers) {
        if (json.size() > 1)
            json += ", ";
        json += std::to_string(number);
    }
    return json + "]";
}

std::string Rect(const RECT& rect) {
    return Numbers({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
}

// The open list of a drop-down list box is a top-level window of its own
// ("ComboLBox") of the combo box's thread. Found by class, because
// GetComboBoxInfo does not reach across processes under Wine.
BOOL CALLBACK FindOpenList(HWND window, LPARAM found) {
    if (ClassOf(window) == L"ComboLBox" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Whether the combo box's list is open, and if so where it is on the
// screen, the first item it shows and the height of one item. Only one list
// of a thread is open at a time.
std::string OpenList(HWND combo) {
    HWND list = nullptr;
    if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0))
        EnumThreadWindows(GetWindowThreadProcessId(combo, nullptr), FindOpenList,
                          reinterpret_cast<LPARAM>(&list));
    if (list == nullptr)
        return ", \"dropped\": false";
    RECT client;
    GetClientRect(list, &client);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return ", \"dropped\": true, \"list\": " + Rect(client) +
           ", \"top_item\": " + std::to_string(SendMessageW(list, LB_GETTOPINDEX, 0, 0)) +
           ", \"item_height\": " + std::to_string(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
}

std::string Child(HWND parent, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    const std::wstring className = ClassOf(child);
    std::string json = "{\"class\": " + Quoted(className) + ", \"text\": " + Quoted(TextOf(child)) +
                       ", \"id\": " + std::to_string(GetDlgCtrlID(child)) +
                       ", \"visible\": " + Bool(style & WS_VISIBLE) +
                       ", \"enabled\": " + Bool(!(style & WS_DISABLED)) +
                       ", \"tabstop\": " + Bool(style & WS_TABSTOP) + ", \"rect\": " + Rect(rect);
    if (className == L"ComboBox")
        json += ", \"items\": " + ComboItems(child) +
                ", \"selected\": " + std::to_string(SendMessageW(child, CB_GETCURSEL, 0, 0)) +
                OpenList(child);
    if (className == L"SysListView32")
        json += ", \"columns\": " + ColumnWidths(child) +
                ", \"no_header\": " + Bool(style & LVS_NOCOLUMNHEADER) +
                ", \"top_row\": " + std::to_string(SendMessageW(child, LVM_GETTOPINDEX, 0, 0)) +
                ", \"rows\": " + ListRows(child);
    return json + "}";
}

struct Boxes {
    HWND active;
    std::string json;
};

// A box takes keys once it is both the active window of its thread and the
// foreground window, which it becomes a moment after it shows.
BOOL CALLBACK CollectBox(HWND window, LPARAM found) {
    if (ClassOf(window) == L"#32770" && IsWindowVisible(window)) {
        auto& boxes = *reinterpret_cast<Boxes*>(found);
        // A message box shows its text in the static control with id 0xFFFF.
        HWND text = GetDlgItem(window, 0xFFFF);
        boxes.json +=
            std::string(boxes.json.empty() ? "" : ", ") + "{\"title\": " + Quoted(TextOf(window)) +
            ", \"text\": " + Quoted(text ? TextOf(text) : L"") +
            ", \"active\": " + Bool(boxes.active == window && GetForegroundWindow() == window) +
            "}";
    }
    return TRUE;
}

// The open pop-up menus of the window's thread ("#32768" windows), as their
// rectangles on the screen. Their items cannot be read from another
// process under Wine.
BOOL CALLBACK CollectMenu(HWND window, LPARAM found) {
    if (ClassOf(window) == L"#32768" && IsWindowVisible(window)) {
        auto& json = *reinterpret_cast<std::string*>(found);
        RECT rect;
        GetWindowRect(window, &rect);
        json += (json.empty() ? "" : ", ") + Rect(rect);
    }
    return TRUE;
}

std::string Describe(HWND window) {
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    RECT client;
    GetClientRect(window, &client);
    // Where the client area starts on the screen, for clicks on the controls.
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT frame;
    GetWindowRect(window, &frame);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(thread, &gui);

    std::string children;
    int focus = -1;
    int index = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT), ++index) {
        children += (index ? ",\n  " : "\n  ") + Child(window, child);
        if (gui.hwndFocus == child || IsChild(child, gui.hwndFocus))
            focus = index;
    }
    Boxes boxes{gui.hwndActive, {}};
    EnumThreadWindows(thread, CollectBox, reinterpret_cast<LPARAM>(&boxes));
    std::string menus;
    EnumThreadWindows(thread, CollectMenu, reinterpret_cast<LPARAM>(&menus));

    return "{\"found\": true, \"dpi\": " + Numbers({dpiX, dpiY}) +
           ", \"visible\": " + Bool(IsWindowVisible(window)) +
           ", \"active\": " + Bool(gui.hwndActive == window) + ", \"client\": " + Rect(client) +
           ", \"origin\": " + Numbers({origin.x, origin.y}) + ", \"frame\": " + Rect(frame) +
           ", \"focus\": " + std::to_string(focus) + ", \"boxes\": [" + boxes.json +
           "], \"menus\": [" + menus + "], \"children\": [" + children + "]}\n";
}

bool WriteWholeFile(const std::wstring& path, const std::string& text) {
    const std::wstring temporary = path + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: window-reader OUTPUT_FILE WINDOW_CLASS WINDOW_TITLE\n");
        return 2;
    }
    HWND window = FindWindowW(argv[2], argv[3]);
    const std::string description = window ? Describe(window) : "{\"found\": false}\n";
    return WriteWholeFile(argv[1], description) ? 0 : 1;
}
