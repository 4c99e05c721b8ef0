// The file commands on real editor windows: start-up with files, the close query with
// its paths (a cancelled or failed save keeps the window), untitled numbers, Save, Save
// as, Save all, Revert (also of a split window), Close and Close all, and dropped files.
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "app/commands/file_names.h"
#include "app/commands/recent_files.h"
#include "app/frame/main_menu.h"
#include "editor_fixture.h"

namespace wendax {
namespace {

class FileCommands : public EditorProgramTest {
  protected:
    QStringList History() const {
        QStringList names;
        for (const std::string& name : Main().Settings().History)
            names << FromFileName(name);
        return names;
    }
    void Activate(const QString& caption) {
        Main().MdiArea().setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(FormNamed(caption).parentWidget()));
    }
    void Type(const std::string& text) { ASSERT_EQ(Editor1().InsertString(text), 0); }
    void CloseActive() {
        Run("MI_FileClose");
        Settle();
    }
    // A file in a directory that is then removed, so that saving it fails.
    QString FileInRemovedDirectory() {
        QDir(FDir.path()).mkdir(QStringLiteral("gone"));
        const QString name = MakeFile(QStringLiteral("gone/a.txt"), "old\r\n");
        Start({name});
        QDir(Path(QStringLiteral("gone"))).removeRecursively();
        return name;
    }
    const TDialogCall& LastCall() const { return FDialogs.Calls().back(); }
};

TEST_F(FileCommands, StartingWithAMissingFileWarnsAndListsBothLastFirst) {
    const QString present = MakeFile(QStringLiteral("present.txt"), "here\r\n");
    const QString missing = Path(QStringLiteral("missing.txt"));
    FDialogs.ExpectMessage(mrOk);
    Start({present, missing});
    EXPECT_EQ(Captions(), QStringList{present});
    EXPECT_EQ(TextOf(Editor1()), "here\n");
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Unable to open file " + missing});
    EXPECT_EQ(FDialogs.Calls()[0].Message.Kind, mkWarning);
    EXPECT_EQ(History(), (QStringList{missing, present}));
}

// A file name is shown as it is in the caption and the Window menu, though Qt reads "[*]"
// in a title as its modified marker and "&" in a menu entry as an access key.
TEST_F(FileCommands, ANameWithMarkerAndAccessKeyCharactersShowsAsItIs) {
    const QString name = MakeFile(QStringLiteral("a[*]&b.txt"), "x\r\n");
    Start({name});
    EXPECT_EQ(Form().Caption(), name);
    EXPECT_EQ(Captions(), QStringList{name});
    EXPECT_TRUE(Main().FindWindowForFile(name));
    QString entry = name;
    entry.replace(QLatin1Char('&'), QLatin1String("&&"));
    QMenu& menu = *Main().MainMenu().Menu(QStringLiteral("MI_Window"));
    Main().MainMenu().RunOpeningHandler(&menu);
    EXPECT_EQ(menu.actions().last()->text(), "&1 " + entry);
    Form().parentWidget()->setWindowModified(true);
    EXPECT_EQ(Form().Caption(), name);
}

TEST_F(FileCommands, AFileWithANulByteDoesNotOpen) {
    const QString name = MakeFile(QStringLiteral("nul.bin"), QByteArray("a\0b\r\n", 5));
    FDialogs.ExpectMessage(mrOk);
    Start({name});
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_EQ(FDialogs.MessageTexts(),
              QStringList{"Unable to open file " + name +
                          ": it contains a NUL byte at offset 1; it is not a text file"});
}

TEST_F(FileCommands, ClosingAnUnchangedWindowAsksNothing) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    Editor1().SetCaretPosition(1, 3);
    CloseActive();
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_TRUE(FDialogs.Calls().empty());
}

TEST_F(FileCommands, NoClosesAModifiedWindowWithoutSaving) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "old\r\n");
    Start({name});
    Type("new ");
    FDialogs.ExpectMessage(mrNo);
    CloseActive();
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_EQ(FileBytes(name), "old\r\n");
    const TMessageRequest& query = FDialogs.Calls()[0].Message;
    EXPECT_EQ(query.Text, name + " has changed, do you wish to save?");
    EXPECT_EQ(query.Kind, mkInformation);
    EXPECT_EQ(query.Buttons, mbYes | mbNo | mbCancel);
}

TEST_F(FileCommands, CancelKeepsAModifiedWindowOpen) {
    Start({MakeFile(QStringLiteral("a.txt"), "old\r\n")});
    Type("new ");
    FDialogs.ExpectMessage(mrCancel);
    CloseActive();
    ASSERT_EQ(Captions().size(), 1);
    EXPECT_EQ(TextOf(Editor1()), "new old\n");
}

TEST_F(FileCommands, YesSavesAModifiedFileAndCloses) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "old\r\n");
    Start({name});
    Type("new ");
    FDialogs.ExpectMessage(mrYes);
    CloseActive();
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_EQ(FileBytes(name), "new old\r\n");
}

TEST_F(FileCommands, YesOnAnUntitledWindowWhoseSaveAsIsCancelledKeepsItOpen) {
    Start();
    Run("MI_FileNew");
    Type("precious");
    FDialogs.ExpectMessage(mrYes);
    FDialogs.ExpectCancel(dkSaveFile);
    CloseActive();
    ASSERT_EQ(Captions(), QStringList{"NONAME1"});
    EXPECT_EQ(TextOf(Editor1()), "precious");
    EXPECT_TRUE(Editor1().Modified());
    EXPECT_EQ(FDialogs.Calls()[1].File.Title, "Save NONAME1 As");
    EXPECT_TRUE(Main().UntitledNumbers().IsTaken(1));
}

TEST_F(FileCommands, YesOnAnUntitledWindowSavesItUnderTheChosenName) {
    Start();
    Run("MI_FileNew");
    Type("precious");
    const QString chosen = Path(QStringLiteral("kept.txt"));
    FDialogs.ExpectMessage(mrYes);
    FDialogs.ExpectSave(chosen);
    CloseActive();
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_EQ(FileBytes(chosen), "precious\n");
    EXPECT_FALSE(Main().UntitledNumbers().IsTaken(1));
}

TEST_F(FileCommands, YesWithASaveThatFailsKeepsTheWindowAndItsText) {
    const QString name = FileInRemovedDirectory();
    Type("new ");
    FDialogs.ExpectMessage(mrYes);
    FDialogs.ExpectMessage(mrOk);
    CloseActive();
    ASSERT_EQ(Captions(), QStringList{name});
    EXPECT_EQ(TextOf(Editor1()), "new old\n");
    EXPECT_TRUE(Editor1().Modified());
    const TMessageRequest& failure = FDialogs.Calls()[1].Message;
    EXPECT_EQ(failure.Kind, mkError);
    EXPECT_EQ(failure.Caption, "Wendax 32");
    EXPECT_TRUE(failure.Text.contains(QStringLiteral("No such file or directory")))
        << failure.Text.toStdString();
}

TEST_F(FileCommands, ExitAsksEveryModifiedWindowAndACancelKeepsTheProgramRunning) {
    const QString a = MakeFile(QStringLiteral("a.txt"), "a\r\n");
    const QString b = MakeFile(QStringLiteral("b.txt"), "b\r\n");
    Start({a, b});
    Type("changed ");  // b, the topmost
    FDialogs.ExpectMessage(mrCancel);
    EXPECT_FALSE(Main().close());
    EXPECT_TRUE(Main().isVisible());
    EXPECT_TRUE(SavedIni().isEmpty());
    FDialogs.ExpectMessage(mrNo);
    EXPECT_TRUE(Main().close());
    EXPECT_EQ(FDialogs.MessageTexts(), (QStringList{b + " has changed, do you wish to save?",
                                                    b + " has changed, do you wish to save?"}));
    EXPECT_FALSE(SavedIni().isEmpty());
    EXPECT_EQ(FileBytes(b), "b\r\n");
}

TEST_F(FileCommands, ExitWithAFailedSaveKeepsTheProgramRunning) {
    FileInRemovedDirectory();
    Type("new ");
    FDialogs.ExpectMessage(mrYes);
    FDialogs.ExpectMessage(mrOk);
    EXPECT_FALSE(Main().close());
    EXPECT_TRUE(SavedIni().isEmpty());
    FDialogs.ExpectMessage(mrNo);
    Exit();
}

TEST_F(FileCommands, UntitledWindowsAreNumberedAndAClosedOnesNumberIsReused) {
    Start();
    for (int i = 0; i < 3; ++i)
        Run("MI_FileNew");
    EXPECT_EQ(Captions(), (QStringList{"NONAME3", "NONAME2", "NONAME1"}));
    EXPECT_EQ(Editor1().FileName(), "NONAME3");
    EXPECT_FALSE(Editor1().IsOpen());
    Activate(QStringLiteral("NONAME2"));
    CloseActive();
    EXPECT_FALSE(Main().UntitledNumbers().IsTaken(2));
    Run("MI_FileNew");
    EXPECT_EQ(Form().Caption(), "NONAME2");
    Run("MI_FileNew");
    EXPECT_EQ(Form().Caption(), "NONAME4");
    EXPECT_TRUE(History().isEmpty());
}

TEST_F(FileCommands, SaveWritesTheFileEvenWhenUnchanged) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "a\r\nb\r\n");
    Start({name});
    QFile::remove(name);
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(name), "a\r\nb\r\n");
    Type("x");
    EXPECT_TRUE(Editor1().Modified());
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(name), "xa\r\nb\r\n");
    EXPECT_FALSE(Editor1().Modified());
    EXPECT_TRUE(FDialogs.Calls().empty());
}

TEST_F(FileCommands, SaveKeepsABackupWhenTheSettingsSaySo) {
    WriteIni("[Editor]\nMakeBackups=1\n");
    const QString name = MakeFile(QStringLiteral("notes.txt"), "old\r\n");
    Start({name});
    Type("new ");
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(Path(QStringLiteral("notes.txt.BAK"))), "old\r\n");
    EXPECT_EQ(FileBytes(name), "new old\r\n");
}

TEST_F(FileCommands, AFailedSaveReportsTheFailureAndChangesNothing) {
    const QString name = FileInRemovedDirectory();
    Type("new ");
    FDialogs.ExpectMessage(mrOk);
    Run("MI_FileSave1");
    EXPECT_TRUE(Editor1().Modified());
    EXPECT_EQ(TextOf(Editor1()), "new old\n");
    EXPECT_EQ(Form().Caption(), name);
    ASSERT_EQ(FDialogs.Calls().size(), 1u);
    EXPECT_EQ(FDialogs.Calls()[0].Message.Caption, "Wendax 32");
    EXPECT_EQ(FDialogs.Calls()[0].Message.Kind, mkError);
}

TEST_F(FileCommands, SaveOfAnUntitledWindowAsksForAName) {
    Start();
    Run("MI_FileNew");
    FDialogs.ExpectCancel(dkSaveFile);
    Run("MI_FileSave1");
    EXPECT_EQ(LastCall().Kind, dkSaveFile);
    EXPECT_EQ(LastCall().File.Title, "Save NONAME1 As");
    EXPECT_EQ(Form().Caption(), "NONAME1");
}

TEST_F(FileCommands, SaveAsRenamesTheWindowAndFreesItsNumber) {
    QDir(FDir.path()).mkdir(QStringLiteral("sub"));
    WriteIni("[Program]\nDefaultDir=/srv/texts/\nFilter=Notes|*.note|\n");
    Start();
    Run("MI_FileNew");
    Run("MI_FileNew");
    Activate(QStringLiteral("NONAME1"));
    Type("first");
    const QString chosen = Path(QStringLiteral("sub/first.txt"));
    FDialogs.ExpectSave(chosen);
    Run("MI_FileSaveAs");
    const TDialogCall& call = LastCall();
    EXPECT_EQ(call.File.Title, "Save NONAME1 As");
    EXPECT_EQ(call.File.Filter, "Notes|*.note|");
    EXPECT_EQ(call.File.InitialDir, "/srv/texts/");
    EXPECT_EQ(call.File.FileName, "");
    EXPECT_EQ(Form().Caption(), chosen);
    EXPECT_EQ(Editor1().FileName(), ToFileName(chosen));
    EXPECT_FALSE(Editor1().Modified());
    EXPECT_EQ(FileBytes(chosen), "first\n");
    EXPECT_EQ(History(), QStringList{chosen});
    EXPECT_EQ(Main().SaveDialog().InitialDir, Path(QStringLiteral("sub/")));
    EXPECT_EQ(Main().OpenDialog().InitialDir, Path(QStringLiteral("sub/")));
    EXPECT_FALSE(Main().UntitledNumbers().IsTaken(1));
    EXPECT_TRUE(Main().UntitledNumbers().IsTaken(2));
    Run("MI_FileNew");
    EXPECT_EQ(Form().Caption(), "NONAME1");
}

TEST_F(FileCommands, SaveAsOfATitledWindowOffersItsNameAndCancelChangesNothing) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "a\r\n");
    Start({name});
    Type("x");
    FDialogs.ExpectCancel(dkSaveFile);
    Run("MI_FileSaveAs");
    EXPECT_EQ(LastCall().File.Title, "Save a.txt As");
    EXPECT_EQ(LastCall().File.FileName, name);
    EXPECT_EQ(Form().Caption(), name);
    EXPECT_TRUE(Editor1().Modified());
    EXPECT_EQ(FileBytes(name), "a\r\n");
}

TEST_F(FileCommands, SaveAsUnderANonameNameKeepsTheNumberTaken) {
    Start();
    Run("MI_FileNew");
    FDialogs.ExpectSave(QStringLiteral("NONAME7"));
    const QString saved = QDir::currentPath();
    QDir::setCurrent(FDir.path());
    Run("MI_FileSaveAs");
    QDir::setCurrent(saved);
    EXPECT_EQ(Form().Caption(), "NONAME7");
    EXPECT_TRUE(Main().UntitledNumbers().IsTaken(1));
}

TEST_F(FileCommands, SaveAllSavesFromTheLowestWindowUpAndSkipsACancelledName) {
    const QString a = MakeFile(QStringLiteral("a.txt"), "a\r\n");
    Start();
    Run("MI_FileNew");  // NONAME1, lowest
    Type("one");
    Main().OpenEditorWindow(a, false);
    Type("changed ");
    Run("MI_FileNew");  // NONAME2, topmost
    Type("two");
    const QString initial = Main().SaveDialog().InitialDir;
    const QString two = Path(QStringLiteral("two.txt"));
    FDialogs.ExpectCancel(dkSaveFile);
    FDialogs.ExpectSave(two);
    Run("MI_FileSaveAll");
    ASSERT_EQ(FDialogs.Calls().size(), 2u);
    EXPECT_EQ(FDialogs.Calls()[0].File.Title, "Save NONAME1 As");
    EXPECT_EQ(FDialogs.Calls()[1].File.Title, "Save NONAME2 As");
    EXPECT_EQ(FileBytes(a), "changed a\r\n");
    EXPECT_EQ(FileBytes(two), "two\n");
    EXPECT_EQ(Captions(), (QStringList{two, a, "NONAME1"}));
    EXPECT_EQ(Main().SaveDialog().InitialDir, initial);
    EXPECT_EQ(History(), QStringList{two});
    EXPECT_FALSE(Main().UntitledNumbers().IsTaken(2));
    EXPECT_TRUE(Main().UntitledNumbers().IsTaken(1));
}

TEST_F(FileCommands, RevertAsksAndReloadsOnlyOnYes) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "disk\r\n");
    Start({name});
    Type("edit ");
    FDialogs.ExpectMessage(mrNo);
    Run("MI_FileRevert");
    EXPECT_EQ(TextOf(Editor1()), "edit disk\n");
    const TMessageRequest& question = FDialogs.Calls()[0].Message;
    EXPECT_EQ(question.Text, "Abandon changes and reload from disk file?");
    EXPECT_EQ(question.Kind, mkConfirmation);
    EXPECT_EQ(question.Buttons, mbYes | mbNo);
    FDialogs.ExpectMessage(mrYes);
    Run("MI_FileRevert");
    EXPECT_EQ(TextOf(Editor1()), "disk\n");
    EXPECT_FALSE(Editor1().Modified());
    EXPECT_FALSE(Editor1().CanUndo());
}

TEST_F(FileCommands, RevertOfASplitWindowReloadsEditor1AndBothPanesShowTheNewText) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "disk\r\n");
    Start({name});
    Form().ToggleSplit();
    THostedEditor& upper = *Form().SecondPane();
    upper.InsertString("edit ");
    MakeFile(QStringLiteral("a.txt"), "new disk\r\n");
    FDialogs.ExpectMessage(mrYes);
    Run("MI_FileRevert");
    EXPECT_EQ(TextOf(Editor1()), "new disk\n");
    EXPECT_EQ(&upper.Editor().Store(), &Editor1().Store());
    EXPECT_FALSE(Form().Editor1().Modified());
    upper.SetCaretPosition(1, 1);
    upper.InsertString("up ");
    EXPECT_EQ(TextOf(Editor1()), "up new disk\n");
    EXPECT_TRUE(Form().Editor1().Modified());
}

TEST_F(FileCommands, ARevertThatFailsReportsItAndKeepsTheText) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "disk\r\n");
    Start({name});
    Type("edit ");
    QFile::remove(name);
    FDialogs.ExpectMessage(mrYes);
    FDialogs.ExpectMessage(mrOk);
    Run("MI_FileRevert");
    EXPECT_EQ(TextOf(Editor1()), "edit disk\n");
    EXPECT_EQ(FDialogs.Calls()[1].Message.Caption, "Wendax 32");
    EXPECT_EQ(FDialogs.Calls()[1].Message.Kind, mkError);
}

TEST_F(FileCommands, DoubleClickingAMaximisedWindowsMenuBarIconAsksBeforeItCloses) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "old\r\n");
    Start({name});
    Type("new ");
    QApplication::setActiveWindow(&Main());
    Main().MdiArea().currentSubWindow()->showMaximized();
    Settle();
    QWidget* icon = Main().menuBar()->cornerWidget(Qt::TopLeftCorner);
    ASSERT_NE(icon, nullptr);
    FDialogs.ExpectMessage(mrCancel);
    QTest::mouseDClick(icon, Qt::LeftButton);
    Settle();
    ASSERT_EQ(Captions(), QStringList{name});
    EXPECT_EQ(TextOf(Editor1()), "new old\n");
    FDialogs.ExpectMessage(mrNo);
    QTest::mouseDClick(icon, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_EQ(FileBytes(name), "old\r\n");
}

TEST_F(FileCommands, CloseAllAsksFromTheLowestWindowUpAndACancelledOneStays) {
    const QString a = MakeFile(QStringLiteral("a.txt"));
    const QString b = MakeFile(QStringLiteral("b.txt"));
    const QString c = MakeFile(QStringLiteral("c.txt"));
    Start({a, b, c});
    Activate(b);
    Type("b changed");
    Activate(a);
    Type("a changed");
    Activate(c);
    FDialogs.ExpectMessage(mrCancel);  // b, below a
    FDialogs.ExpectMessage(mrNo);      // a
    Run("MI_FileCloseAll");
    Settle();
    EXPECT_EQ(Captions(), QStringList{b});
    EXPECT_EQ(FDialogs.MessageTexts(), (QStringList{b + " has changed, do you wish to save?",
                                                    a + " has changed, do you wish to save?"}));
}

TEST_F(FileCommands, DroppedFilesOpenInEditorWindowsUnlessOpenUnderExactlyThatName) {
    const QString lower = MakeFile(QStringLiteral("notes.txt"), "lower\r\n");
    const QString upper = MakeFile(QStringLiteral("NOTES.txt"), "upper\r\n");
    Start({lower});
    Main().HandleDroppedFiles({upper, lower});
    EXPECT_EQ(Captions(), (QStringList{lower, upper}));
    EXPECT_EQ(TextOf(Form().Pane1().Editor()), "lower\n");
    EXPECT_EQ(TextOf(FormNamed(upper).Pane1().Editor()), "upper\n");
    EXPECT_EQ(History(), (QStringList{upper, lower}));
}

}  // namespace
}  // namespace wendax
