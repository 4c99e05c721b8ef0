// Unsaved texts that survive a crash: real editor windows typed into with real key events
// keep their journals, a program killed with SIGKILL leaves its texts to the next start,
// and the next start offers them with Recover, Discard and Later.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>

#include "app/editor/recovery_journal.h"
#include "app/editor/recovery_keeper.h"
#include "editor_fixture.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {
namespace {

// The killed child's file, what it types into it and what saving that text writes.
const QByteArray kOriginal = "line one\nline two\n";
const std::string kEdited = "Hello line one\nline two\ntail\n";
constexpr const char* kChildVariable = "WENDAX_RECOVERY_CHILD";

// The bytes saving would write, collected in memory.
class TCollectedBytes final : public TFileReplacement {
  public:
    void Write(std::string_view bytes) override { Bytes.append(bytes); }
    void Commit(const std::string&) override {}
    std::string Bytes;
};

std::string SavedBytes(TOvcTextFileEditor& editor) {
    TCollectedBytes out;
    editor.WriteText(out);
    return out.Bytes;
}

std::string TextOf(const TJournal& journal) {
    const auto reader = OpenJournalText(journal);
    std::string text;
    char buffer[4096];
    while (const std::size_t n = reader->Read(buffer, sizeof buffer))
        text.append(buffer, n);
    return text;
}

// Processes events until `done` holds; false after 30 seconds.
bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 30000) return false;
        QTest::qWait(10);
    }
    return true;
}

// A process that is not running: this process's id with another start time.
TProcessId GoneProcess() {
    TProcessId gone = ThisProcess();
    gone.StartTime += 1;
    return gone;
}

// The rest of a scope runs in `dir`.
class TCurrentDirectory {
  public:
    explicit TCurrentDirectory(const QString& dir) : FOld(QDir::currentPath()) {
        QDir::setCurrent(dir);
    }
    ~TCurrentDirectory() { QDir::setCurrent(FOld); }

  private:
    QString FOld;
};

class Recovery : public EditorProgramTest {
  protected:
    Recovery() { UseFolder(FDir.path()); }

    void UseFolder(const QString& dir) {
        FRecovery = TRecoveryPlace{ToStd(dir + QStringLiteral("/state/wendax/recovery")), 20};
    }
    static std::string ToStd(const QString& text) { return text.toStdString(); }
    const std::string& Folder() const { return FRecovery.Folder; }

    // The readable journals in the folder, in the order of their names.
    std::vector<TJournal> Journals() const {
        std::vector<TJournal> journals;
        const QStringList names =
            QDir(QString::fromStdString(Folder()))
                .entryList({QStringLiteral("*.journal")}, QDir::Files, QDir::Name);
        for (const QString& name : names)
            if (auto journal = ReadJournal(Folder() + "/" + name.toStdString()))
                journals.push_back(std::move(*journal));
        return journals;
    }
    // The texts of the journals this process keeps, sorted.
    std::vector<std::string> OwnJournalTexts() const {
        std::vector<std::string> texts;
        for (const TJournal& journal : Journals())
            if (journal.Header.Owner == ThisProcess()) texts.push_back(TextOf(journal));
        std::sort(texts.begin(), texts.end());
        return texts;
    }
    void WriteJournal(std::uint64_t serial, const TProcessId& owner, const std::string& name,
                      const std::string& text) {
        MakeRecoveryFolder(Folder());
        TJournalWriter writer(JournalPath(Folder(), owner, serial),
                              TJournalHeader{owner, name, IsUntitled(name)});
        writer.Write(text);
        writer.Commit({});
    }
    static bool IsUntitled(const std::string& name) { return name.rfind("NONAME", 0) == 0; }

    TQtEditorWidget& Pane() const { return Form().Pane1().Widget(); }
    void Type(const QString& keys) {
        QTest::keyClicks(&Pane(), keys);
        Settle();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Pane(), key, modifiers);
        Settle();
    }
    // Waits until this process keeps exactly one journal and it holds what saving writes.
    bool JournalHoldsTheText() {
        return WaitFor([this] { return OwnJournalTexts() == std::vector{SavedBytes(Editor1())}; });
    }
};

// The child: opens the file the parent made, types through real key events, and once the
// journal holds the typed text tells the parent and waits to be killed. Runs only when the
// parent starts it.
TEST_F(Recovery, ChildTypesUntilKilled) {
    const QString dir = qEnvironmentVariable(kChildVariable);
    if (dir.isEmpty()) GTEST_SKIP() << "runs only as the child of AKilledProgramLeavesItsText";
    UseFolder(dir);
    Start({dir + QStringLiteral("/text.txt")});
    Settle();
    Type(QStringLiteral("Hello "));
    Key(Qt::Key_Down);
    Key(Qt::Key_End);
    Key(Qt::Key_Return);
    Type(QStringLiteral("tail"));
    ASSERT_EQ(SavedBytes(Editor1()), kEdited);
    ASSERT_TRUE(JournalHoldsTheText());
    QFile synced(dir + QStringLiteral("/synced"));
    ASSERT_TRUE(synced.open(QIODevice::WriteOnly));
    synced.close();
    WaitFor([] { return false; });
    ADD_FAILURE() << "the parent did not kill the child";
}

// A program killed (SIGKILL) after its journal was synced: the next start offers the text,
// Recover brings back its exact bytes as a modified text while the file stays as it was, and
// saving writes the text and removes the journal.
TEST_F(Recovery, AKilledProgramLeavesItsText) {
    if (!qEnvironmentVariableIsEmpty(kChildVariable)) GTEST_SKIP() << "this is the child";
    const QString file = MakeFile(QStringLiteral("text.txt"), kOriginal);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildVariable), FDir.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Recovery.ChildTypesUntilKilled")});
    ASSERT_TRUE(child.waitForStarted());
    const bool synced = WaitFor([this, &child] {
        return QFile::exists(Path(QStringLiteral("synced"))) ||
               child.state() == QProcess::NotRunning;
    });
    child.kill();  // SIGKILL
    child.waitForFinished();
    ASSERT_TRUE(synced && QFile::exists(Path(QStringLiteral("synced"))))
        << "the child ended before its journal was synced";
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(FileBytes(file), kOriginal);
    ASSERT_EQ(Journals().size(), 1u);

    FDialogs.ExpectMessage(mrYes);
    Start();
    Settle();
    ASSERT_EQ(FDialogs.Calls().size(), 1u);
    const TMessageRequest& asked = FDialogs.Calls()[0].Message;
    EXPECT_EQ(asked.Text, QStringLiteral("Recover unsaved changes of %1?").arg(file));
    EXPECT_EQ(asked.Buttons, mbYes | mbNo | mbCancel);
    EXPECT_EQ(asked.ButtonTexts,
              (QList<QPair<TMessageButton, QString>>{{mbYes, QStringLiteral("Recover")},
                                                     {mbNo, QStringLiteral("Discard")},
                                                     {mbCancel, QStringLiteral("Later")}}));
    EXPECT_EQ(Captions(), QStringList{file});
    EXPECT_EQ(Editor1().FileName(), ToStd(file));
    EXPECT_TRUE(Editor1().Modified());
    EXPECT_EQ(SavedBytes(Editor1()), kEdited);
    EXPECT_EQ(FileBytes(file), kOriginal);
    // The killed program's journal has become this program's.
    ASSERT_EQ(Journals().size(), 1u);
    EXPECT_EQ(OwnJournalTexts(), std::vector{kEdited});

    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(FileBytes(file).toStdString(), kEdited);
    EXPECT_FALSE(Editor1().Modified());
    EXPECT_TRUE(Journals().empty());
}

// Each journal left by a gone program is asked about in turn: Recover gives an untitled
// text a new untitled window, Discard removes the journal, Later keeps it for the next
// start. Torn journals and those of running programs are not offered; a clean exit
// removes this program's own journals.
TEST_F(Recovery, RecoverDiscardLaterAtStart) {
    const QString kept = MakeFile(QStringLiteral("kept.txt"), "on disk\n");
    const QString dropped = MakeFile(QStringLiteral("dropped.txt"), "on disk\n");
    const TProcessId gone = GoneProcess();
    WriteJournal(1, gone, "NONAME4", "draft one\r\n\r\ndraft \ttwo\r\n");
    WriteJournal(2, gone, ToStd(dropped), "dropped text\n");
    WriteJournal(3, gone, ToStd(kept), "kept text\n");
    WriteJournal(4, ThisProcess(), ToStd(kept), "a running program's text\n");
    WriteJournal(5, gone, ToStd(kept), "torn text\n");
    const std::string torn = JournalPath(Folder(), gone, 5);
    std::filesystem::resize_file(torn, std::filesystem::file_size(torn) - 3);

    FDialogs.ExpectMessage(mrYes);
    FDialogs.ExpectMessage(mrNo);
    FDialogs.ExpectMessage(mrCancel);
    Start();
    Settle();
    EXPECT_EQ(FDialogs.MessageTexts(),
              (QStringList{QStringLiteral("Recover unsaved changes of NONAME4?"),
                           QStringLiteral("Recover unsaved changes of %1?").arg(dropped),
                           QStringLiteral("Recover unsaved changes of %1?").arg(kept)}));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("NONAME1")});
    EXPECT_EQ(Editor1().FileName(), "NONAME1");
    EXPECT_TRUE(Editor1().Modified());
    EXPECT_EQ(SavedBytes(Editor1()), "draft one\r\n\r\ndraft \ttwo\r\n");
    EXPECT_FALSE(std::filesystem::exists(JournalPath(Folder(), gone, 1)));
    EXPECT_FALSE(std::filesystem::exists(JournalPath(Folder(), gone, 2)));
    EXPECT_TRUE(std::filesystem::exists(JournalPath(Folder(), gone, 3)));
    EXPECT_TRUE(std::filesystem::exists(torn));
    EXPECT_EQ(FileBytes(kept), "on disk\n");
    EXPECT_EQ(FileBytes(dropped), "on disk\n");
    EXPECT_EQ(OwnJournalTexts(), (std::vector<std::string>{"a running program's text\n",
                                                           "draft one\r\n\r\ndraft \ttwo\r\n"}));

    // A clean exit: the recovered text is not saved, and its journal goes.
    FDialogs.ExpectMessage(mrNo);
    Exit();
    FWindows.reset();
    EXPECT_EQ(OwnJournalTexts(), std::vector<std::string>{"a running program's text\n"});

    // Later means the next start asks again.
    FDialogs.ExpectMessage(mrCancel);
    Start();
    Settle();
    EXPECT_EQ(FDialogs.MessageTexts().size(), 5);
    EXPECT_EQ(FDialogs.MessageTexts().last(),
              QStringLiteral("Recover unsaved changes of %1?").arg(kept));
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_TRUE(std::filesystem::exists(JournalPath(Folder(), gone, 3)));
}

// The journal follows the text through a session of real keys: it appears once typing
// pauses and holds what saving would write, also for typing in the second pane; it goes
// on Save, on undoing back to the saved text, on Revert and when the window closes
// without saving. A file opened under a relative name is journalled under its full path.
TEST_F(Recovery, TheJournalFollowsTheText) {
    const QString file = MakeFile(QStringLiteral("notes.txt"), "alpha\r\nbeta\r\n");
    const TCurrentDirectory inFolder(FDir.path());
    Start({QStringLiteral("notes.txt")});
    Settle();
    EXPECT_TRUE(Journals().empty());
    Type(QStringLiteral("one "));
    ASSERT_TRUE(JournalHoldsTheText());
    EXPECT_EQ(OwnJournalTexts(), std::vector<std::string>{"one alpha\r\nbeta\r\n"});
    ASSERT_NE(Form().Recovery(), nullptr);
    EXPECT_EQ(Journals()[0].Header.FileName, ToStd(QFileInfo(file).absoluteFilePath()));
    EXPECT_FALSE(Journals()[0].Header.Untitled);

    // The save itself removes the journal, before any later event.
    QTest::keyClick(&Pane(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(Journals().empty());
    EXPECT_EQ(FileBytes(file), "one alpha\r\nbeta\r\n");
    Settle();

    Key(Qt::Key_Down);
    Type(QStringLiteral("x"));
    ASSERT_TRUE(JournalHoldsTheText());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Editor1().Modified());
    EXPECT_TRUE(Journals().empty());

    Key(Qt::Key_Return);
    ASSERT_TRUE(JournalHoldsTheText());
    FDialogs.ExpectMessage(mrYes);  // Abandon changes and reload?
    Run("MI_FileRevert");
    Settle();
    EXPECT_TRUE(Journals().empty());

    Run("MI_WindowSplit");
    Settle();
    ASSERT_NE(Form().SecondPane(), nullptr);
    QTest::keyClicks(&Form().SecondPane()->Widget(), QStringLiteral("upper "));
    Settle();
    ASSERT_TRUE(JournalHoldsTheText());
    EXPECT_EQ(OwnJournalTexts(), std::vector<std::string>{"upper one alpha\r\nbeta\r\n"});

    FDialogs.ExpectMessage(mrNo);  // ... has changed, do you wish to save?
    Run("MI_FileClose");
    Settle();
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_TRUE(Journals().empty());
    EXPECT_EQ(FileBytes(file), "one alpha\r\nbeta\r\n");
}

// A text that keeps changing with no pause long enough is still written, between two keys,
// once its oldest unwritten change has waited long enough; the journal holds the text as
// it was at a key.
TEST_F(Recovery, TypingWithoutPauseIsWrittenToo) {
    FRecovery.IdleMilliseconds = 60000;
    FRecovery.LongestWaitMilliseconds = 200;
    Start({MakeFile(QStringLiteral("busy.txt"), "text\n")});
    Settle();
    QElapsedTimer clock;
    clock.start();
    int typed = 0;
    while (OwnJournalTexts().empty() && clock.elapsed() < 20000) {
        QTest::keyClick(&Pane(), Qt::Key_A);
        ++typed;
        QTest::qWait(10);
    }
    ASSERT_EQ(OwnJournalTexts().size(), 1u) << "nothing was written while typing";
    const std::string written = OwnJournalTexts()[0];
    const std::size_t keys = written.size() - 5;
    EXPECT_GE(keys, 1u);
    EXPECT_LE(keys, static_cast<std::size_t>(typed));
    EXPECT_EQ(written, std::string(keys, 'a') + "text\n");
}

}  // namespace
}  // namespace wendax
