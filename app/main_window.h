// The main window: the frame that holds the editor windows as MDI children, with its
// menu bar, speedbar band, status line band, settings, recent files and untitled numbers.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/settings.h"
#include "app/untitled_numbers.h"

class QLabel;
class QMdiArea;
class QPrinter;
class QStatusBar;
class QToolBar;

namespace wendax {

class TDialogs;
class TEditorWindows;
class TMainMenu;
class TMenuShortcuts;
class TRecentFiles;

struct TMainWindowSetup {
    QString ProgramDir;     // ends with a path separator
    QString IniFileName;    // the settings file
    QStringList FileNames;  // opened, in order, when the window is first shown
};

// What a file dialog keeps between uses.
struct TFileDialogState {
    QString InitialDir;
    QString FileName;
};

class TFM_Main : public QMainWindow {
    Q_OBJECT
  public:
    // Reads the settings file and lays out the frame; `dialogs` outlives the window.
    TFM_Main(const TMainWindowSetup& setup, TDialogs& dialogs);
    ~TFM_Main() override;

    // Until editor windows are installed no file can be opened: New, Open and the
    // recent-file entries stay disabled and dropped files are refused.
    void SetEditorWindows(TEditorWindows* windows);

    TSettings& Settings() { return FSettings; }
    const QString& ProgramDir() const { return FProgramDir; }
    const QString& IniFileName() const { return FIniFileName; }
    QMdiArea& MdiArea() const { return *FMdiArea; }
    TMainMenu& MainMenu() const { return *FMainMenu; }
    QToolBar& Speedbar() const { return *FSpeedbar; }
    QStatusBar& StatusLine() const { return *FStatusLine; }
    QLabel& HintPanel() const { return *FHintPanel; }
    TRecentFiles& RecentFiles() const { return *FRecentFiles; }
    TUntitledNumbers& UntitledNumbers() { return FUntitledNumbers; }
    TFileDialogState& OpenDialog() { return FOpenDialog; }
    TFileDialogState& SaveDialog() { return FSaveDialog; }
    // The printer of print setup and printing, made at first use.
    QPrinter& Printer();
    QFont ScreenFont() const;
    QFont PrinterFont() const;

    // Opens `fileName` in a new editor window (empty with `isNew`). On failure warns
    // "Unable to open file <name>" and returns false. Maximises a single child when the
    // settings say so, and drops the name as given from the recent files.
    bool OpenEditorWindow(const QString& fileName, bool isNew);
    // Activates every child captioned exactly `fileName`, topmost first; true if any.
    bool FindWindowForFile(const QString& fileName);
    void AddToHistory(const QString& fileName);
    void OpenFromHistory(QAction& item);
    // Files dropped on the program: each is activated or opened, then the frame comes up.
    void HandleDroppedFiles(const QStringList& names);
    // An editor window that closes reports its caption; an untitled one frees its number.
    void EditorWindowClosed(const QString& caption);

    void FileNew();
    void FileOpen();
    void FilePrintSetup();

    // The hint panel shows " " + the long part of `hint`.
    void ShowHintText(const QString& hint);
    // Runs the opening handler of every top-level menu.
    void UpdateCommandStates();
    // Writes every setting; on failure shows "Unable to write to <file>" and returns false.
    bool SaveSettingsFile();

    QMenu* createPopupMenu() override;

  signals:
    // The frame has closed for good: the settings are written and the program may end.
    void Closed();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void LoadSettingsFile();
    void BuildBands();
    void BuildMenu();
    void ApplySettings();
    void UpdateFileMenu();
    void FirstShow();
    bool CloseQueryAll();
    void CollectVisibility();

    QString FProgramDir;
    QString FIniFileName;
    QStringList FCommandLineFiles;
    TDialogs& FDialogs;
    TEditorWindows* FEditorWindows = nullptr;
    TSettings FSettings;
    TUntitledNumbers FUntitledNumbers;
    TFileDialogState FOpenDialog;
    TFileDialogState FSaveDialog;
    QMdiArea* FMdiArea = nullptr;
    QToolBar* FSpeedbar = nullptr;
    QStatusBar* FStatusLine = nullptr;
    QLabel* FHintPanel = nullptr;
    TMainMenu* FMainMenu = nullptr;
    TMenuShortcuts* FShortcuts = nullptr;
    TRecentFiles* FRecentFiles = nullptr;
    std::unique_ptr<QPrinter> FPrinter;
    bool FShown = false;
};

}  // namespace wendax
