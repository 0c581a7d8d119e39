#pragma once

#include "engine/Engine.h"
#include "layouts/LayoutFile.h"
#include "platform/AnsiCodePage.h"
#include "platform/FileSystem.h"
#include "platform/MessageDialog.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/ListView.h"
#include "platform/controls/TextBox.h"

#include <functional>
#include <optional>
#include <string>

namespace tessik {

// The duplicate-label test of Save and Apply Changes: the first label that
// two rows share, taking the pairs of rows (i, j), i < j, in order. An empty
// label counts like any other.
std::optional<std::string> LabelDefinedTwice(const RowLabels& labels);

// The layout editor of the main window. The window is in one of three
// states, browse, new layout and modify, and the state is nothing but the
// settings of the controls: Cancel is enabled exactly while a layout is
// being edited, and the caption of cmdModify tells entering from applying.
// The clicks throw RuntimeError for the failures they do not report
// themselves; whatever was done before stays done.
class LayoutEditor {
public:
    struct Controls {
        ListView& lstTessikLetters;
        ComboBox& cmbLetters;
        ComboBox& cmbLayouts;
        TextBox& txtLayoutName;
        Button& cmdNew;
        Button& cmdSave;
        Button& cmdModify;
        Button& cmdCancel;
        Button& cmdDelete;
        Button& cmdHide;
    };
    // What the editor needs of the window around it.
    struct Window {
        MessageDialog& messages;
        const std::string& applicationTitle;
        std::function<bool()> nativeMode;
        // Shows the current layout in the letter table; reports its own
        // failures.
        std::function<void()> showLayout;
        // Stores the layout list's text as the layout to select at the next
        // start.
        std::function<void()> storeSelectedLayout;
    };

    LayoutEditor(Controls controls, Window window, FileSystem& files, const AnsiCodePage& codePage,
                 Engine& engine);

    // Empties the key column and enters the new-layout state.
    void New();
    // Tests the table and the name, writes the new layout's file, adds the
    // name to the layout list and returns to the browse state. The new
    // layout becomes the current one only when the current one has no file
    // (there was no layout yet), so that the browse state has one to show.
    void Save();
    // Enters the modify state, or applies the table to the current layout's
    // file and to typing at once; never for a built-in layout.
    void Modify();
    // Leaves either editing state without writing, and shows the current
    // layout again.
    void Cancel();

private:
    void EnterModifyState();
    void Apply();
    bool WriteNewLayout(const std::string& path, const RowLabels& labels);
    bool CurrentLayoutIsThere();
    bool PassesDuplicateLabelTest(const RowLabels& labels);
    void ClearKeys();
    void RefuseName(const std::string& message);
    void Inform(const std::string& message);
    RowLabels ShownLabels() const;

    Controls c_;
    Window window_;
    FileSystem& files_;
    const AnsiCodePage& codePage_;
    Engine& engine_;
};

} // namespace tessik
