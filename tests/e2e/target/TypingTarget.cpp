// The window that end-to-end tests type into. A multi-line edit control
// fills it; the text is saved as UTF-8 on a short timer (through a temporary
// file and a rename, so a reader never sees half a file) and every
// WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR and WM_LBUTTONDOWN that reaches the edit
// control is logged with a timestamp. A logged button press tells that every
// low-level mouse hook has seen it: the system holds a click back from the
// window until the hooks have returned.
//
//   typing-target.exe TEXT_FILE KEY_LOG READY_FILE FOCUS_FILE
//
// READY_FILE is written once the window is shown: the edit control's
// rectangle in screen coordinates, "left top right bottom", for the click
// that gives it the focus. FOCUS_FILE says "1" while the edit control has
// the keyboard focus and "0" while it has not: keys sent after it says "1"
// reach the edit control.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT_PTR kSaveTimer = 1;
constexpr UINT kSaveIntervalMs = 50;
constexpr int kEditId = 100;

struct Target {
    std::wstring textPath;
    std::wstring focusPath;
    HANDLE keyLog = INVALID_HANDLE_VALUE;
    HWND edit = nullptr;
    WNDPROC editProc = nullptr;
    bool textChanged = true; // the empty text is saved once at start
    LARGE_INTEGER frequency{};
};

Target target;

void WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    WriteAll(file, bytes);
    CloseHandle(file);
    return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

void SaveText() {
    const int length = GetWindowTextLengthW(target.edit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(target.edit, text.data(), length + 1)));
    if (WriteWholeFile(target.textPath, ToUtf8(text)))
        target.textChanged = false;
}

// Milliseconds of the performance counter, which Wine takes from the host's
// raw monotonic clock, so the harness can set it against its own send times.
double NowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 /
           static_cast<double>(target.frequency.QuadPart);
}

void LogKeyMessage(const char* name, WPARAM wParam, LPARAM lParam) {
    char line[128];
    const int length =
        std::snprintf(line, sizeof line, "%.3f\t%lu\t%s\t0x%04lX\t0x%08lX\n", NowMs(),
                      static_cast<unsigned long>(GetMessageTime()), name,
                      static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
    WriteAll(target.keyLog, std::string(line, static_cast<std::size_t>(length)));
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        LogKeyMessage("WM_KEYDOWN", wParam, lParam);
        break;
    case WM_SYSKEYDOWN:
        LogKeyMessage("WM_SYSKEYDOWN", wParam, lParam);
        break;
    case WM_CHAR:
        LogKeyMessage("WM_CHAR", wParam, lParam);
        break;
    case WM_LBUTTONDOWN:
        LogKeyMessage("WM_LBUTTONDOWN", wParam, lParam);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        WriteWholeFile(target.focusPath, message == WM_SETFOCUS ? "1\n" : "0\n");
        break;
    default:
        break;
    }
    return CallWindowProcW(target.editProc, window, message, wParam, lParam);
}

void CreateEdit(HWND parent, HINSTANCE instance) {
    RECT client;
    GetClientRect(parent, &client);
    target.edit = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
        client.right, client.bottom, parent, reinterpret_cast<HMENU>(kEditId), instance, nullptr);
    // A Bengali font, so that screenshots show what arrived.
    HFONT font = CreateFontW(-22, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, L"Lohit Bengali");
    SendMessageW(target.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    target.editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(target.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateEdit(window, reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance);
        SetTimer(window, kSaveTimer, kSaveIntervalMs, nullptr);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE)
            target.textChanged = true;
        return 0;
    case WM_TIMER:
        if (wParam == kSaveTimer && target.textChanged)
            SaveText();
        return 0;
    case WM_SETFOCUS:
        SetFocus(target.edit);
        return 0;
    case WM_DESTROY:
        SaveText();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool WriteReadyFile(const std::wstring& path) {
    RECT rect;
    GetWindowRect(target.edit, &rect);
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%ld %ld %ld %ld\n", rect.left, rect.top,
                                     rect.right, rect.bottom);
    return WriteWholeFile(path, std::string(text, static_cast<std::size_t>(length)));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 5) {
        MessageBoxW(nullptr, L"usage: typing-target TEXT_FILE KEY_LOG READY_FILE FOCUS_FILE",
                    L"Typing target", MB_ICONSTOP);
        return 2;
    }
    target.textPath = argv[1];
    target.focusPath = argv[4];
    QueryPerformanceFrequency(&target.frequency);
    target.keyLog = CreateFileW(argv[2], GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target.keyLog == INVALID_HANDLE_VALUE)
        return 3;

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_IBEAM));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"TessikTypingTarget";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Typing target",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 560, 360, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr)
        return 4;
    UpdateWindow(window);
    if (!WriteReadyFile(argv[3]))
        return 5;
    LocalFree(argv);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CloseHandle(target.keyLog);
    return 0;
}
