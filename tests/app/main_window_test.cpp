#include "app/frame/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <stdexcept>

#include "app/commands/file_names.h"
#include "app/commands/recent_files.h"
#include "app/dialogs/font_choice.h"
#include "app/frame/main_menu.h"
#include "app/program/application.h"
#include "app/program/program_windows.h"
#include "fake_editor_windows.h"
#include "scripted_dialogs.h"

namespace wendax {
namespace {

class MainWindow : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return FDir.filePath(name); }
    QString IniPath() const { return Path(QStringLiteral("wendax.ini")); }

    void WriteIni(const QByteArray& text) {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray SavedIni() const {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString MakeFile(const QString& name) {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("text\n");
        return file.fileName();
    }

    // Creates the frame, shows it and lets it open the command-line files.
    TFM_Main& Start(const QStringList& files = {}, bool withEditors = true) {
        FFrame = std::make_unique<TFM_Main>(
            TMainWindowSetup{FDir.path() + QLatin1Char('/'), IniPath(), files}, FDialogs);
        if (withEditors) FFrame->SetEditorWindows(&FEditors);
        FFrame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(FFrame.get()));
        QCoreApplication::processEvents();
        return *FFrame;
    }
    QAction* Item(const char* name) const {
        return FFrame->MainMenu().Item(QString::fromLatin1(name));
    }
    QStringList Windows() const { return Captions(FFrame->MdiArea()); }
    QStringList History() const {
        QStringList names;
        for (const std::string& name : FFrame->Settings().History)
            names << FromFileName(name);
        return names;
    }
    void Drop(const QStringList& names) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& name : names)
            urls << QUrl::fromLocalFile(name);
        data->setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(FFrame.get(), &enter);
        FDropAccepted = enter.isAccepted();
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        if (FDropAccepted) QCoreApplication::sendEvent(FFrame.get(), &drop);
        delete data;
    }

    QTemporaryDir FDir;
    TScriptedDialogs FDialogs;
    TFakeEditorWindows FEditors;
    std::unique_ptr<TFM_Main> FFrame;
    bool FDropAccepted = false;
};

TEST_F(MainWindow, TheFrameHasItsTitleBandsAndDesignSize) {
    TFM_Main& frame = Start();
    EXPECT_EQ(frame.objectName(), "FM_Main");
    EXPECT_EQ(frame.windowTitle(), "Wendax 32");
    EXPECT_EQ(frame.centralWidget(), &frame.MdiArea());
    EXPECT_EQ(frame.size(), QSize(597, 354));
    EXPECT_EQ(frame.Speedbar().objectName(), "PL_Speedbar");
    EXPECT_EQ(frame.StatusLine().objectName(), "PL_StatusLine");
    EXPECT_EQ(frame.Speedbar().height(), 31);
    EXPECT_EQ(frame.StatusLine().height(), 23);
    EXPECT_EQ(frame.Speedbar().geometry().bottom() + 1, frame.MdiArea().geometry().top());
    EXPECT_EQ(frame.MdiArea().geometry().bottom() + 1, frame.StatusLine().geometry().top());
    EXPECT_EQ(frame.StatusLine().geometry().bottom() + 1, frame.height());
}

TEST_F(MainWindow, TheProgramColourPaintsTheBackgroundOfTheWindowArea) {
    WriteIni("[Colors]\nProgramColor=8421376\n");
    EXPECT_EQ(Start().MdiArea().background().color(), QColor(0, 128, 128));
}

TEST_F(MainWindow, BarsShowAsTheSettingsSayAndAreSavedAsTheyAre) {
    WriteIni("[Program]\nSpeedbarVisible=0\nStatusLineVisible=1\n");
    TFM_Main& frame = Start();
    EXPECT_TRUE(frame.Speedbar().isHidden());
    EXPECT_FALSE(frame.StatusLine().isHidden());
    frame.StatusLine().hide();
    ASSERT_TRUE(frame.close());
    EXPECT_TRUE(SavedIni().contains("SpeedbarVisible=0\nStatusLineVisible=0\n"));
}

TEST_F(MainWindow, CommandLineFilesOpenInOrderAndAllGoToTheRecentFiles) {
    const QString present = MakeFile(QStringLiteral("present.txt"));
    const QString missing = Path(QStringLiteral("missing.txt"));
    FDialogs.ExpectMessage(mrOk);
    Start({present, missing});
    EXPECT_EQ(Windows(), QStringList{present});
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Unable to open file " + missing});
    EXPECT_EQ(FDialogs.Calls()[0].Message.Kind, mkWarning);
    EXPECT_EQ(History(), (QStringList{missing, present}));
}

TEST_F(MainWindow, AFileNamedTwiceOnTheCommandLineOpensTwice) {
    const QString name = MakeFile(QStringLiteral("twice.txt"));
    Start({name, name});
    EXPECT_EQ(Windows(), (QStringList{name, name}));
    EXPECT_EQ(History(), QStringList{name});
}

TEST_F(MainWindow, RelativeCommandLineNamesKeepTheirCaptionButAreListedInFull) {
    const QString name = MakeFile(QStringLiteral("rel.txt"));
    const QString saved = QDir::currentPath();
    QDir::setCurrent(FDir.path());
    Start({QStringLiteral("rel.txt")});
    QDir::setCurrent(saved);
    EXPECT_EQ(Windows(), QStringList{"rel.txt"});
    EXPECT_EQ(History(), QStringList{name});
}

TEST_F(MainWindow, WithoutFilesAndWithOpenEmptyAnUntitledWindowOpens) {
    WriteIni("[Editor]\nOpenEmpty=1\n");
    Start();
    EXPECT_EQ(Windows(), QStringList{"NONAME1"});
    EXPECT_TRUE(History().isEmpty());
}

TEST_F(MainWindow, WithoutOpenEmptyOrWithFilesNoUntitledWindowOpens) {
    Start();
    EXPECT_TRUE(Windows().isEmpty());
    FFrame.reset();
    WriteIni("[Editor]\nOpenEmpty=1\n");
    const QString name = MakeFile(QStringLiteral("a.txt"));
    Start({name});
    EXPECT_EQ(Windows(), QStringList{name});
}

TEST_F(MainWindow, WithMaxEditorTheOnlyWindowIsMaximised) {
    WriteIni("[Editor]\nMaxEditor=1\n");
    const QString a = MakeFile(QStringLiteral("a.txt"));
    Start({a});
    EXPECT_TRUE(FFrame->MdiArea().currentSubWindow()->isMaximized());
}

TEST_F(MainWindow, AFileThatFailsToOpenStillMaximisesTheOnlyWindowLeft) {
    WriteIni("[Editor]\nMaxEditor=1\n");
    Start({MakeFile(QStringLiteral("a.txt"))});
    QMdiSubWindow* only = FFrame->MdiArea().currentSubWindow();
    only->showNormal();
    FDialogs.ExpectOpen({Path(QStringLiteral("gone.txt"))});
    FDialogs.ExpectMessage(mrOk);
    QTest::keyClick(FFrame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Unable to open file " + Path("gone.txt")});
    EXPECT_TRUE(only->isMaximized());
}

TEST_F(MainWindow, WithoutMaxEditorWindowsKeepTheirState) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    EXPECT_FALSE(FFrame->MdiArea().currentSubWindow()->isMaximized());
}

TEST_F(MainWindow, NewNumbersUntitledWindowsAndReusesFreedNumbers) {
    Start();
    for (int i = 0; i < 3; ++i)
        Item("MI_FileNew")->trigger();
    EXPECT_EQ(Windows(), (QStringList{"NONAME3", "NONAME2", "NONAME1"}));
    FFrame->EditorWindowClosed(QStringLiteral("NONAME2"));
    FFrame->EditorWindowClosed(QStringLiteral("NONAME2.txt"));
    Item("MI_FileNew")->trigger();
    EXPECT_EQ(Windows().first(), "NONAME2");
    Item("MI_FileNew")->trigger();
    EXPECT_EQ(Windows().first(), "NONAME4");
    EXPECT_TRUE(History().isEmpty());
    EXPECT_EQ(FEditors.Created.back(), std::make_pair(QStringLiteral("NONAME4"), true));
}

TEST_F(MainWindow, OpenActivatesWindowsAlreadyOpenAndOpensTheRest) {
    const QString a = MakeFile(QStringLiteral("a.txt"));
    const QString b = MakeFile(QStringLiteral("b.txt"));
    const QString c = MakeFile(QStringLiteral("c.txt"));
    Start({a, b});
    FFrame->MdiArea().setActiveSubWindow(FFrame->MdiArea().subWindowList().first());  // a
    FDialogs.ExpectOpen({b, a, c});
    QTest::keyClick(FFrame->MdiArea().currentSubWindow()->widget(), Qt::Key_O, Qt::ControlModifier);
    const TDialogCall& call = FDialogs.Calls().back();
    EXPECT_EQ(call.Kind, dkOpenFiles);
    EXPECT_EQ(call.File.Filter, "All files|*.*|Text files|*.txt|");
    EXPECT_EQ(call.File.InitialDir, QDir::homePath() + "/");  // no directory chosen yet
    EXPECT_EQ(Windows(), (QStringList{c, a, b}));
    EXPECT_EQ(FEditors.Created.size(), 3u);
    EXPECT_EQ(History(), (QStringList{c, b, a}));
    EXPECT_EQ(FFrame->OpenDialog().InitialDir, FDir.path() + "/");
    EXPECT_EQ(FFrame->SaveDialog().InitialDir, FDir.path() + "/");
}

TEST_F(MainWindow, OpenStartsInTheDefaultDirectoryAndThenWhereTheLastFileWas) {
    QDir(FDir.path()).mkdir(QStringLiteral("sub"));
    const QString inSub = MakeFile(QStringLiteral("sub/x.txt"));
    WriteIni("[Program]\nDefaultDir=/srv/texts/\nFilter=Notes|*.note|\n");
    Start();
    FDialogs.ExpectOpen({inSub});
    Item("MI_FileOpen")->trigger();
    FDialogs.ExpectCancel(dkOpenFiles);
    Item("MI_FileOpen")->trigger();
    EXPECT_EQ(FDialogs.Calls()[0].File.InitialDir, "/srv/texts/");
    EXPECT_EQ(FDialogs.Calls()[0].File.Filter, "Notes|*.note|");
    EXPECT_EQ(FDialogs.Calls()[1].File.InitialDir, Path(QStringLiteral("sub/")));
    EXPECT_EQ(Windows(), QStringList{inSub});
}

// Wherever the program is, writable or not, its dialogs start at home unless the
// settings name a directory.
TEST_F(MainWindow, TheDialogsStartInTheHomeDirectoryWhereverTheProgramIs) {
    const QString home = QDir::homePath() + QLatin1Char('/');
    for (const QString& programDir :
         {QStringLiteral("/nonexistent/wendax-bin/"), FDir.path() + QLatin1Char('/')}) {
        FFrame = std::make_unique<TFM_Main>(TMainWindowSetup{programDir, IniPath(), {}}, FDialogs);
        EXPECT_EQ(FFrame->Settings().DefaultDir, ToFileName(home));
        EXPECT_EQ(FFrame->OpenDialog().InitialDir, home);
        EXPECT_EQ(FFrame->SaveDialog().InitialDir, home);
    }
}

TEST_F(MainWindow, AFileThatFailsInTheOpenDialogIsStillListed) {
    const QString missing = Path(QStringLiteral("gone.txt"));
    Start();
    FDialogs.ExpectOpen({missing});
    FDialogs.ExpectMessage(mrOk);
    Item("MI_FileOpen")->trigger();
    EXPECT_EQ(History(), QStringList{missing});
}

TEST_F(MainWindow, ARecentFileReopensAndMovesToTheTop) {
    const QString a = MakeFile(QStringLiteral("a.txt"));
    const QString b = MakeFile(QStringLiteral("b.txt"));
    const QString c = MakeFile(QStringLiteral("c.txt"));
    WriteIni(QStringLiteral("[History]\nLastfile0=%1\nLastfile1=%2\nLastfile2=%3\n")
                 .arg(a, b, c)
                 .toUtf8());
    Start();
    FFrame->RecentFiles().MenuEntries()[2]->trigger();
    EXPECT_EQ(Windows(), QStringList{c});
    EXPECT_EQ(History(), (QStringList{c, a, b}));
    FFrame->RecentFiles().MenuEntries()[0]->trigger();  // c again: only activated
    EXPECT_EQ(FEditors.Created.size(), 1u);
}

TEST_F(MainWindow, ARecentFileThatNoLongerExistsWarnsAndLeavesTheList) {
    const QString gone = Path(QStringLiteral("gone.txt"));
    const QString kept = MakeFile(QStringLiteral("kept.txt"));
    WriteIni(QStringLiteral("[History]\nLastfile0=%1\nLastfile1=%2\n").arg(gone, kept).toUtf8());
    Start();
    FDialogs.ExpectMessage(mrOk);
    FFrame->RecentFiles().MenuEntries()[0]->trigger();
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Unable to open file " + gone});
    EXPECT_EQ(History(), QStringList{kept});
    EXPECT_EQ(FFrame->RecentFiles().MenuEntries().size(), 1u);
}

TEST_F(MainWindow, ADroppedFileOpensUnlessAWindowHasExactlyItsName) {
    const QString lower = MakeFile(QStringLiteral("notes.txt"));
    const QString upper = MakeFile(QStringLiteral("NOTES.txt"));
    Start();
    Drop({lower});
    EXPECT_TRUE(FDropAccepted);
    Drop({lower});
    EXPECT_EQ(Windows(), QStringList{lower});
    Drop({upper, lower});
    EXPECT_EQ(Windows(), (QStringList{lower, upper}));
    EXPECT_EQ(FEditors.Created.size(), 2u);
    EXPECT_EQ(History(), (QStringList{upper, lower}));
}

TEST_F(MainWindow, DroppedNamesAreNotCutShort) {
    const QString longName = MakeFile(QString(150, QLatin1Char('n')) + QStringLiteral(".txt"));
    Start();
    Drop({longName});
    EXPECT_EQ(Windows(), QStringList{longName});
}

TEST_F(MainWindow, AFailedDropWarnsAndIsListed) {
    const QString missing = Path(QStringLiteral("missing.txt"));
    Start();
    FDialogs.ExpectMessage(mrOk);
    Drop({missing});
    EXPECT_EQ(History(), QStringList{missing});
}

TEST_F(MainWindow, WithoutEditorWindowsNothingOpensFiles) {
    FDialogs.ExpectMessage(mrOk);
    WriteIni("[Editor]\nOpenEmpty=1\n");
    const QString name = MakeFile(QStringLiteral("a.txt"));
    Start({name}, false);
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Unable to open file " + name});
    EXPECT_TRUE(Windows().isEmpty());
    EXPECT_FALSE(Item("MI_FileNew")->isEnabled());
    EXPECT_FALSE(Item("MI_FileOpen")->isEnabled());
    EXPECT_FALSE(FFrame->RecentFiles().MenuEntries().front()->isEnabled());
    Drop({name});
    EXPECT_FALSE(FDropAccepted);
}

TEST_F(MainWindow, FileItemsOfTheActiveWindowNeedOneAndRevertATitledOne) {
    const char* always[] = {"MI_FileNew", "MI_FileOpen", "MI_FilePrintSetup", "MI_FileExit1",
                            "MI_FileExit2"};
    const char* ofAWindow[] = {"MI_FileSave1",   "MI_FileSave2", "MI_FileSaveAs",
                               "MI_FileSaveAll", "MI_FileClose", "MI_FileCloseAll"};
    Start();
    FFrame->UpdateCommandStates();
    for (const char* name : always)
        EXPECT_TRUE(FFrame->MainMenu().IsEnabled(*Item(name))) << name;
    for (const char* name : ofAWindow)
        EXPECT_FALSE(FFrame->MainMenu().IsEnabled(*Item(name))) << name;
    EXPECT_FALSE(Item("MI_FileRevert")->isEnabled());
    EXPECT_FALSE(Item("MI_FilePrint")->isEnabled());

    Item("MI_FileNew")->trigger();
    FFrame->UpdateCommandStates();
    for (const char* name : ofAWindow)
        EXPECT_TRUE(FFrame->MainMenu().IsEnabled(*Item(name))) << name;
    EXPECT_FALSE(Item("MI_FileRevert")->isEnabled());  // untitled
    EXPECT_FALSE(Item("MI_FilePrint")->isEnabled());   // no text

    FFrame->OpenEditorWindow(MakeFile(QStringLiteral("a.txt")), false);
    FFrame->UpdateCommandStates();
    EXPECT_TRUE(Item("MI_FileRevert")->isEnabled());
    EXPECT_TRUE(Item("MI_FilePrint")->isEnabled());
}

TEST_F(MainWindow, MenuShortcutsComeBeforeTheFocusedEditor) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    auto* editor = qobject_cast<QPlainTextEdit*>(FFrame->MdiArea().currentSubWindow()->widget());
    ASSERT_NE(editor, nullptr);
    QApplication::setActiveWindow(FFrame.get());
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("abc"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);  // Undo: disabled, swallowed
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);  // Select all: disabled
    QTest::keyClick(editor, Qt::Key_Delete);                  // Delete: disabled
    EXPECT_EQ(editor->toPlainText(), "abc");
    FDialogs.ExpectCancel(dkOpenFiles);
    QTest::keyClick(editor, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(FDialogs.Calls().size(), 1u);
}

TEST_F(MainWindow, ExitAndItsSecondKeyCloseTheFrameAndWriteTheSettingsOnce) {
    Start();
    QTest::keyClick(FFrame.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(FFrame->isVisible());
    const QByteArray first = SavedIni();
    EXPECT_TRUE(first.startsWith("[Program]\nSpeedbarVisible=1\n"));
    EXPECT_TRUE(first.endsWith("Lastfile4=\n"));
    FFrame->show();
    QFile::remove(IniPath());
    Item("MI_FileExit1")->trigger();
    EXPECT_EQ(SavedIni(), first);
}

TEST_F(MainWindow, ClosingEmitsClosedOnlyWhenItCompletes) {
    Start();
    int closed = 0;
    QObject::connect(FFrame.get(), &TFM_Main::Closed, [&] { ++closed; });
    EXPECT_TRUE(FFrame->close());
    EXPECT_EQ(closed, 1);
}

TEST_F(MainWindow, AnUnwritableSettingsFileIsReportedAndTheFrameStaysOpen) {
    QFile blocker(Path(QStringLiteral("plain")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString badIni = Path(QStringLiteral("plain/wendax.ini"));
    FFrame = std::make_unique<TFM_Main>(TMainWindowSetup{FDir.path() + "/", badIni, {}}, FDialogs);
    FFrame->show();
    FDialogs.ExpectMessage(mrOk);
    EXPECT_FALSE(FFrame->close());
    EXPECT_TRUE(FFrame->isVisible());
    ASSERT_EQ(FDialogs.Calls().size(), 1u);
    EXPECT_EQ(FDialogs.Calls()[0].Message.Text, "Unable to write to " + badIni);
    EXPECT_EQ(FDialogs.Calls()[0].Message.Kind, mkError);
    EXPECT_EQ(FDialogs.Calls()[0].Message.Caption, "Wendax 32");
}

TEST_F(MainWindow, EveryEditorWindowIsAskedTopmostFirstAndOneNoKeepsAllOpen) {
    const QString a = MakeFile(QStringLiteral("a.txt"));
    const QString b = MakeFile(QStringLiteral("b.txt"));
    const QString c = MakeFile(QStringLiteral("c.txt"));
    Start({a, b, c});
    FEditors.Refuse << b;
    EXPECT_FALSE(FFrame->close());
    EXPECT_EQ(FEditors.Queried, (QStringList{c, b}));
    EXPECT_EQ(Windows().size(), 3);
    EXPECT_TRUE(SavedIni().isEmpty());
    FEditors.Refuse.clear();
    FEditors.Queried.clear();
    EXPECT_TRUE(FFrame->close());
    EXPECT_EQ(FEditors.Queried, (QStringList{c, b, a}));
    EXPECT_FALSE(SavedIni().isEmpty());
}

TEST_F(MainWindow, TheSystemPlacesTheFrameUnlessAPlaceIsToBeRestored) {
    WriteIni("[Desktop]\nRestoreStyle=1\nScrnTop=40\nScrnLeft=50\nScrnHeight=400\nScrnWidth=500\n");
    Start();
    EXPECT_EQ(FFrame->size(), QSize(597, 354));
    FFrame->move(70, 80);
    ASSERT_TRUE(FFrame->close());
    EXPECT_TRUE(SavedIni().contains("ScrnTop=40\nScrnLeft=50\nScrnHeight=400\nScrnWidth=500\n"));
}

TEST_F(MainWindow, RestoreStyleTwoRestoresAndRecordsThePlace) {
    WriteIni("[Desktop]\nRestoreStyle=2\nScrnTop=40\nScrnLeft=50\nScrnHeight=400\nScrnWidth=500\n");
    Start();
    EXPECT_EQ(FFrame->pos(), QPoint(50, 40));
    EXPECT_EQ(FFrame->size(), QSize(500, 400));
    FFrame->move(60, 70);
    FFrame->resize(640, 480);
    ASSERT_TRUE(FFrame->close());
    EXPECT_TRUE(SavedIni().contains(
        "RestoreStyle=2\nScrnTop=70\nScrnLeft=60\nScrnHeight=480\nScrnWidth=640\nScrnMax=0\n"));
}

TEST_F(MainWindow, AFrameMaximisedAtExitOnlyRecordsThat) {
    WriteIni("[Desktop]\nRestoreStyle=2\nScrnTop=40\nScrnLeft=50\nScrnHeight=400\nScrnWidth=500\n");
    Start();
    FFrame->showMaximized();
    ASSERT_TRUE(FFrame->close());
    EXPECT_TRUE(SavedIni().contains(
        "RestoreStyle=2\nScrnTop=40\nScrnLeft=50\nScrnHeight=400\nScrnWidth=500\nScrnMax=1\n"));
    FFrame.reset();
    Start();
    EXPECT_TRUE(FFrame->isMaximized());
}

TEST_F(MainWindow, AFixedPlaceIsUsedButNeverRecorded) {
    WriteIni("[Desktop]\nRestoreStyle=3\nScrnTop=40\nScrnLeft=50\nScrnHeight=400\nScrnWidth=500\n");
    Start();
    EXPECT_EQ(FFrame->pos(), QPoint(50, 40));
    FFrame->move(60, 70);
    ASSERT_TRUE(FFrame->close());
    EXPECT_TRUE(SavedIni().contains("ScrnTop=40\nScrnLeft=50\n"));
}

TEST_F(MainWindow, AFontFaceThatIsNotInstalledIsSavedUnderTheFaceUsed) {
    WriteIni("[Font]\nSFontName=Fixedsys\nPFontName=No Such Face\nPFontSize=9\nPFontBold=1\n");
    Start();
    const std::string used = InstalledFixedFamily("Fixedsys");
    EXPECT_EQ(FFrame->Settings().SFontName, used);
    EXPECT_EQ(FFrame->PrinterFont().family().toStdString(), used);
    EXPECT_EQ(FFrame->PrinterFont().pointSize(), 9);
    EXPECT_TRUE(FFrame->PrinterFont().bold());
    ASSERT_TRUE(FFrame->close());
    EXPECT_TRUE(SavedIni().contains(QByteArray("SFontName=") + used.c_str() + "\n"));
    EXPECT_TRUE(SavedIni().contains(QByteArray("PFontName=") + used.c_str() + "\n"));
}

TEST_F(MainWindow, TheHintOfTheItemUnderTheMouseShowsInTheHintPanel) {
    Start();
    // A menu shows the hint of its highlighted item through the menu bar that opened it.
    Item("MI_FileOpen")->showStatusText(FFrame->menuBar());
    EXPECT_EQ(FFrame->HintPanel().text(), " Open a file");
    FFrame->ShowHintText(QStringLiteral("Save|Save current file"));
    EXPECT_EQ(FFrame->HintPanel().text(), " Save current file");
    FFrame->ShowHintText(QString());
    EXPECT_EQ(FFrame->HintPanel().text(), " ");
}

TEST_F(MainWindow, PrintSetupShowsThePrinterSetupDialog) {
    Start();
    FDialogs.ExpectCancel(dkPrintSetup);
    Item("MI_FilePrintSetup")->trigger();
    EXPECT_EQ(FDialogs.Calls().size(), 1u);
}

TEST_F(MainWindow, Screenshot) {
    const QString a = MakeFile(QStringLiteral("letter.txt"));
    const QString b = MakeFile(QStringLiteral("notes.txt"));
    WriteIni("[Colors]\nProgramColor=8421376\n");
    Start({a, b});
    FFrame->ShowHintText(QStringLiteral("Open a file"));
    FFrame->MdiArea().cascadeSubWindows();
    const QString shot = QDir::current().filePath(QStringLiteral("main_window.png"));
    EXPECT_TRUE(FFrame->grab().save(shot));
    QMenu* file = FFrame->MainMenu().Menu(QStringLiteral("MI_File"));
    file->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    EXPECT_TRUE(file->grab().save(QDir::current().filePath(QStringLiteral("file_menu.png"))));
    file->hide();
}

TEST_F(MainWindow, DoubleClickingTheMaximisedChildsIconInTheMenuBarClosesIt) {
    const QString a = MakeFile(QStringLiteral("a.txt"));
    const QString b = MakeFile(QStringLiteral("b.txt"));
    Start({a, b});
    QApplication::setActiveWindow(FFrame.get());
    FFrame->MdiArea().currentSubWindow()->showMaximized();
    QCoreApplication::processEvents();
    QMenuBar* bar = FFrame->menuBar();
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(bar->width() * 2 / 3, bar->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(Windows(), (QStringList{b, a}));
    QWidget* icon = bar->cornerWidget(Qt::TopLeftCorner);
    ASSERT_NE(icon, nullptr);
    QTest::mouseDClick(icon, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(Windows(), QStringList{a});
}

TEST(ProgramWindows, SixWindowsAreCreatedInOrderAndOnlyTheMainWindowShows) {
    TScriptedDialogs dialogs;
    QTemporaryDir dir;
    TProgramWindows windows({dir.path() + "/", dir.filePath(QStringLiteral("wendax.ini")), {}},
                            dialogs);
    QStringList names;
    for (QWidget* window : windows.InCreationOrder())
        names << window->objectName();
    EXPECT_EQ(names, (QStringList{"FM_Main", "FM_Options", "FM_HelpScreen", "FM_About", "FM_Search",
                                  "FM_Replace"}));
    EXPECT_EQ(windows.InCreationOrder()[0], &windows.Main());
    windows.Main().show();
    QCoreApplication::processEvents();
    for (QWidget* window : windows.InCreationOrder())
        EXPECT_EQ(window->isVisible(), window == &windows.Main())
            << window->objectName().toStdString();
    const QStringList titles{"Wendax 32", "Options",   "Wendax Help",
                             "About",     "Find text", "Replace text"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(windows.InCreationOrder()[std::size_t(i)]->windowTitle(), titles[i]);
}

class TThrowingObject : public QObject {
  public:
    bool event(QEvent*) override { throw std::runtime_error("disk full"); }
};

TEST(Application, AFailureNoCommandCaughtIsShownCaptionedWithTheTitle) {
    auto* application = qobject_cast<TWendaxApplication*>(qApp);
    ASSERT_NE(application, nullptr);
    TScriptedDialogs dialogs;
    application->SetFailureDialogs(&dialogs);
    dialogs.ExpectMessage(mrOk);
    TThrowingObject object;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&object, &event);
    application->SetFailureDialogs(nullptr);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].Message.Text, "disk full");
    EXPECT_EQ(dialogs.Calls()[0].Message.Caption, "Wendax 32");
    EXPECT_EQ(dialogs.Calls()[0].Message.Kind, mkError);
    EXPECT_EQ(QApplication::applicationDisplayName(), "Wendax 32");
}

// Qt adds a display name set apart from the application's name to every window title the
// window system shows; while none is set, the display name follows the name.
TEST(Application, NoNameIsAddedToTheWindowTitles) {
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Wendax 32");
}

}  // namespace
}  // namespace wendax
