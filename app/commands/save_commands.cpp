// The main window's commands that write, reload and close the files of its editor
// windows: Save, Save as, Save all, Revert, Close and Close all.
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "app/commands/file_names.h"
#include "app/dialogs/dialogs.h"
#include "app/editor/editor_window.h"
#include "app/editor/editor_windows.h"
#include "app/frame/main_window.h"
#include "app/program/program_info.h"

namespace wendax {
namespace {

// The editor windows from the lowest in the stack to the topmost; a window closed on the
// way leaves a null entry.
QList<QPointer<QMdiSubWindow>> LowestFirst(const QMdiArea& area) {
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::StackingOrder))
        windows << window;
    return windows;
}

}  // namespace

void TFM_Main::FileSave() {
    if (TEditorWindow* window = ActiveEditorWindow()) SaveWindow(*window);
}

void TFM_Main::FileSaveAs() {
    if (TEditorWindow* window = ActiveEditorWindow()) SaveWindowAs(*window, true);
}

bool TFM_Main::SaveWindow(TEditorWindow& window) {
    TEditorPane& editor = window.Editor1();
    const std::string fileName = editor.FileName();
    if (IsUntitledName(fileName)) return SaveWindowAs(window, true);
    return WriteFile(editor, fileName);
}

// The dialog offers the file's own name, or for an untitled one the name it was last left
// with. With `moveDialogs` both file dialogs then start in the chosen file's directory.
// A window saved under a real name gives back its untitled number.
bool TFM_Main::SaveWindowAs(TEditorWindow& window, bool moveDialogs) {
    TEditorPane& editor = window.Editor1();
    const QString oldName = FromFileName(editor.FileName());
    const auto number = TUntitledNumbers::NumberOf(editor.FileName());
    if (!IsUntitledName(editor.FileName())) FSaveDialog.FileName = oldName;
    const auto chosen = FDialogs.SaveFile(TFileDialogRequest{
        QStringLiteral("Save ") + QFileInfo(oldName).fileName() + QStringLiteral(" As"),
        QString::fromStdString(FSettings.Filter), FSaveDialog.InitialDir, FSaveDialog.FileName});
    if (!chosen) return false;
    FSaveDialog.FileName = *chosen;
    if (moveDialogs) {
        FSaveDialog.InitialDir = DirectoryOf(*chosen);
        FOpenDialog.InitialDir = FSaveDialog.InitialDir;
    }
    const std::string newName = ToFileName(*chosen);
    if (!WriteFile(editor, newName)) return false;
    window.SetFileName(newName);
    if (number && !IsUntitledName(editor.FileName())) FUntitledNumbers.Release(*number);
    AddToHistory(FromFileName(editor.FileName()));
    return true;
}

// A failure ends the command: the windows above the failed one are not saved.
void TFM_Main::FileSaveAll() {
    if (FEditorWindows == nullptr) return;
    for (const QPointer<QMdiSubWindow>& child : LowestFirst(*FMdiArea)) {
        TEditorWindow* window = child ? FEditorWindows->WindowOf(*child) : nullptr;
        if (window == nullptr) continue;
        TEditorPane& editor = window->Editor1();
        if (IsUntitledName(editor.FileName()))
            SaveWindowAs(*window, false);
        else if (!WriteFile(editor, editor.FileName()))
            return;
    }
}

// A file that another program changed since it was read is overwritten only when the user
// says so.
bool TFM_Main::WriteFile(TEditorPane& editor, const std::string& fileName) {
    if (fileName == editor.FileName() && editor.TakeDiskChange() &&
        FDialogs.Choose(TChoiceRequest{
            mkWarning,
            FromFileName(fileName) +
                QStringLiteral(" has been changed by another program since it was opened. "
                               "Save anyway?"),
            {QStringLiteral("Save"), QStringLiteral("Cancel")}}) != 0)
        return false;
    try {
        editor.SaveToFile(fileName);
        return true;
    } catch (const std::exception& failure) {
        ShowFailure(failure);
        return false;
    }
}

void TFM_Main::ShowFailure(const std::exception& failure) {
    FDialogs.Message(TMessageRequest{mkError, QString::fromLocal8Bit(failure.what()), mbOK,
                                     QString::fromLatin1(kProgramTitle)});
}

void TFM_Main::FileRevert() {
    if (ShowMessage(FDialogs, mkConfirmation,
                    QStringLiteral("Abandon changes and reload from disk file?"),
                    mbYes | mbNo) != mrYes)
        return;
    TEditorWindow* window = ActiveEditorWindow();
    if (window == nullptr) return;
    try {
        window->Revert();
    } catch (const std::exception& failure) {
        ShowFailure(failure);
    }
}

void TFM_Main::FileClose() {
    FMdiArea->closeActiveSubWindow();
}

void TFM_Main::FileCloseAll() {
    for (const QPointer<QMdiSubWindow>& child : LowestFirst(*FMdiArea))
        if (child) child->close();
}

}  // namespace wendax
