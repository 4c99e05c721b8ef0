// Watching the file of an editor window for changes by other programs. A change is reported
// when the window becomes active, when the program becomes active again, and when the file
// or its directory changes while the window is the active one (bursts of changes come
// together, after a short quiet time). Each change is reported once; the program's own
// saves are none (the editor takes the identity of what it wrote).
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>

class QMdiSubWindow;
class QWidget;

namespace wendax {

class TDialogs;
class TOvcTextFileEditor;

class TDiskWatch : public QObject {
    Q_OBJECT
  public:
    static constexpr int kQuietMs = 150;

    // Watches the file of `editor`, shown in `window` (a child of an MDI sub-window).
    // `reload` reads the file into the window again.
    TDiskWatch(TOvcTextFileEditor& editor, QWidget& window, TDialogs& dialogs,
               std::function<void()> reload);

    // Watches the editor's FileName and its directory (again): after opening and after the
    // name changed.
    void Follow();
    // Reports a change of the file on disk, if there is one. An unmodified text offers
    // "Reload" (the default) and "Keep", a modified one "Keep my text" (the default) and
    // "Reload, losing my changes"; a kept text is marked modified. A file that is gone is
    // reported and the text kept, marked modified.
    void Check();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Changed();
    void Quiet();
    bool WindowActive() const;
    void CheckLater();

    TOvcTextFileEditor& FEditor;
    QWidget& FWindow;
    TDialogs& FDialogs;
    std::function<void()> FReload;
    QFileSystemWatcher FWatcher;
    QTimer FQuiet;
    QMdiSubWindow* FSubWindow = nullptr;  // once followed
    bool FChecking = false;               // a report is on the screen
};

}  // namespace wendax
