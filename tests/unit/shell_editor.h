#pragma once

// The main window as a layout editor: the program on doubles with two
// complete layouts, and a person clicking rows, choosing keys, typing a name
// and pressing the editor's buttons.

#include "layouts/KeyPicker.h"
#include "layouts/LayoutFile.h"
#include "shell_program.h"

#include <ostream>
#include <string>
#include <vector>

namespace tessik::test {

// The settings of the controls that make up an editor state.
struct EditorState {
    bool layoutsEnabled;
    bool saveEnabled;
    bool cancelEnabled;
    bool modifyEnabled;
    std::string modifyCaption;
    bool deleteEnabled;
    bool newEnabled;
    bool hideEnabled;
    bool nameEnabled;
    std::string name;

    bool operator==(const EditorState&) const = default;
};
void PrintTo(const EditorState& state, std::ostream* out);

EditorState BrowseState(bool nativeMode);
EditorState NewLayoutState(const std::string& name = "");
EditorState ModifyState(bool nativeMode);

// Row i has picker item i: the picker's last two items are free.
RowLabels DefaultLabels();
// Row i has picker item i + 2: the picker's first two items are free.
RowLabels MnemonicLabels();

class Editor : public Program {
protected:
    // Starts with Default and Mnemonic, `current` selected.
    explicit Editor(const std::string& current = "Default");

    using Program::AddLayout;
    void AddLayout(const std::string& name, const RowLabels& labels);
    const std::string& FileOf(const std::string& name) { return files.files[LayoutPath(name)]; }

    void ClickRow(int row);
    void Pick(const std::string& label);
    void GiveKey(int row, const std::string& label);
    void GiveKeys(const RowLabels& labels);
    void TypeName(const std::string& name);
    // Chooses a layout in the list, as a person does when it is enabled.
    void Choose(const std::string& name);

    // What the key named by `label` types now: the injected characters, or
    // none when the key went on unchanged.
    std::vector<uint16_t> Press(const std::string& label);

    EditorState State() const;
    RowLabels Table() const;
    // The texts of the message boxes shown since the last call.
    std::vector<std::string> NewMessages();
    std::size_t seenMessages_ = 0;
};

} // namespace tessik::test
