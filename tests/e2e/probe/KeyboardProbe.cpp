// Runs the keyboard engine on the Win32 layer, the way the live program
// does in the native mode, so that end-to-end tests can type through the
// real hook and injection before the main window exists.
//
//   keyboard-probe.exe LAYOUTS_FOLDER LAYOUT_NAME CONTROL_FOLDER
//
// It loads the layout, installs the hook (with the foreground hand-over)
// and starts the hook watchdog. In CONTROL_FOLDER it keeps a file "status"
// up to date ("hook=H reinstalls=N drops=D", or "error=E" when the layout
// cannot be loaded), and it carries out a command written to a file
// "command", then deletes that file:
//   drop  unhooks the hook behind the program's back, as Windows does with
//         a hook that was too slow, so the watchdog has something to find.

#include "engine/Engine.h"
#include "engine/HookLifecycle.h"
#include "platform/RuntimeError.h"
#include "platform/std/StdFileSystem.h"
#include "platform/win32/Win32Keyboard.h"
#include "platform/win32/Win32KeyboardInputWatch.h"
#include "platform/win32/Win32MouseHook.h"
#include "platform/win32/Win32SystemHook.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace tessik {
namespace {

constexpr UINT_PTR kControlTimer = 1;
constexpr UINT kControlIntervalMs = 50;

class Probe {
public:
    Probe(const std::string& layoutsFolder, const std::string& controlFolder)
        : engine_({keys_, chain_, injector_, files_, foreground_}, layoutsFolder),
          systemHook_(engine_), controlFolder_(controlFolder) {}

    int Run(const std::string& layoutName) {
        engine_.SelectLayout(layoutName);
        try {
            engine_.LoadKeyMap();
        } catch (const RuntimeError& error) {
            WriteStatus("error=" + std::to_string(error.Number()));
            return 1;
        }
        HWND window = CreateWindowExA(0, "STATIC", "Keyboard probe", WS_OVERLAPPED, 0, 0, 100, 100,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        Win32KeyboardInputWatch keyboardInput;
        Win32MouseHook mouseHook;
        HookLifecycle hooks(engine_, systemHook_, mouseHook, keyboardInput,
                            reinterpret_cast<WindowHandle>(window));
        systemHook_.ReportHookCallsTo(&hooks.Watchdog());
        hooks.InstallHook();

        SetTimer(nullptr, kControlTimer, kControlIntervalMs, nullptr);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            if (message.message == WM_TIMER && message.hwnd == nullptr)
                FollowControlFolder(hooks);
            DispatchMessageA(&message);
        }
        return 0;
    }

private:
    void FollowControlFolder(const HookLifecycle& hooks) {
        const std::string commandPath = controlFolder_ + "\\command";
        std::string command;
        if (std::ifstream(commandPath) >> command) {
            DeleteFileA(commandPath.c_str());
            if (command == "drop") {
                UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hooks.HookHandle()));
                ++drops_;
            }
        }
        std::ostringstream status;
        status << "hook=" << hooks.HookHandle() << " reinstalls=" << hooks.Watchdog().Reinstalls()
               << " drops=" << drops_;
        if (status.str() != lastStatus_) {
            lastStatus_ = status.str();
            WriteStatus(lastStatus_);
        }
    }

    void WriteStatus(const std::string& status) {
        const std::string path = controlFolder_ + "\\status";
        const std::string temporary = path + ".tmp";
        std::ofstream(temporary) << status << '\n';
        MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    }

    Win32KeyState keys_;
    Win32HookChain chain_;
    Win32Injector injector_;
    Win32ForegroundWindow foreground_;
    StdFileSystem files_;
    Engine engine_;
    Win32SystemHook systemHook_;
    std::string controlFolder_;
    int drops_ = 0;
    std::string lastStatus_;
};

} // namespace
} // namespace tessik

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    tessik::Probe probe(argv[1], argv[3]);
    return probe.Run(argv[2]);
}
