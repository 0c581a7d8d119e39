#pragma once

#include "platform/Application.h"
#include "platform/TopLevelWindows.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tessik {

// Top-level windows in Z order, the topmost first, and which of them is in
// the foreground.
class FakeDesktop : public TopLevelWindows {
public:
    struct Window {
        WindowHandle handle;
        std::string className;
        std::string caption;
        bool minimized = false;
        WindowHandle owner = 0;
        bool visible = true;
    };
    std::vector<Window> windows;
    WindowHandle foreground = 0;

    Window* Find(WindowHandle handle) {
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [handle](const Window& w) { return w.handle == handle; });
        return found == windows.end() ? nullptr : &*found;
    }

    WindowHandle FindTopLevelWindow(const std::string& className,
                                    const std::string& caption) override {
        for (const Window& w : windows) {
            if (w.className == className && w.caption == caption)
                return w.handle;
        }
        return 0;
    }

    WindowHandle WindowAbove(WindowHandle window) override {
        for (std::size_t i = 1; i < windows.size(); ++i) {
            if (windows[i].handle == window)
                return windows[i - 1].handle;
        }
        return 0;
    }

    WindowHandle OwnerOf(WindowHandle window) override {
        const Window* w = Find(window);
        return w ? w->owner : 0;
    }

    void ShowWindow(WindowHandle window) override {
        if (Window* w = Find(window))
            w->visible = true;
    }

    void OpenIcon(WindowHandle window) override {
        if (Window* w = Find(window))
            w->minimized = false;
    }

    void SetForegroundWindow(WindowHandle window) override { foreground = window; }
};

// A program whose application window lives on a FakeDesktop, so that a
// search for it by its caption finds it or not as on the real desktop.
class FakeApplication : public Application {
public:
    FakeApplication(FakeDesktop& desktop, WindowHandle applicationWindow, const std::string& title)
        : desktop_(desktop), window_(applicationWindow) {
        desktop_.windows.push_back({applicationWindow, kApplicationWindowClass, title});
    }

    bool previousInstanceRunning = false;
    bool inTaskList = true;
    bool ended = false;

    const std::string& Title() { return desktop_.Find(window_)->caption; }

    void LeaveTaskList() override { inTaskList = false; }
    bool PreviousInstanceRunning() override { return previousInstanceRunning; }
    void SetTitle(const std::string& title) override { desktop_.Find(window_)->caption = title; }
    void EndProcess() override { ended = true; }

private:
    FakeDesktop& desktop_;
    WindowHandle window_;
};

} // namespace tessik
