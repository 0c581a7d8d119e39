#include "layouts/LayoutEditor.h"

#include "layouts/LayoutList.h"
#include "layouts/LayoutName.h"
#include "platform/RuntimeError.h"

#include <utility>

namespace tessik {
namespace {

const char* const kModifyCaption = "&Modify";
const char* const kApplyCaption = "&Apply Changes";

const char* const kIncompleteTable = "Please spacify all the characters";
const char* const kNoName = "Please give a name of the layout";

std::string CannotModify(const std::string& name) {
    return "You cannot modify the '" + name + "' layout.";
}

std::string DefinedMoreThanOnce(const std::string& label) {
    return "'" + label + "' is defined more than once.";
}

std::string NameAlreadyExists(const std::string& name) {
    return "The layout name '" + name + "' is already exists. Please give another name.";
}

std::optional<int> FirstRowWithoutKey(const RowLabels& labels) {
    for (int row = 0; row < kRowCount; ++row) {
        if (labels[static_cast<std::size_t>(row)].empty())
            return row;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> LabelDefinedTwice(const RowLabels& labels) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            if (labels[i] == labels[j])
                return labels[i];
        }
    }
    return std::nullopt;
}

LayoutEditor::LayoutEditor(Controls controls, Window window, FileSystem& files,
                           const AnsiCodePage& codePage, Engine& engine)
    : c_(controls), window_(std::move(window)), files_(files), codePage_(codePage),
      engine_(engine) {}

void LayoutEditor::ClearKeys() {
    for (int row = 0; row < kRowCount; ++row)
        c_.lstTessikLetters.SetRowText(row, {});
}

void LayoutEditor::New() {
    ClearKeys();
    c_.lstTessikLetters.SetFocus();
    c_.cmbLayouts.SetEnabled(false);
    c_.cmdSave.SetEnabled(true);
    c_.cmdCancel.SetEnabled(true);
    c_.cmdModify.SetEnabled(false);
    c_.cmdDelete.SetEnabled(false);
    c_.cmdNew.SetEnabled(false);
    c_.cmdHide.SetEnabled(false);
    c_.txtLayoutName.SetEnabled(true);
}

void LayoutEditor::Save() {
    const RowLabels labels = ShownLabels();
    if (const auto row = FirstRowWithoutKey(labels)) {
        Inform(kIncompleteTable);
        c_.lstTessikLetters.SetFocus();
        c_.lstTessikLetters.SelectRow(*row);
        return;
    }
    if (!PassesDuplicateLabelTest(labels))
        return;
    // The name is used as typed; only this test looks past its blanks.
    const std::string name = c_.txtLayoutName.Text();
    if (IsBlankName(name)) {
        Inform(kNoName);
        c_.txtLayoutName.SetFocus();
        return;
    }
    // The phonetic layout is listed, with or without a file, and has the
    // name in every letter case.
    if (c_.cmbLayouts.Contains(name) || IsReservedLayoutName(name)) {
        Inform(NameAlreadyExists(name));
        return;
    }
    // Whatever the name reaches other than a new file in the Layouts
    // folder is refused before anything is written.
    const std::string path = engine_.LayoutPath(name);
    if (const auto problem = FileNameProblem(name, path, codePage_)) {
        RefuseName(*problem);
        return;
    }
    if (files_.Exists(path)) {
        RefuseName(FileAlreadyThereMessage(name));
        return;
    }
    if (!WriteNewLayout(path, labels)) {
        Inform(NameAlreadyExists(name));
        return;
    }
    // Only a layout whose file is in place enters the list, so that a failed
    // write leaves the list as it was.
    c_.cmbLayouts.AddItem(name);
    // Without a current layout to show (there was none yet, or its file has
    // gone), the browse state shows the new one, which the next start
    // selects too.
    if (!CurrentLayoutIsThere()) {
        c_.cmbLayouts.SetText(name);
        window_.storeSelectedLayout();
    }
    Cancel();
}

// No name is no layout: its path would be the Layouts folder itself. The
// phonetic layout is there without a file.
bool LayoutEditor::CurrentLayoutIsThere() {
    const std::string& current = engine_.CurrentLayoutName();
    return engine_.PhoneticIsCurrent() ||
           (!current.empty() && files_.Exists(engine_.LayoutPath(current)));
}

// False, with nothing written, when a file has taken the name since it was
// tested: a new layout never replaces a file.
bool LayoutEditor::WriteNewLayout(const std::string& path, const RowLabels& labels) {
    // The first layout saved makes the folder, when it has gone.
    files_.CreateFolder(engine_.LayoutsFolder());
    try {
        WriteNewLayoutFile(files_, path, engine_.RecordBuffer(), labels);
    } catch (const RuntimeError& error) {
        if (error.Number() != static_cast<int32_t>(ErrorNumber::FileAlreadyExists))
            throw;
        return false;
    }
    return true;
}

void LayoutEditor::Modify() {
    // With no entry selected there is no layout to modify.
    if (c_.cmbLayouts.ListIndex() < 0)
        return;
    if (IsBuiltInLayout(c_.cmbLayouts.Text())) {
        Inform(CannotModify(c_.cmbLayouts.Text()));
        return;
    }
    if (c_.cmdModify.Caption() == kModifyCaption)
        EnterModifyState();
    else
        Apply();
}

void LayoutEditor::EnterModifyState() {
    c_.cmdModify.SetCaption(kApplyCaption);
    c_.cmdNew.SetEnabled(false);
    c_.cmdCancel.SetEnabled(true);
    c_.cmdDelete.SetEnabled(false);
    c_.cmdHide.SetEnabled(false);
}

// The key picker keeps its visibility: the next row click, in the browse
// state by then, hides it.
void LayoutEditor::Apply() {
    const RowLabels labels = ShownLabels();
    if (!PassesDuplicateLabelTest(labels))
        return;
    WriteLayoutFile(files_, engine_.LayoutPath(c_.cmbLayouts.Text()), engine_.RecordBuffer(),
                    labels);
    c_.cmdModify.SetCaption(kModifyCaption);
    c_.cmdNew.SetEnabled(true);
    c_.cmdCancel.SetEnabled(false);
    c_.cmdDelete.SetEnabled(true);
    c_.cmdHide.SetEnabled(true);
    window_.showLayout();
    // Typing follows the file as it now is, from the next key-down on.
    engine_.LoadKeyMap();
}

void LayoutEditor::Cancel() {
    c_.lstTessikLetters.SetFocus();
    c_.cmbLayouts.SetEnabled(window_.nativeMode());
    c_.cmdSave.SetEnabled(false);
    c_.cmdModify.SetCaption(kModifyCaption);
    c_.cmdCancel.SetEnabled(false);
    c_.txtLayoutName.SetText({});
    c_.txtLayoutName.SetEnabled(false);
    c_.cmbLetters.SetVisible(false);
    c_.cmdModify.SetEnabled(true);
    c_.cmdDelete.SetEnabled(true);
    c_.cmdNew.SetEnabled(true);
    c_.cmdHide.SetEnabled(true);
    // The layout is shown from its file alone: a key given to a row that
    // the file leaves without one would stay shown, and be written by the
    // next Apply Changes as if it had not been discarded.
    ClearKeys();
    window_.showLayout();
}

bool LayoutEditor::PassesDuplicateLabelTest(const RowLabels& labels) {
    const auto label = LabelDefinedTwice(labels);
    if (label)
        Inform(DefinedMoreThanOnce(*label));
    return !label;
}

void LayoutEditor::RefuseName(const std::string& message) {
    Inform(message);
    c_.txtLayoutName.SetFocus();
}

void LayoutEditor::Inform(const std::string& message) {
    window_.messages.Show(message, box::InformationOk, window_.applicationTitle);
}

RowLabels LayoutEditor::ShownLabels() const {
    RowLabels labels;
    for (int row = 0; row < kRowCount; ++row)
        labels[static_cast<std::size_t>(row)] = c_.lstTessikLetters.Row(row).subItemText;
    return labels;
}

} // namespace tessik
