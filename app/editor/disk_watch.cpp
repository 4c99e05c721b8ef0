#include "app/editor/disk_watch.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/commands/file_names.h"
#include "app/dialogs/dialogs.h"
#include "control/text_file_editor.h"
#include "engine/scoped_flag.h"

namespace wendax {

TDiskWatch::TDiskWatch(TOvcTextFileEditor& editor, QWidget& window, TDialogs& dialogs,
                       std::function<void()> reload)
    : QObject(&window),
      FEditor(editor),
      FWindow(window),
      FDialogs(dialogs),
      FReload(std::move(reload)) {
    FQuiet.setSingleShot(true);
    FQuiet.setInterval(kQuietMs);
    connect(&FQuiet, &QTimer::timeout, this, &TDiskWatch::Quiet);
    connect(&FWatcher, &QFileSystemWatcher::fileChanged, this, &TDiskWatch::Changed);
    connect(&FWatcher, &QFileSystemWatcher::directoryChanged, this, &TDiskWatch::Changed);
}

void TDiskWatch::Follow() {
    if (FSubWindow == nullptr) {
        FSubWindow = qobject_cast<QMdiSubWindow*>(FWindow.parentWidget());
        if (FSubWindow != nullptr) {
            FWindow.window()->installEventFilter(this);
            connect(FSubWindow, &QMdiSubWindow::windowStateChanged, this,
                    [this](Qt::WindowStates before, Qt::WindowStates now) {
                        if (!(before & Qt::WindowActive) && (now & Qt::WindowActive)) CheckLater();
                    });
        }
    }
    const QStringList watched = FWatcher.files() + FWatcher.directories();
    if (!watched.isEmpty()) FWatcher.removePaths(watched);
    const QString name = FromFileName(FEditor.FileName());
    if (name.isEmpty()) return;
    const QFileInfo file(name);
    if (file.exists()) FWatcher.addPath(file.absoluteFilePath());
    if (file.absoluteDir().exists()) FWatcher.addPath(file.absolutePath());
}

// A file replaced by a rename is no longer watched: it is watched again under its name.
void TDiskWatch::Changed() {
    const QFileInfo file(FromFileName(FEditor.FileName()));
    if (file.exists() && !FWatcher.files().contains(file.absoluteFilePath()))
        FWatcher.addPath(file.absoluteFilePath());
    FQuiet.start();
}

void TDiskWatch::Quiet() {
    if (WindowActive() && FWindow.window()->isActiveWindow()) Check();
}

// The main window regaining the focus.
bool TDiskWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && WindowActive()) CheckLater();
    return QObject::eventFilter(watched, event);
}

bool TDiskWatch::WindowActive() const {
    return FSubWindow != nullptr && FSubWindow->mdiArea() != nullptr &&
           FSubWindow->mdiArea()->activeSubWindow() == FSubWindow;
}

// Out of the event that noticed the change, so that no report opens inside an activation.
void TDiskWatch::CheckLater() {
    QTimer::singleShot(0, this, &TDiskWatch::Check);
}

void TDiskWatch::Check() {
    if (FChecking) return;
    const TScopedFlag checking(FChecking, true);
    const QString name = FromFileName(FEditor.FileName());
    switch (FEditor.CheckDisk()) {
        case dcNone:
            return;
        case dcGone:
            FEditor.AcceptDiskChange();
            FEditor.SetModified(true);
            ShowMessage(FDialogs, mkWarning,
                        name + QStringLiteral(" has been deleted or renamed by another program. "
                                              "The text is kept and marked as modified."));
            return;
        case dcChanged:
            break;
    }
    const bool modified = FEditor.Modified();
    const QString text = name + QStringLiteral(" has been changed by another program.");
    const int answer =
        modified ? FDialogs.Choose(TChoiceRequest{mkWarning,
                                                  text,
                                                  {QStringLiteral("Keep my text"),
                                                   QStringLiteral("Reload, losing my changes")}})
                 : FDialogs.Choose(TChoiceRequest{
                       mkConfirmation, text, {QStringLiteral("Reload"), QStringLiteral("Keep")}});
    if (answer == (modified ? 1 : 0)) {
        FReload();
    } else {
        FEditor.AcceptDiskChange();
        FEditor.SetModified(true);
    }
    Follow();
}

}  // namespace wendax
