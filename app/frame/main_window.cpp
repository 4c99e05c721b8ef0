#include "app/frame/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <iterator>

#include <QToolButton>
#include <QWindow>

#include "app/commands/edit_commands.h"
#include "app/commands/file_names.h"
#include "app/commands/recent_files.h"
#include "app/commands/search_commands.h"
#include "app/dialogs/about_box.h"
#include "app/dialogs/dialogs.h"
#include "app/dialogs/font_choice.h"
#include "app/dialogs/help_screen.h"
#include "app/editor/editor_window.h"
#include "app/editor/editor_windows.h"
#include "app/frame/desktop_placement.h"
#include "app/frame/main_menu.h"
#include "app/frame/menu_shortcuts.h"
#include "app/frame/popup_hints.h"
#include "app/frame/speedbar.h"
#include "app/frame/status_panels.h"
#include "app/frame/window_commands.h"
#include "app/program/program_info.h"
#include "app/settings/settings_file.h"
#include "control/controller.h"
#include "control/main_command_tables.h"
#include "platform/qt/system_colors.h"

namespace wendax {
namespace {

constexpr int kSpeedbarHeight = 31;
constexpr int kStatusLineHeight = 23;
constexpr int kPanelHeight = 21;

// The File menu's items that act on the active editor window.
constexpr const char* kFileItemsOfAWindow[] = {"MI_FileSave1", "MI_FileSaveAs", "MI_FileSaveAll",
                                               "MI_FileClose", "MI_FileCloseAll"};

}  // namespace

TFM_Main::TFM_Main(const TMainWindowSetup& setup, TDialogs& dialogs)
    : FProgramDir(setup.ProgramDir),
      FIniFileName(setup.IniFileName),
      FCommandLineFiles(setup.FileNames),
      FRecovery(setup.Recovery),
      FDialogs(dialogs),
      FZ_MainController(std::make_unique<TOvcController>()) {
    setObjectName(QStringLiteral("FM_Main"));
    LoadMainCommandTables(FZ_MainController->EntryCommands());
    FZ_MainController->EntryCommands().Table(0).SetActive(true);
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    FMdiArea = new QMdiArea(this);
    setCentralWidget(FMdiArea);
    FPopupHints = new TPopupHints(this);
    BuildMenu();
    BuildBands();
    BuildCommands();
    LoadSettingsFile();
    FRecentFiles->RebuildMenu();
    connect(FMdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateStatusAndCommands(); });
    ApplySettings();
    PlaceFrame(*this, FSettings);
    setAcceptDrops(true);
    UpdateStatusAndCommands();
}

// The MDI area may report a change of the active child while the base class deletes it;
// by then this window is no longer whole, so it stops listening first.
TFM_Main::~TFM_Main() {
    disconnect(FMdiArea, nullptr, this, nullptr);
}

void TFM_Main::BuildBands() {
    FSpeedbar = new QToolBar(this);
    FSpeedbar->setObjectName(QStringLiteral("PL_Speedbar"));
    FSpeedbar->setFixedHeight(kSpeedbarHeight);
    FSpeedbar->setMovable(false);
    FSpeedbar->setFloatable(false);
    FSpeedbar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, FSpeedbar);
    FSpeedButtons = new TSpeedbar(*FSpeedbar, *FMainMenu, [this] { ToggleSpeedbar(); });
    connect(FSpeedButtons, &TSpeedbar::WordWrapClicked, this, &TFM_Main::WordWrapClicked);

    FStatusLine = new QStatusBar(this);
    FStatusLine->setObjectName(QStringLiteral("PL_StatusLine"));
    FStatusLine->setFixedHeight(kStatusLineHeight);
    FStatusLine->setSizeGripEnabled(false);
    FHintPanel = new QLabel(FStatusLine);
    FHintPanel->setObjectName(QStringLiteral("PL_Hint"));
    FHintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FHintPanel->setFixedHeight(kPanelHeight);
    // The hint takes the rest of the line and is cut there; its text never widens the frame.
    FHintPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    FHintPanel->setMinimumWidth(0);
    FStatusPanels = new TStatusPanels(*FStatusLine, *FHintPanel, [this] { ToggleStatusLine(); });
    setStatusBar(FStatusLine);
}

void TFM_Main::BuildMenu() {
    menuBar()->setObjectName(QStringLiteral("Z_MainMenu"));
    FMainMenu = new TMainMenu(*menuBar());
    FShortcuts = new TMenuShortcuts(*this, *FMainMenu);
    QMenu* file = FMainMenu->Menu(QStringLiteral("MI_File"));
    FRecentFiles =
        new TRecentFiles(*file, *FMainMenu->Item(QStringLiteral("MI_HistStart")), FSettings.History,
                         [this](QAction& item) { OpenFromHistory(item); });
    FMainMenu->SetOpeningHandler(file, [this] { UpdateFileMenu(); });
    const auto command = [this](const char* name, void (TFM_Main::*run)()) {
        connect(FMainMenu->Item(QString::fromLatin1(name)), &QAction::triggered, this, run);
    };
    command("MI_FileNew", &TFM_Main::FileNew);
    command("MI_FileOpen", &TFM_Main::FileOpen);
    command("MI_FileRevert", &TFM_Main::FileRevert);
    command("MI_FileSave1", &TFM_Main::FileSave);
    command("MI_FileSaveAs", &TFM_Main::FileSaveAs);
    command("MI_FileSaveAll", &TFM_Main::FileSaveAll);
    command("MI_FileClose", &TFM_Main::FileClose);
    command("MI_FileCloseAll", &TFM_Main::FileCloseAll);
    command("MI_FilePrintSetup", &TFM_Main::FilePrintSetup);
    command("MI_FilePrint", &TFM_Main::FilePrint);
    command("MI_OptionsConfigure", &TFM_Main::OptionsConfigure);
    command("MI_OptionsScreenFont", &TFM_Main::OptionsScreenFont);
    command("MI_OptionsPrintFont", &TFM_Main::OptionsPrinterFont);
    command("MI_OptionsShowSpeedbar", &TFM_Main::ToggleSpeedbar);
    command("MI_OptionsShowStatusline", &TFM_Main::ToggleStatusLine);
    command("MI_HelpScreen", &TFM_Main::HelpScreen);
    command("MI_HelpAbout", &TFM_Main::HelpAbout);
    connect(FMainMenu->Item(QStringLiteral("MI_FileExit1")), &QAction::triggered, this,
            &QWidget::close);
    FMainMenu->SetOpeningHandler(FMainMenu->Menu(QStringLiteral("MI_Options")),
                                 [this] { UpdateOptionsMenu(); });
}

// The command families of the Edit, Search and Window menus act on the active window.
void TFM_Main::BuildCommands() {
    const auto active = [this] { return ActiveEditorWindow(); };
    FEditCommands = new TEditCommands(*FMainMenu, FDialogs, active);
    FSearchCommands = new TSearchCommands(*FMainMenu, *this, FDialogs, active);
    connect(FSearchCommands, &TSearchCommands::SearchMenuUpdated, this,
            &TFM_Main::UpdateCommandStates);
    FWindowCommands = new TWindowCommands(*FMainMenu, *FMdiArea, active);
    connect(FWindowCommands, &TWindowCommands::SplitToggled, this,
            &TFM_Main::UpdateStatusAndCommands);
    const auto handler = [this](const char* menu, std::function<void()> update) {
        FMainMenu->SetOpeningHandler(FMainMenu->Menu(QString::fromLatin1(menu)), std::move(update));
    };
    handler("MI_Edit", [this] { FEditCommands->UpdateMenu(); });
    handler("MI_Search", [this] { FSearchCommands->UpdateMenu(); });
    handler("MI_Window", [this] { FWindowCommands->UpdateMenu(); });
}

// A font face that is no installed fixed-pitch family on this desktop becomes the
// desktop's fixed font, and the settings keep that name from now on.
void TFM_Main::LoadSettingsFile() {
    FSettings =
        LoadSettings(ReadSettingsFile(FIniFileName), ToFileName(DefaultDirFor(QDir::homePath())));
    FSettings.SFontName = InstalledFixedFamily(FSettings.SFontName);
    FSettings.PFontName = InstalledFixedFamily(FSettings.PFontName);
}

void TFM_Main::ApplySettings() {
    ShowPanels();
    FOpenDialog.InitialDir = FromFileName(FSettings.DefaultDir);
    FSaveDialog.InitialDir = FOpenDialog.InitialDir;
    FMdiArea->setBackground(ResolveColor(FSettings.ProgramColor, palette()));
}

QPrinter& TFM_Main::Printer() {
    if (!FPrinter) FPrinter = std::make_unique<QPrinter>();
    return *FPrinter;
}

QFont TFM_Main::ScreenFont() const {
    return MakeFont(FSettings.SFontName, FSettings.SFontSize, FSettings.SFontBold,
                    FSettings.SFontItalic);
}

QFont TFM_Main::PrinterFont() const {
    return MakeFont(FSettings.PFontName, FSettings.PFontSize, FSettings.PFontBold,
                    FSettings.PFontItalic);
}

// The bars, the status panels and the pop-up hints as the settings say.
void TFM_Main::ShowPanels() {
    FSpeedbar->setVisible(FSettings.SpeedbarVisible);
    FStatusLine->setVisible(FSettings.StatusLineVisible);
    const bool panels[] = {FSettings.PositionVisible, FSettings.ModifiedVisible,
                           FSettings.ModeVisible, FSettings.LineCountVisible,
                           FSettings.CharCountVisible};
    for (int i = 0; i < static_cast<int>(std::size(panels)); ++i)
        FStatusPanels->Panel(static_cast<TStatusPanel>(i)).setVisible(panels[i]);
    FPopupHints->SetEnabled(FSettings.FloatingHints);
}

TEditorSearchOptions TFM_Main::FindOptions() const {
    return FSearchCommands->FindOptions();
}

TEditorSearchOptions TFM_Main::ReplaceOptions() const {
    return FSearchCommands->ReplaceOptions();
}

bool TFM_Main::ShowHints() const {
    return FPopupHints->Enabled();
}

void TFM_Main::SetShowHints(bool show) {
    FPopupHints->SetEnabled(show);
}

void TFM_Main::SetEditorWindows(TEditorWindows* windows) {
    FEditorWindows = windows;
    UpdateStatusAndCommands();
}

void TFM_Main::SetProgramDialogs(const TProgramDialogs& dialogs) {
    FProgramDialogs = dialogs;
    FSearchCommands->SetDialogs(dialogs.Search, dialogs.Replace);
    UpdateCommandStates();
}

void TFM_Main::SetClock(std::function<QDateTime()> clock) {
    FEditCommands->SetClock(std::move(clock));
}

TEditorWindow* TFM_Main::ActiveEditorWindow() const {
    QMdiSubWindow* current = FMdiArea->currentSubWindow();
    if (FEditorWindows == nullptr || current == nullptr) return nullptr;
    return FEditorWindows->WindowOf(*current);
}

void TFM_Main::ShowHintText(const QString& hint) {
    FHintPanel->setText(QLatin1Char(' ') + LongHint(hint));
}

void TFM_Main::UpdateStatusPanels() {
    TEditorWindow* window = ActiveEditorWindow();
    FStatusPanels->Update(window != nullptr ? &window->ActiveEditor() : nullptr);
    FEditCommands->UpdateMenu();
}

void TFM_Main::UpdateCommandStates() {
    for (QMenu* menu : FMainMenu->Menus())
        FMainMenu->RunOpeningHandler(menu);
    FSpeedButtons->CopyMenuStates();
    QToolButton* wordWrap = FSpeedButtons->Button(QStringLiteral("SP_WordWrap"));
    wordWrap->setEnabled(!FMdiArea->subWindowList().isEmpty());
    wordWrap->setChecked(FSettings.EnableWW);
    TEditorWindow* window = ActiveEditorWindow();
    FSpeedButtons->Button(QStringLiteral("SP_Split"))
        ->setChecked(window != nullptr && window->IsSplit());
}

void TFM_Main::UpdateStatusAndCommands() {
    UpdateStatusPanels();
    UpdateCommandStates();
}

void TFM_Main::ApplySettingsToAllEditors() {
    if (FEditorWindows == nullptr) return;
    const QList<QMdiSubWindow*> windows = FMdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto window = windows.crbegin(); window != windows.crend(); ++window)
        if (TEditorWindow* editor = FEditorWindows->WindowOf(**window))
            editor->ApplySettings(FSettings);
}

// New, Open, Print setup, the recent files and Exit are always available (those that open
// files once editor windows exist); the commands on the active window need one, Print a
// text in it too, and Revert a window that is not untitled.
void TFM_Main::UpdateFileMenu() {
    const bool canOpen = FEditorWindows != nullptr;
    FMainMenu->Item(QStringLiteral("MI_FileNew"))->setEnabled(canOpen);
    FMainMenu->Item(QStringLiteral("MI_FileOpen"))->setEnabled(canOpen);
    FRecentFiles->SetEntriesEnabled(canOpen);
    FMainMenu->Item(QStringLiteral("MI_FilePrintSetup"))->setEnabled(true);
    FMainMenu->Item(QStringLiteral("MI_FileExit1"))->setEnabled(true);
    TEditorWindow* window = ActiveEditorWindow();
    for (const char* name : kFileItemsOfAWindow)
        FMainMenu->Item(QString::fromLatin1(name))->setEnabled(window != nullptr);
    FMainMenu->Item(QStringLiteral("MI_FilePrint"))
        ->setEnabled(window != nullptr && window->Editor1().TextLength() > 0);
    FMainMenu->Item(QStringLiteral("MI_FileRevert"))
        ->setEnabled(window != nullptr && !IsUntitledName(window->Editor1().FileName()));
}

// The show/hide items say what they will do.
void TFM_Main::UpdateOptionsMenu() {
    FMainMenu->Item(QStringLiteral("MI_OptionsShowSpeedbar"))
        ->setText(FSpeedbar->isHidden() ? QStringLiteral("Show s&peedbar")
                                        : QStringLiteral("Hide s&peedbar"));
    FMainMenu->Item(QStringLiteral("MI_OptionsShowStatusline"))
        ->setText(FStatusLine->isHidden() ? QStringLiteral("Show s&tatus line")
                                          : QStringLiteral("Hide s&tatus line"));
}

QMenu* TFM_Main::createPopupMenu() {
    return nullptr;
}

bool TFM_Main::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowHintText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TFM_Main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FShown) return;
    FShown = true;
    // Files open once the frame is on the screen, so their messages appear over it: the
    // window system has placed the frame by the time it first exposes it.
    windowHandle()->installEventFilter(this);
}

bool TFM_Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &TFM_Main::FirstShow, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFM_Main::FirstShow() {
    for (const QString& name : FCommandLineFiles) {
        OpenEditorWindow(name, false);
        AddToHistory(name);
    }
    if (FEditorWindows != nullptr) FEditorWindows->RecoverUnsavedTexts(*FMdiArea);
    if (FEditorWindows != nullptr && FMdiArea->subWindowList().isEmpty() && FSettings.OpenEmpty)
        FileNew();
}

void TFM_Main::closeEvent(QCloseEvent* event) {
    if (!CloseQueryAll()) {
        event->ignore();
        return;
    }
    RecordDesktop(*this, FSettings);
    CollectVisibility();
    if (!SaveSettingsFile()) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

// Every editor window is asked, topmost first; none closes unless all agree.
bool TFM_Main::CloseQueryAll() {
    if (FEditorWindows == nullptr) return true;
    const QList<QMdiSubWindow*> windows = FMdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto window = windows.crbegin(); window != windows.crend(); ++window)
        if (!FEditorWindows->CloseQuery(**window)) return false;
    return true;
}

// A panel keeps its own flag while the whole status line is hidden.
void TFM_Main::CollectVisibility() {
    FSettings.SpeedbarVisible = !FSpeedbar->isHidden();
    FSettings.StatusLineVisible = !FStatusLine->isHidden();
    bool* panels[] = {&FSettings.PositionVisible, &FSettings.ModifiedVisible,
                      &FSettings.ModeVisible, &FSettings.LineCountVisible,
                      &FSettings.CharCountVisible};
    for (int i = 0; i < static_cast<int>(std::size(panels)); ++i)
        *panels[i] = !FStatusPanels->Panel(static_cast<TStatusPanel>(i)).isHidden();
    FSettings.FloatingHints = FPopupHints->Enabled();
}

bool TFM_Main::SaveSettingsFile() {
    TIniFile ini = ReadSettingsFile(FIniFileName);
    SaveSettings(FSettings, ini);
    if (WriteSettingsFile(FIniFileName, ini)) return true;
    FDialogs.Message(TMessageRequest{mkError,
                                     QStringLiteral("Unable to write to %1").arg(FIniFileName),
                                     mbOK, QString::fromLatin1(kProgramTitle)});
    return false;
}

void TFM_Main::FilePrintSetup() {
    FDialogs.PrintSetup(Printer());
}

void TFM_Main::HelpScreen() {
    if (FProgramDialogs.HelpScreen != nullptr) FProgramDialogs.HelpScreen->ShowCentered(*this);
}

void TFM_Main::HelpAbout() {
    if (FProgramDialogs.About != nullptr) FProgramDialogs.About->ShowCentered(*this);
}

}  // namespace wendax
