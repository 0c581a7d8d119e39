#include "shell_program.h"

#include "engine/KeySlots.h"
#include "shell/TrayIcon.h"

#include <map>

namespace tessik::test {

std::string TipOf(const TrayIconRecord& record) {
    return std::string(record.szTip.begin(), record.szTip.end());
}

std::string Padded(std::string text) {
    text += '\0';
    text.resize(TrayIconRecord::kTipSize, ' ');
    return text;
}

Program::Program() {
    hotKeySystem.procedures[kMainWindow] = kOriginalProcedure;
    systemHook.foreground = kOtherApplication;
    systemMenus.menus[kMainWindow] = kStandardSystemMenu;
}

void Program::AddLayout(const std::string& name, const std::vector<LayoutRecord>& records) {
    auto file = files.OpenForWriting(LayoutPath(name));
    for (const LayoutRecord& record : records)
        WriteLayoutRecord(*file, record);
    file->Close();
}

void Program::AddLayout(const std::string& name, CodeValue code) {
    AddLayout(name, {{code, "k "}});
}

std::string Program::LayoutPath(const std::string& name) const {
    return std::string(kLayouts) + "/" + name;
}

void Program::StoreKeyLayout(const std::string& name) {
    registry.PutString(reg::CurrentUser, kSettingsKey, "KeyLayout", name);
}

std::optional<std::string> Program::StoredKeyLayout() const {
    const auto stored = registry.Find(reg::CurrentUser, kSettingsKey, "KeyLayout");
    if (!stored)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(stored->data.data()));
}

MainWindow& Program::Start() {
    // The process of an earlier start has ended, and its hot key with it.
    std::erase_if(hotKeySystem.hotKeys,
                  [](const auto& hotKey) { return hotKey.second.window == kMainWindow; });
    window.emplace(MainWindow::Platform{messages, tray, registry, files, application, desktop,
                                        systemMenus, files.codePage, menus},
                   MainWindow::Modules{engine, hooks, hotKey},
                   MainWindow::Windows{kMainWindow, kHotkeyTarget},
                   MainWindow::Pictures{kTessikIcon, kEnglishIcon}, kLayouts, DisplayScale{});
    window->Load();
    return *window;
}

void Program::DispatchPosted() {
    auto posted = std::move(hotKeySystem.posted);
    hotKeySystem.posted.clear();
    for (const auto& m : posted) {
        if (m.window == kHotkeyTarget && m.message == wm::MouseMove) {
            const float x = static_cast<float>(m.lParam & 0xFFFF) * 15;
            const float y = static_cast<float>((m.lParam >> 16) & 0xFFFF) * 15;
            window->pctHotkey.MouseMove(static_cast<int>(m.wParam), 0, x, y);
        }
    }
}

void Program::PressHotKey() {
    hotKey.HotKeyWindowProc(kMainWindow, wm::HotKey, HotKey::kId, 0x00200003);
    DispatchPosted();
}

CodeValue Program::LoadedKa() const {
    return engine.ActiveKeyMap().At(slot::Letter('K'));
}

std::vector<uint16_t> Program::TypeKey(uint32_t virtualKey) {
    injector.batches.clear();
    engine.KeyboardHookProc(0, msg::KeyDown, KeyEvent{virtualKey});
    return injector.batches.empty() ? std::vector<uint16_t>{} : injector.batches.front();
}

const TrayIconRecord& Program::ShownIcon() const {
    return tray.icons.at({kMainWindow, kTrayIconId});
}

std::vector<std::string> Program::KeyColumn() const {
    std::vector<std::string> labels;
    for (int row = 0; row < window->lstTessikLetters.RowCount(); ++row)
        labels.push_back(window->lstTessikLetters.Row(row).subItemText);
    return labels;
}

} // namespace tessik::test
