#include "shell_editor.h"

#include "engine/KeySlots.h"

#include <algorithm>
#include <cctype>

namespace tessik::test {

void PrintTo(const EditorState& s, std::ostream* out) {
    *out << "{layouts " << s.layoutsEnabled << ", save " << s.saveEnabled << ", cancel "
         << s.cancelEnabled << ", modify " << s.modifyEnabled << " '" << s.modifyCaption
         << "', delete " << s.deleteEnabled << ", new " << s.newEnabled << ", hide "
         << s.hideEnabled << ", name " << s.nameEnabled << " '" << s.name << "'}";
}

EditorState BrowseState(bool nativeMode) {
    return {nativeMode, false, false, true, "&Modify", true, true, true, false, ""};
}

EditorState NewLayoutState(const std::string& name) {
    return {false, true, true, false, "&Modify", false, false, false, true, name};
}

EditorState ModifyState(bool nativeMode) {
    return {nativeMode, false, true, true, "&Apply Changes", false, false, false, false, ""};
}

RowLabels DefaultLabels() {
    RowLabels labels;
    for (int row = 0; row < kRowCount; ++row)
        labels[row] = std::string(kPickerLabels[row]);
    return labels;
}

RowLabels MnemonicLabels() {
    RowLabels labels;
    for (int row = 0; row < kRowCount; ++row)
        labels[row] = std::string(kPickerLabels[row + 2]);
    return labels;
}

Editor::Editor(const std::string& current) {
    AddLayout("Default", DefaultLabels());
    AddLayout("Mnemonic", MnemonicLabels());
    StoreKeyLayout(current);
    Start();
}

void Editor::AddLayout(const std::string& name, const RowLabels& labels) {
    LayoutRecord buffer;
    WriteLayoutFile(files, LayoutPath(name), buffer, labels);
}

void Editor::ClickRow(int row) {
    window->lstTessikLetters.UserSelectedRow(row);
    window->lstTessikLetters.Click();
}

void Editor::Pick(const std::string& label) {
    const auto& items = window->cmbLetters.Items();
    const auto index = std::find(items.begin(), items.end(), label) - items.begin();
    ASSERT_LT(index, static_cast<std::ptrdiff_t>(items.size())) << label;
    window->cmbLetters.UserSelected(static_cast<int>(index));
}

void Editor::GiveKey(int row, const std::string& label) {
    ClickRow(row);
    Pick(label);
}

void Editor::GiveKeys(const RowLabels& labels) {
    for (int row = 0; row < kRowCount; ++row)
        GiveKey(row, labels[row]);
}

void Editor::TypeName(const std::string& name) {
    window->txtLayoutName.UserChangedText(name);
}

void Editor::Choose(const std::string& name) {
    ASSERT_TRUE(window->cmbLayouts.Enabled());
    const auto& items = window->cmbLayouts.Items();
    window->cmbLayouts.UserSelected(
        static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin()));
}

std::vector<uint16_t> Editor::Press(const std::string& label) {
    const bool shift = label.starts_with("Shift + ");
    const char key = shift ? label.back() : label.front();
    const int virtualKey = key == '|' || key == '\\'
                               ? vk::Oem5Backslash
                               : std::toupper(static_cast<unsigned char>(key));
    keys.Hold(vk::Shift, shift);
    injector.batches.clear();
    engine.KeyboardHookProc(0, msg::KeyDown, KeyEvent{static_cast<uint32_t>(virtualKey)});
    keys.Hold(vk::Shift, false);
    return injector.batches.empty() ? std::vector<uint16_t>{} : injector.batches.front();
}

EditorState Editor::State() const {
    const MainWindow& w = *window;
    return {w.cmbLayouts.Enabled(), w.cmdSave.Enabled(),   w.cmdCancel.Enabled(),
            w.cmdModify.Enabled(),  w.cmdModify.Caption(), w.cmdDelete.Enabled(),
            w.cmdNew.Enabled(),     w.cmdHide.Enabled(),   w.txtLayoutName.Enabled(),
            w.txtLayoutName.Text()};
}

RowLabels Editor::Table() const {
    RowLabels labels;
    for (int row = 0; row < kRowCount; ++row)
        labels[row] = window->lstTessikLetters.Row(row).subItemText;
    return labels;
}

std::vector<std::string> Editor::NewMessages() {
    std::vector<std::string> texts;
    for (; seenMessages_ < messages.shown.size(); ++seenMessages_)
        texts.push_back(messages.shown[seenMessages_].text);
    return texts;
}

} // namespace tessik::test
