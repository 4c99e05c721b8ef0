// Changes of an open file by other programs, seen by a real file-system watcher on real
// editor windows: an append by another process, a replacement by rename, a deletion, a
// touch and a rewrite that keep the bytes, the program's own save, and the check on Save.
#include <QApplication>
#include <QProcess>
#include <QTest>

#include "app/editor/disk_watch.h"
#include "editor_fixture.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {
namespace {

class DiskChanges : public EditorProgramTest {
  protected:
    void Begin(const QByteArray& text) {
        FName = MakeFile(QStringLiteral("watched.txt"), text);
        Start({FName});
        QApplication::setActiveWindow(&Main());
        Settle();
    }
    // Another program at work: a shell command run to its end.
    void Shell(const QString& command) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command}), 0);
    }
    QString Quoted() const { return QStringLiteral("'") + FName + QStringLiteral("'"); }
    // Waits until the dialogs have been asked `count` times in all.
    bool WaitForCalls(std::size_t count) {
        return QTest::qWaitFor([&] { return FDialogs.Calls().size() >= count; }, 5000);
    }
    // Lets the watcher's quiet time pass several times over.
    void Quiet() {
        QTest::qWait(TDiskWatch::kQuietMs * 5);
        Settle();
    }

    QString FName;
};

TEST_F(DiskChanges, AnAppendIsReportedOnceAndReloadReadsTheFile) {
    Begin("a\n");
    FDialogs.ExpectMessage(mrYes);  // the first button: "Reload"
    Shell(QStringLiteral("printf 'b\\n' >> ") + Quoted());
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(FDialogs.Calls()[0].Choices, (QStringList{"Reload", "Keep"}));
    EXPECT_EQ(FDialogs.MessageTexts(),
              QStringList{FName + QStringLiteral(" has been changed by another program.")});
    EXPECT_EQ(TextOf(Editor1()), "a\nb\n");
    EXPECT_FALSE(Editor1().Modified());
    Quiet();
    EXPECT_EQ(FDialogs.Calls().size(), 1u);
}

TEST_F(DiskChanges, AModifiedTextIsKeptOverAReplacementByRenameAndSavedWithoutAsking) {
    Begin("a\n");
    QTest::keyClicks(&Form().Pane1().Widget(), QStringLiteral("x"));
    ASSERT_TRUE(Editor1().Modified());
    FDialogs.ExpectMessage(mrYes);  // the first button: "Keep my text"
    Shell(QStringLiteral("printf 'new\\n' > ") + Quoted() + QStringLiteral(".tmp && mv ") +
          Quoted() + QStringLiteral(".tmp ") + Quoted());
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(FDialogs.Calls()[0].Choices,
              (QStringList{"Keep my text", "Reload, losing my changes"}));
    EXPECT_EQ(TextOf(Editor1()), "xa\n");
    EXPECT_TRUE(Editor1().Modified());
    Quiet();
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(FName), "xa\n");
    Quiet();
    EXPECT_EQ(FDialogs.Calls().size(), 1u);
}

TEST_F(DiskChanges, ADeletedFileIsReportedOnceAndTheTextKeptAsModified) {
    Begin("a\n");
    FDialogs.ExpectMessage(mrOk);
    Shell(QStringLiteral("rm ") + Quoted());
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(FDialogs.MessageTexts(),
              QStringList{FName + QStringLiteral(" has been deleted or renamed by another "
                                                 "program. The text is kept and marked as "
                                                 "modified.")});
    EXPECT_EQ(TextOf(Editor1()), "a\n");
    EXPECT_TRUE(Editor1().Modified());
    Quiet();
    EXPECT_EQ(FDialogs.Calls().size(), 1u);
}

TEST_F(DiskChanges, TouchesRewritesWithTheSameBytesAndOurOwnSavesAreNoChange) {
    Begin("a\r\nb\n");
    Shell(QStringLiteral("touch ") + Quoted());
    Quiet();
    Shell(QStringLiteral("cp ") + Quoted() + QStringLiteral(" ") + Quoted() +
          QStringLiteral(".tmp && mv ") + Quoted() + QStringLiteral(".tmp ") + Quoted());
    Quiet();
    QTest::keyClicks(&Form().Pane1().Widget(), QStringLiteral("x"));
    Run("MI_FileSave1");
    Quiet();
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&Main());
    Quiet();
    EXPECT_EQ(FDialogs.Calls().size(), 0u);
    EXPECT_EQ(FileBytes(FName), "xa\r\nb\n");
}

// A change not yet reported when Save runs: Save asks, and Cancel leaves the other
// program's file; the change is known then and not reported again.
TEST_F(DiskChanges, SaveAsksBeforeOverwritingAChangedFile) {
    Begin("a\n");
    QTest::keyClicks(&Form().Pane1().Widget(), QStringLiteral("x"));
    Shell(QStringLiteral("printf 'theirs\\n' > ") + Quoted());
    FDialogs.ExpectMessage(mrNo);  // the second button: "Cancel"
    Run("MI_FileSave1");
    ASSERT_EQ(FDialogs.Calls().size(), 1u);
    EXPECT_EQ(FDialogs.Calls()[0].Choices, (QStringList{"Save", "Cancel"}));
    EXPECT_EQ(FDialogs.MessageTexts(),
              QStringList{FName + QStringLiteral(" has been changed by another program since it "
                                                 "was opened. Save anyway?")});
    EXPECT_EQ(FileBytes(FName), "theirs\n");
    Quiet();
    EXPECT_EQ(FDialogs.Calls().size(), 1u);
    Shell(QStringLiteral("printf 'again\\n' > ") + Quoted());
    FDialogs.ExpectMessage(mrYes);  // "Save"
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(FName), "xa\n");
}

}  // namespace
}  // namespace wendax
