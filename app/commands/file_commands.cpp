// The main window's commands that open files: New, Open, the recent files, dropped files
// and the steps around creating an editor window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>

#include "app/commands/file_names.h"
#include "app/commands/recent_files.h"
#include "app/dialogs/dialogs.h"
#include "app/editor/editor_windows.h"
#include "app/editor/window_caption.h"
#include "app/frame/main_window.h"

namespace wendax {
namespace {

QStringList LocalFiles(const QMimeData* data) {
    QStringList names;
    if (data == nullptr) return names;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) names << url.toLocalFile();
    return names;
}

}  // namespace

bool TFM_Main::OpenEditorWindow(const QString& fileName, bool isNew) {
    QString refusal;
    const bool opened = FEditorWindows != nullptr &&
                        FEditorWindows->CreateEditorWindow(*FMdiArea, fileName, isNew, refusal);
    if (!opened) {
        ShowMessage(
            FDialogs, mkWarning,
            QStringLiteral("Unable to open file ") + fileName +
                (refusal.isEmpty() ? QString() : QString(QStringLiteral(": it ") + refusal)));
    }
    // Whatever the load's result: after a failure the one window left is maximised too.
    QMdiSubWindow* current = FMdiArea->currentSubWindow();
    if (FMdiArea->subWindowList().size() == 1 && FSettings.MaxEditor && current != nullptr)
        current->showMaximized();
    FRecentFiles->Remove(fileName);
    return opened;
}

bool TFM_Main::FindWindowForFile(const QString& fileName) {
    bool found = false;
    const QString title = TitleForCaption(fileName);
    const QList<QMdiSubWindow*> windows = FMdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto window = windows.crbegin(); window != windows.crend(); ++window) {
        if ((*window)->windowTitle() != title) continue;
        FMdiArea->setActiveSubWindow(*window);
        found = true;
    }
    return found;
}

void TFM_Main::AddToHistory(const QString& fileName) {
    FRecentFiles->Add(fileName);
}

// A name that fails to load has already left the list in OpenEditorWindow.
void TFM_Main::OpenFromHistory(QAction& item) {
    const QString name = FRecentFiles->EntryOf(item);
    if (name.isEmpty() || FindWindowForFile(name)) return;
    if (OpenEditorWindow(name, false)) AddToHistory(name);
}

void TFM_Main::HandleDroppedFiles(const QStringList& names) {
    for (const QString& name : names) {
        if (FindWindowForFile(name)) continue;
        OpenEditorWindow(name, false);
        AddToHistory(name);
    }
    if (isMinimized()) {
        showNormal();
    } else {
        raise();
        activateWindow();
    }
}

void TFM_Main::EditorWindowClosed(const QString& caption) {
    if (const auto number = TUntitledNumbers::NumberOf(ToFileName(caption)))
        FUntitledNumbers.Release(*number);
}

void TFM_Main::FileNew() {
    const int number = FUntitledNumbers.Take();
    OpenEditorWindow(FromFileName(TUntitledNumbers::NameFor(number)), true);
}

void TFM_Main::FileOpen() {
    FOpenDialog.FileName.clear();
    const auto chosen = FDialogs.OpenFiles(TFileDialogRequest{
        {}, QString::fromStdString(FSettings.Filter), FOpenDialog.InitialDir, {}});
    if (!chosen || chosen->isEmpty()) return;
    FOpenDialog.InitialDir = DirectoryOf(chosen->constFirst());
    FSaveDialog.InitialDir = FOpenDialog.InitialDir;
    for (const QString& name : *chosen) {
        if (FindWindowForFile(name)) continue;
        OpenEditorWindow(name, false);
        AddToHistory(name);
    }
}

void TFM_Main::dragEnterEvent(QDragEnterEvent* event) {
    if (FEditorWindows != nullptr && !LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TFM_Main::dropEvent(QDropEvent* event) {
    const QStringList names = LocalFiles(event->mimeData());
    if (FEditorWindows == nullptr || names.isEmpty()) return;
    event->acceptProposedAction();
    HandleDroppedFiles(names);
}

}  // namespace wendax
