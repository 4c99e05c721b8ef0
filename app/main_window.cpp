#include "app/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include "app/desktop_placement.h"
#include "app/dialogs.h"
#include "app/editor_windows.h"
#include "app/file_names.h"
#include "app/font_choice.h"
#include "app/main_menu.h"
#include "app/menu_shortcuts.h"
#include "app/program_info.h"
#include "app/recent_files.h"
#include "app/settings_file.h"
#include "app/system_colors.h"

namespace wendax {
namespace {

constexpr int kSpeedbarHeight = 31;
constexpr int kStatusLineHeight = 23;
constexpr int kPanelHeight = 21;

// Items whose commands the frame does not carry out yet; they stay disabled.
constexpr const char* kFileItemsWithoutCommand[] = {
    "MI_FileRevert", "MI_FileSave1",    "MI_FileSaveAs", "MI_FileSaveAll",
    "MI_FileClose",  "MI_FileCloseAll", "MI_FilePrint"};
constexpr const char* kMenusWithoutCommands[] = {"MI_Edit", "MI_Search", "MI_Options", "MI_Window",
                                                 "MI_Help"};

}  // namespace

TFM_Main::TFM_Main(const TMainWindowSetup& setup, TDialogs& dialogs)
    : FProgramDir(setup.ProgramDir),
      FIniFileName(setup.IniFileName),
      FCommandLineFiles(setup.FileNames),
      FDialogs(dialogs) {
    setObjectName(QStringLiteral("FM_Main"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    FMdiArea = new QMdiArea(this);
    setCentralWidget(FMdiArea);
    BuildBands();
    BuildMenu();
    LoadSettingsFile();
    FRecentFiles->RebuildMenu();
    connect(FMdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateCommandStates(); });
    ApplySettings();
    PlaceFrame(*this, FSettings);
    setAcceptDrops(true);
    UpdateCommandStates();
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
    addToolBar(Qt::TopToolBarArea, FSpeedbar);

    FStatusLine = new QStatusBar(this);
    FStatusLine->setObjectName(QStringLiteral("PL_StatusLine"));
    FStatusLine->setFixedHeight(kStatusLineHeight);
    FStatusLine->setSizeGripEnabled(false);
    FHintPanel = new QLabel(FStatusLine);
    FHintPanel->setObjectName(QStringLiteral("PL_Hint"));
    FHintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FHintPanel->setFixedHeight(kPanelHeight);
    FStatusLine->addWidget(FHintPanel, 1);
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
    for (const char* name : kFileItemsWithoutCommand)
        FMainMenu->Item(QString::fromLatin1(name))->setEnabled(false);
    for (const char* name : kMenusWithoutCommands)
        for (QAction* item : FMainMenu->Menu(QString::fromLatin1(name))->actions())
            item->setEnabled(false);
    const auto command = [this](const char* name, void (TFM_Main::*run)()) {
        connect(FMainMenu->Item(QString::fromLatin1(name)), &QAction::triggered, this, run);
    };
    command("MI_FileNew", &TFM_Main::FileNew);
    command("MI_FileOpen", &TFM_Main::FileOpen);
    command("MI_FilePrintSetup", &TFM_Main::FilePrintSetup);
    connect(FMainMenu->Item(QStringLiteral("MI_FileExit1")), &QAction::triggered, this,
            &QWidget::close);
}

// A font face that is no installed fixed-pitch family on this desktop becomes the
// desktop's fixed font, and the settings keep that name from now on.
void TFM_Main::LoadSettingsFile() {
    FSettings = LoadSettings(ReadSettingsFile(FIniFileName), ToFileName(FProgramDir));
    FSettings.SFontName = InstalledFixedFamily(FSettings.SFontName);
    FSettings.PFontName = InstalledFixedFamily(FSettings.PFontName);
}

void TFM_Main::ApplySettings() {
    FSpeedbar->setVisible(FSettings.SpeedbarVisible);
    FStatusLine->setVisible(FSettings.StatusLineVisible);
    FOpenDialog.InitialDir = FromFileName(FSettings.DefaultDir);
    FSaveDialog.InitialDir = FOpenDialog.InitialDir;
    FMdiArea->setBackground(ToQColor(FSettings.ProgramColor, palette()));
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

void TFM_Main::SetEditorWindows(TEditorWindows* windows) {
    FEditorWindows = windows;
    UpdateCommandStates();
}

void TFM_Main::ShowHintText(const QString& hint) {
    FHintPanel->setText(QLatin1Char(' ') + LongHint(hint));
}

void TFM_Main::UpdateCommandStates() {
    for (QMenu* menu : FMainMenu->Menus())
        FMainMenu->RunOpeningHandler(menu);
}

// New, Open, Print setup, the recent files and Exit are always available (those that open
// files once editor windows exist); the items of later commands stay disabled.
void TFM_Main::UpdateFileMenu() {
    const bool canOpen = FEditorWindows != nullptr;
    FMainMenu->Item(QStringLiteral("MI_FileNew"))->setEnabled(canOpen);
    FMainMenu->Item(QStringLiteral("MI_FileOpen"))->setEnabled(canOpen);
    FRecentFiles->SetEntriesEnabled(canOpen);
    FMainMenu->Item(QStringLiteral("MI_FilePrintSetup"))->setEnabled(true);
    FMainMenu->Item(QStringLiteral("MI_FileExit1"))->setEnabled(true);
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
    // Files open once the frame is on the screen, so their messages appear over it.
    QMetaObject::invokeMethod(this, &TFM_Main::FirstShow, Qt::QueuedConnection);
}

void TFM_Main::FirstShow() {
    for (const QString& name : FCommandLineFiles) {
        OpenEditorWindow(name, false);
        AddToHistory(name);
    }
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

void TFM_Main::CollectVisibility() {
    FSettings.SpeedbarVisible = !FSpeedbar->isHidden();
    FSettings.StatusLineVisible = !FStatusLine->isHidden();
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

}  // namespace wendax
