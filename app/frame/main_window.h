// The main window: the frame that holds the editor windows as MDI children, with its
// menu bar, speedbar, status line, settings, recent files and untitled numbers, and the
// commands of its menus.
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>

#include "app/editor/recovery_place.h"
#include "app/frame/untitled_numbers.h"
#include "app/settings/settings.h"
#include "engine/search_options.h"

class QLabel;
class QMdiArea;
class QPrinter;
class QStatusBar;
class QToolBar;

namespace wendax {

class TDialogs;
class TEditCommands;
class TEditorPane;
class TEditorWindow;
class TEditorWindows;
class TFM_About;
class TFM_HelpScreen;
class TFM_Options;
class TFM_Replace;
class TFM_Search;
class TMainMenu;
class TMenuShortcuts;
class TOvcController;
class TPopupHints;
class TRecentFiles;
class TSearchCommands;
class TSpeedbar;
class TStatusPanels;
class TWindowCommands;

struct TMainWindowSetup {
    QString ProgramDir;            // ends with a path separator
    QString IniFileName;           // the settings file
    QStringList FileNames;         // opened, in order, when the window is first shown
    TRecoveryPlace Recovery = {};  // where editor windows keep their recovery journals
};

// The program's other windows, which the main window's commands show.
struct TProgramDialogs {
    TFM_Options* Options = nullptr;
    TFM_HelpScreen* HelpScreen = nullptr;
    TFM_About* About = nullptr;
    TFM_Search* Search = nullptr;
    TFM_Replace* Replace = nullptr;
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
    // The dialogs the commands of the Options, Search and Help menus show; those commands
    // do nothing until they are set.
    void SetProgramDialogs(const TProgramDialogs& dialogs);
    // The clock Edit > Time/Date reads; the local time unless replaced.
    void SetClock(std::function<QDateTime()> clock);

    TSettings& Settings() { return FSettings; }
    TDialogs& Dialogs() const { return FDialogs; }
    // Z_MainController: the command tables every editor of every editor window shares.
    TOvcController& MainController() const { return *FZ_MainController; }
    const QString& ProgramDir() const { return FProgramDir; }
    const QString& IniFileName() const { return FIniFileName; }
    const TRecoveryPlace& Recovery() const { return FRecovery; }
    QMdiArea& MdiArea() const { return *FMdiArea; }
    TMainMenu& MainMenu() const { return *FMainMenu; }
    QToolBar& Speedbar() const { return *FSpeedbar; }
    TSpeedbar& SpeedButtons() const { return *FSpeedButtons; }
    QStatusBar& StatusLine() const { return *FStatusLine; }
    TStatusPanels& StatusPanels() const { return *FStatusPanels; }
    QLabel& HintPanel() const { return *FHintPanel; }
    TRecentFiles& RecentFiles() const { return *FRecentFiles; }
    TUntitledNumbers& UntitledNumbers() { return FUntitledNumbers; }
    TFileDialogState& OpenDialog() { return FOpenDialog; }
    TFileDialogState& SaveDialog() { return FSaveDialog; }
    // The printer of print setup and printing, made at first use.
    QPrinter& Printer();
    QFont ScreenFont() const;
    QFont PrinterFont() const;
    // The options of the last Find and of the last Replace.
    TEditorSearchOptions FindOptions() const;
    TEditorSearchOptions ReplaceOptions() const;
    // The show-hints flag: whether pop-up hints appear.
    bool ShowHints() const;
    void SetShowHints(bool show);

    // The editor window of the active MDI child, or nullptr.
    TEditorWindow* ActiveEditorWindow() const;

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
    // After a confirmation the active window reloads its file.
    void FileRevert();
    void FileSave();
    void FileSaveAs();
    // Saves every window, the lowest in the stack first; an untitled one is named through
    // the save dialog, and a cancel there skips it.
    void FileSaveAll();
    void FileClose();
    // Asks every window to close, the lowest in the stack first; a window whose user
    // cancels stays open and the others go on.
    void FileCloseAll();
    // Saves `window` as File > Save does (an untitled one through File > Save as). False
    // when nothing was written: the save dialog was cancelled or writing failed, which is
    // reported in an error box; the text and its Modified state are then as they were.
    bool SaveWindow(TEditorWindow& window);
    void FilePrintSetup();
    // Prints the active window's file, or its highlight, in as many jobs as copies.
    void FilePrint();
    void OptionsConfigure();
    void OptionsScreenFont();
    void OptionsPrinterFont();
    void ToggleSpeedbar();
    void ToggleStatusLine();
    void HelpScreen();
    void HelpAbout();

    // The hint panel shows " " + the long part of `hint`.
    void ShowHintText(const QString& hint);
    // The status panels show the active pane's caret, state and counts (empty without a
    // window); then the Edit menu's enabling is refreshed.
    void UpdateStatusPanels();
    // Runs the opening handler of every top-level menu, then the speed buttons follow
    // their items and the toggle buttons show the split and word-wrap states.
    void UpdateCommandStates();
    void UpdateStatusAndCommands();
    // Applies the editor settings to every editor window, topmost first.
    void ApplySettingsToAllEditors();
    // Writes every setting; on failure shows "Unable to write to <file>" and returns false.
    bool SaveSettingsFile();

    QMenu* createPopupMenu() override;

  signals:
    // The frame has closed for good: the settings are written and the program may end.
    void Closed();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void LoadSettingsFile();
    void BuildBands();
    void BuildMenu();
    void BuildCommands();
    void ApplySettings();
    void ShowPanels();
    void UpdateFileMenu();
    void UpdateOptionsMenu();
    void WordWrapClicked(bool down);
    void ApplyOptions(const TSettings& before);
    void MaximizeSingleEditor();
    void FirstShow();
    bool CloseQueryAll();
    void CollectVisibility();
    bool SaveWindowAs(TEditorWindow& window, bool moveDialogs);
    bool WriteFile(TEditorPane& editor, const std::string& fileName);
    void ShowFailure(const std::exception& failure);

    QString FProgramDir;
    QString FIniFileName;
    QStringList FCommandLineFiles;
    TRecoveryPlace FRecovery;
    TDialogs& FDialogs;
    std::unique_ptr<TOvcController> FZ_MainController;
    TEditorWindows* FEditorWindows = nullptr;
    TSettings FSettings;
    TUntitledNumbers FUntitledNumbers;
    TFileDialogState FOpenDialog;
    TFileDialogState FSaveDialog;
    QMdiArea* FMdiArea = nullptr;
    QToolBar* FSpeedbar = nullptr;
    TSpeedbar* FSpeedButtons = nullptr;
    QStatusBar* FStatusLine = nullptr;
    TStatusPanels* FStatusPanels = nullptr;
    QLabel* FHintPanel = nullptr;
    TMainMenu* FMainMenu = nullptr;
    TMenuShortcuts* FShortcuts = nullptr;
    TRecentFiles* FRecentFiles = nullptr;
    TEditCommands* FEditCommands = nullptr;
    TSearchCommands* FSearchCommands = nullptr;
    TWindowCommands* FWindowCommands = nullptr;
    TPopupHints* FPopupHints = nullptr;
    TProgramDialogs FProgramDialogs;
    std::unique_ptr<QPrinter> FPrinter;
    bool FShown = false;
};

}  // namespace wendax
