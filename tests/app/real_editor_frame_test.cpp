// The frame's menus, buttons, panels, dialogs, printing and window arrangement over real
// editor windows: what the editors really do decides, not a model of them.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "app/commands/file_names.h"
#include "app/commands/recent_files.h"
#include "app/frame/speedbar.h"
#include "app/frame/status_panels.h"
#include "editor_fixture.h"
#include "pdf_printing.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {
namespace {

const char* const kCommandItems[] = {
    "MI_EditUndo1",     "MI_EditUndo2",      "MI_EditRedo1",       "MI_EditRedo2",
    "MI_EditCut1",      "MI_EditCut2",       "MI_EditCopy1",       "MI_EditCopy2",
    "MI_EditPaste1",    "MI_EditPaste2",     "MI_EditDelete",      "MI_EditSelectAll",
    "MI_EditTimeDate",  "MI_SearchFind",     "MI_SearchFindNext1", "MI_SearchFindNext2",
    "MI_SearchReplace", "MI_SearchGotoLine", "MI_FilePrint",       "MI_FileSave1",
    "MI_WindowCascade", "MI_WindowTileVert", "MI_WindowSplit",     "MI_WindowNextWindow"};

class RealEditorFrame : public EditorProgramTest {
  protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    // Starts the program with `files` and lets them load and report their state.
    void Begin(const QStringList& files = {}) {
        Start(files);
        Settle();
    }

    // The enabled items of kCommandItems and the enabled speed buttons, after a refresh.
    QStringList EnabledItems() {
        Main().UpdateCommandStates();
        QStringList enabled;
        for (const char* item : kCommandItems)
            if (Enabled(item)) enabled << QString::fromLatin1(item);
        return enabled;
    }
    QStringList EnabledButtons() {
        Main().UpdateCommandStates();
        QStringList enabled;
        for (QToolButton* button : Main().SpeedButtons().Buttons())
            if (button->isEnabled()) enabled << button->objectName();
        return enabled;
    }
    QStringList PanelTexts() {
        Settle();
        QStringList texts;
        for (int i = 0; i < kStatusPanels; ++i)
            texts << Main().StatusPanels().Panel(static_cast<TStatusPanel>(i)).text();
        return texts;
    }
    void Focus(THostedEditor& pane) {
        QApplication::setActiveWindow(&Main());
        pane.Widget().setFocus();
        Settle();
    }
    void Type(const QString& keys) { QTest::keyClicks(&Form().Pane1().Widget(), keys); }
    std::string Selected(TOvcCustomEditor& editor) {
        int line1 = 0, col1 = 0, line2 = 0, col2 = 0;
        if (!editor.GetSelection(line1, col1, line2, col2)) return "(none)";
        return std::to_string(line1) + "," + std::to_string(col1) + "-" + std::to_string(line2) +
               "," + std::to_string(col2);
    }
    // Runs the search dialog of `item` with `text` in its first box, `replacement` (for
    // Replace) in its second, `setUp` on the other controls, and Enter in the last box.
    void SearchByEnter(const char* item, const QString& text, const QString& replacement = {},
                       std::function<void(QWidget&)> setUp = {}) {
        WhenModal([=](QWidget& dialog) {
            if (setUp) setUp(dialog);
            auto& search = Child<QComboBox>(dialog, "CB_SearchText");
            search.setEditText(text);
            QLineEdit* last = search.lineEdit();
            if (auto* other = dialog.findChild<QComboBox*>(QStringLiteral("CB_ReplaceText"))) {
                other->setEditText(replacement);
                last = other->lineEdit();
            }
            last->setFocus();
            QTest::keyClick(last, Qt::Key_Return);
            if (dialog.isVisible()) {
                ADD_FAILURE() << "Enter did not close the dialog";
                static_cast<QDialog&>(dialog).reject();
            }
        });
        Main().UpdateCommandStates();
        ASSERT_TRUE(Enabled(item)) << item;
        Run(item);
    }
};

TEST_F(RealEditorFrame, WithoutAWindowOnlyExitNewOpenAndPrintSetupAreAvailable) {
    Begin();
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    EXPECT_EQ(EnabledItems(), QStringList());
    EXPECT_EQ(EnabledButtons(), (QStringList{"SP_Exit", "SP_New", "SP_Open"}));
    EXPECT_EQ(PanelTexts(), QStringList(kStatusPanels, QString()));
}

TEST_F(RealEditorFrame, AnEmptyFileAllowsTimeDateSaveTheWindowItemsAndPasteOfText) {
    Begin({MakeFile(QStringLiteral("a.txt"), "")});
    const QStringList windowItems = {"MI_EditTimeDate",   "MI_FileSave1",   "MI_WindowCascade",
                                     "MI_WindowTileVert", "MI_WindowSplit", "MI_WindowNextWindow"};
    EXPECT_EQ(EnabledItems(), windowItems);
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    EXPECT_EQ(EnabledItems(), QStringList({"MI_EditPaste1", "MI_EditPaste2"}) + windowItems);
    EXPECT_TRUE(EnabledButtons().contains(QStringLiteral("SP_Paste")));
    EXPECT_FALSE(EnabledButtons().contains(QStringLiteral("SP_Print")));
}

// The buttons follow the editors' own reports: no menu needs to be opened first.
TEST_F(RealEditorFrame, ALoadedTextAndItsEditsEnableTheButtonsAtOnce) {
    Begin({MakeFile(QStringLiteral("a.txt"), "abc\r\n")});
    const auto enabled = [this](const char* name) {
        return Main().SpeedButtons().Button(QString::fromLatin1(name))->isEnabled();
    };
    EXPECT_TRUE(enabled("SP_Print"));
    EXPECT_TRUE(enabled("SP_Search"));
    EXPECT_FALSE(enabled("SP_Undo"));
    Focus(Form().Pane1());
    QTest::keyClick(&Form().Pane1().Widget(), Qt::Key_Right, Qt::ShiftModifier);
    Settle();
    EXPECT_TRUE(enabled("SP_Cut"));
    Run("MI_EditCut1");
    Settle();
    EXPECT_TRUE(enabled("SP_Undo"));
    EXPECT_TRUE(enabled("SP_Paste"));
    EXPECT_FALSE(enabled("SP_Cut"));
    Run("MI_EditUndo1");
    Settle();
    EXPECT_TRUE(enabled("SP_Redo"));
}

// Text copied elsewhere can be pasted as soon as the program is active again.
TEST_F(RealEditorFrame, ThePasteButtonFollowsTheClipboardWhenTheProgramIsActivated) {
    Begin({MakeFile(QStringLiteral("a.txt"), "abc\r\n")});
    QToolButton& paste = *Main().SpeedButtons().Button(QStringLiteral("SP_Paste"));
    EXPECT_FALSE(paste.isEnabled());
    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    Settle();
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    QApplication::setActiveWindow(&Main());
    Settle();
    EXPECT_TRUE(paste.isEnabled());
}

TEST_F(RealEditorFrame, TypingHighlightingAndUndoingEnableTheirItemsAndButtons) {
    Begin({MakeFile(QStringLiteral("a.txt"), "")});
    Focus(Form().Pane1());
    Type(QStringLiteral("abc"));
    EXPECT_EQ(EnabledItems(),
              (QStringList{"MI_EditUndo1", "MI_EditUndo2", "MI_EditDelete", "MI_EditSelectAll",
                           "MI_EditTimeDate", "MI_SearchFind", "MI_SearchReplace",
                           "MI_SearchGotoLine", "MI_FilePrint", "MI_FileSave1", "MI_WindowCascade",
                           "MI_WindowTileVert", "MI_WindowSplit", "MI_WindowNextWindow"}));
    QTest::keyClick(&Form().Pane1().Widget(), Qt::Key_Left, Qt::ShiftModifier);
    const QStringList buttons = EnabledButtons();
    for (const char* name : {"SP_Save", "SP_Print", "SP_Undo", "SP_Cut", "SP_Copy", "SP_Search"})
        EXPECT_TRUE(buttons.contains(QString::fromLatin1(name))) << name;
    for (const char* name : {"SP_Redo", "SP_Paste", "SP_SearchAgain"})
        EXPECT_FALSE(buttons.contains(QString::fromLatin1(name))) << name;
    Run("MI_EditUndo1");
    Settle();
    EXPECT_TRUE(Enabled("MI_EditRedo1"));
    EXPECT_TRUE(Main().SpeedButtons().Button(QStringLiteral("SP_Redo"))->isEnabled());
}

TEST_F(RealEditorFrame, EitherPaneOfASplitWindowUndoesWhatTheOtherTyped) {
    Begin({MakeFile(QStringLiteral("a.txt"), "abc\r\n")});
    Run("MI_WindowSplit");
    Focus(Form().Pane1());
    Type(QStringLiteral("x"));
    Focus(*Form().SecondPane());
    EXPECT_TRUE(EnabledItems().contains(QStringLiteral("MI_EditUndo1")));
    Run("MI_EditUndo1");
    EXPECT_EQ(TextOf(Editor1()), "abc\n");
    EXPECT_TRUE(EnabledItems().contains(QStringLiteral("MI_EditRedo1")));
}

// The line-end panel shows the most common line end; Line ends converts all of them, as
// one step that Undo takes back.
TEST_F(RealEditorFrame, LineEndsItemConvertsTheWholeTextAsOneStep) {
    const QString name = MakeFile(QStringLiteral("mixed.txt"), "a\r\nb\nc\r\nd");
    Begin({name});
    EXPECT_EQ(PanelTexts()[spLineEnds], "CR LF");
    Main().UpdateCommandStates();
    ASSERT_TRUE(Enabled("MI_EditLineEnds"));
    Run("MI_EditLineEnds");
    EXPECT_EQ(PanelTexts()[spLineEnds], "LF");
    EXPECT_EQ(PanelTexts()[spModified], "Modified");
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(name), "a\nb\nc\nd");
    Run("MI_EditLineEnds");
    EXPECT_EQ(PanelTexts()[spLineEnds], "CR LF");
    Run("MI_EditUndo1");
    EXPECT_EQ(PanelTexts()[spLineEnds], "LF");
    Run("MI_EditUndo1");
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(name), "a\r\nb\nc\r\nd");
}

// Reading the text in the other character set changes no byte and is no edit; the caret
// that stood inside a UTF-8 character moves to its start.
TEST_F(RealEditorFrame, CharSetItemReadsTheSameBytesInTheOtherSet) {
    const QByteArray bytes = "caf\xe9\r\n\xc3\xa9t\xe9\r\n";
    const QString name = MakeFile(QStringLiteral("latin.txt"), bytes);
    Begin({name});
    EXPECT_EQ(PanelTexts()[spCharSet], "8-bit");
    Focus(Form().Pane1());
    QTest::keyClick(&Form().Pane1().Widget(), Qt::Key_Down);
    QTest::keyClick(&Form().Pane1().Widget(), Qt::Key_Right);  // between the bytes of é
    EXPECT_EQ(PanelTexts()[spPosition], "Ln: 2  Col: 2");
    Main().UpdateCommandStates();
    ASSERT_TRUE(Enabled("MI_EditCharSet"));
    Run("MI_EditCharSet");
    const QStringList utf8 = PanelTexts();
    EXPECT_EQ(utf8[spCharSet], "UTF-8");
    EXPECT_EQ(utf8[spPosition], "Ln: 2  Col: 1");
    EXPECT_EQ(utf8[spModified], "");
    EXPECT_FALSE(Editor1().Modified());
    EXPECT_EQ(Editor1().CheckInvariants(), "");
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(name), bytes);
    Type(QStringLiteral("x"));
    Run("MI_EditCharSet");
    EXPECT_EQ(PanelTexts()[spCharSet], "8-bit");
    EXPECT_EQ(PanelTexts()[spModified], "Modified");
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(name), "caf\xe9\r\nx\xc3\xa9t\xe9\r\n");
}

// Convert rewrites an 8-bit text in UTF-8, the caret staying on its character, and a save
// writes those bytes; Undo gives the 8-bit bytes back.
TEST_F(RealEditorFrame, ConvertItemRewritesAnEightBitTextInUtf8AsOneStep) {
    const QByteArray eightBit = "caf\xE9 \x80\r\nna\xEFve\r\n";
    const QString name = MakeFile(QStringLiteral("latin.txt"), eightBit);
    Begin({name});
    ASSERT_EQ(Editor1().CharSet(), chEightBit);
    Editor1().SetCaretPosition(2, 4);
    Main().UpdateCommandStates();
    ASSERT_TRUE(Enabled("MI_EditConvertCharSet"));
    Run("MI_EditConvertCharSet");
    EXPECT_EQ(Editor1().CharSet(), chUtf8);
    EXPECT_EQ(PanelTexts()[spCharSet], "UTF-8");
    int col = 0;
    EXPECT_EQ(Editor1().GetCaretPosition(col), 2);
    EXPECT_EQ(col, 5);  // after "na" and the two bytes of the diaeresis
    EXPECT_EQ(PanelTexts()[spModified], "Modified");
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(name), "caf\xC3\xA9 \xE2\x82\xAC\r\nna\xC3\xAFve\r\n");
    Run("MI_EditUndo1");
    EXPECT_EQ(Editor1().CharSet(), chEightBit);
    EXPECT_EQ(Editor1().GetCaretPosition(col), 2);
    EXPECT_EQ(col, 4);
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(name), eightBit);
    Main().UpdateCommandStates();
    ASSERT_TRUE(Enabled("MI_EditRedo1"));
    Run("MI_EditRedo1");
    EXPECT_EQ(TextOf(Editor1()), "caf\xC3\xA9 \xE2\x82\xAC\nna\xC3\xAFve\n");
}

// A character the 8-bit set lacks is named with its line; the text stays as it was.
TEST_F(RealEditorFrame, ConvertItemSaysWhichCharacterHasNoByteAndChangesNothing) {
    Begin({MakeFile(QStringLiteral("utf8.txt"), "one\ntwo \xC3\xB3\xC5\x82\n")});
    ASSERT_EQ(Editor1().CharSet(), chUtf8);
    FDialogs.ExpectMessage(mrOk);
    Run("MI_EditConvertCharSet");
    EXPECT_EQ(FDialogs.MessageTexts(),
              QStringList{QString::fromUtf8("The 8-bit character set has no \"\xC5\x82\" (U+0142), "
                                            "first in line 2; the text was not converted")});
    EXPECT_EQ(Editor1().CharSet(), chUtf8);
    EXPECT_EQ(TextOf(Editor1()), "one\ntwo \xC3\xB3\xC5\x82\n");
    EXPECT_FALSE(Editor1().Modified());
    EXPECT_FALSE(Editor1().CanUndo());
}

// A file that is no text, or no file at all, is refused with the reason in the message.
TEST_F(RealEditorFrame, FilesThatAreNoTextAreRefusedSayingWhy) {
    const QString binary = MakeFile(QStringLiteral("bin.dat"), QByteArray("ab\0cd", 5));
    const QString fifo = Path(QStringLiteral("pipe"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
    const QString directory = Path(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(directory));
    for (int i = 0; i < 3; ++i)
        FDialogs.ExpectMessage(mrOk);
    Begin({binary, fifo, directory});
    EXPECT_EQ(FDialogs.MessageTexts(),
              (QStringList{"Unable to open file " + binary +
                               ": it contains a NUL byte at offset 2; it is not a text file",
                           "Unable to open file " + fifo +
                               ": it is a FIFO (named pipe), not a file; only files can be opened",
                           "Unable to open file " + directory +
                               ": it is a directory, not a file; only files can be opened"}));
}

TEST_F(RealEditorFrame, StatusPanelsFollowTypingTheCaretTheModeAndSaving) {
    Begin({MakeFile(QStringLiteral("a.txt"), "abc\r\ndef\r\n")});
    EXPECT_EQ(PanelTexts(), (QStringList{"Ln: 1  Col: 1", "", "Insert", "Lines: 3", "Chars: 10",
                                         "CR LF", "UTF-8"}));
    Focus(Form().Pane1());
    Type(QStringLiteral("x"));
    EXPECT_EQ(PanelTexts(), (QStringList{"Ln: 1  Col: 2", "Modified", "Insert", "Lines: 3",
                                         "Chars: 11", "CR LF", "UTF-8"}));
    QTest::keyClick(&Form().Pane1().Widget(), Qt::Key_Insert);
    EXPECT_EQ(PanelTexts()[spMode], "Overwrite");
    Editor1().SetCaretPosition(2, 3);
    EXPECT_EQ(PanelTexts()[spPosition], "Ln: 2  Col: 3");
    QTest::keyClick(&Form().Pane1().Widget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(PanelTexts()[spModified], "");
}

TEST_F(RealEditorFrame, InASplitWindowThePanelsFollowThePaneWithTheFocus) {
    Begin({MakeFile(QStringLiteral("a.txt"), "abc\r\ndef\r\n")});
    Run("MI_WindowSplit");
    THostedEditor& upper = *Form().SecondPane();
    Focus(upper);
    upper.SetCaretPosition(2, 4);
    EXPECT_EQ(PanelTexts()[spPosition], "Ln: 2  Col: 4");
    Focus(Form().Pane1());
    EXPECT_EQ(PanelTexts()[spPosition], "Ln: 1  Col: 1");
}

// What the help screen's Bookmarks and Keyboard pages promise, typed into a real window.
TEST_F(RealEditorFrame, TheKeysTheHelpScreenListsDoWhatItSays) {
    Begin({MakeFile(QStringLiteral("a.txt"), "one\r\ntwo\r\nthree\r\n")});
    TQtEditorWidget& widget = Form().Pane1().Widget();
    Focus(Form().Pane1());
    int col = 0;
    Editor1().SetCaretPosition(2, 2);
    QTest::keyClick(&widget, Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    Editor1().SetCaretPosition(1, 1);
    QTest::keyClick(&widget, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(Editor1().GetCaretPosition(col), 2);
    EXPECT_EQ(col, 2);
    Editor1().SetCaretPosition(3, 4);
    QTest::keyClick(&widget, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(&widget, Qt::Key_5);
    Editor1().SetCaretPosition(1, 1);
    QTest::keyClick(&widget, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(&widget, Qt::Key_5);
    EXPECT_EQ(Editor1().GetCaretPosition(col), 3);
    EXPECT_EQ(col, 4);
    QTest::keyClick(&widget, Qt::Key_D, Qt::ControlModifier);  // Right
    EXPECT_EQ(Editor1().GetCaretPosition(col), 3);
    EXPECT_EQ(col, 5);
    QTest::keyClick(&widget, Qt::Key_Y, Qt::ControlModifier);  // Delete line
    EXPECT_EQ(TextOf(Editor1()), "one\ntwo\n");
    QTest::keyClick(&widget, Qt::Key_Backspace, Qt::AltModifier);  // Undo
    EXPECT_EQ(TextOf(Editor1()), "one\ntwo\nthree\n");
}

TEST_F(RealEditorFrame, FindNextAfterAnEntireScopeFindFindsTheFirstOccurrenceAgain) {
    Begin({MakeFile(QStringLiteral("a.txt"), "an ant and an\r\n")});
    Editor1().SetCaretPosition(1, 14);
    SearchByEnter("MI_SearchFind", QStringLiteral("an"), {}, [](QWidget& dialog) {
        Child<QRadioButton>(dialog, "RB_Scope").setChecked(true);
    });
    EXPECT_EQ(Selected(Editor1()), "1,1-1,3");
    Run("MI_SearchFindNext1");
    EXPECT_EQ(Selected(Editor1()), "1,1-1,3");
    EXPECT_TRUE(FDialogs.Calls().empty());
}

TEST_F(RealEditorFrame, FindHonoursMatchCaseWholeWordsAndBackward) {
    Begin({MakeFile(QStringLiteral("a.txt"), "Cat cat concat cat\r\n")});
    Editor1().SetCaretPosition(1, 19);
    SearchByEnter("MI_SearchFind", QStringLiteral("cat"), {}, [](QWidget& dialog) {
        Child<QCheckBox>(dialog, "CK_MatchCase").setChecked(true);
        Child<QCheckBox>(dialog, "CK_WholeWords").setChecked(true);
        Child<QRadioButton>(dialog, "RB_Backward").setChecked(true);
    });
    EXPECT_EQ(Selected(Editor1()), "1,16-1,19");
    Run("MI_SearchFindNext1");
    EXPECT_EQ(Selected(Editor1()), "1,5-1,8");
    FDialogs.ExpectMessage(mrOk);
    Run("MI_SearchFindNext1");
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Search string 'cat' not found"});
    EXPECT_EQ(Selected(Editor1()), "1,5-1,8");
}

TEST_F(RealEditorFrame, TheContinueSearchButtonFollowsTheLastFindAtOnce) {
    Begin({MakeFile(QStringLiteral("a.txt"), "abc\r\n")});
    QToolButton& again = *Main().SpeedButtons().Button(QStringLiteral("SP_SearchAgain"));
    EXPECT_FALSE(again.isEnabled());
    FDialogs.ExpectMessage(mrOk);
    SearchByEnter("MI_SearchFind", QStringLiteral("xyz"));
    Settle();
    EXPECT_TRUE(again.isEnabled());
    SearchByEnter("MI_SearchFind", QString());
    Settle();
    EXPECT_FALSE(again.isEnabled());
}

// Replace works in two steps on an occurrence that is not yet highlighted: the first
// highlights it, the next replaces it and highlights the one after.
TEST_F(RealEditorFrame, EnterInTheReplaceDialogReplacesTheFoundOccurrenceAndFindsTheNext) {
    Begin({MakeFile(QStringLiteral("a.txt"), "x x x\r\n")});
    SearchByEnter("MI_SearchFind", QStringLiteral("x"));
    EXPECT_EQ(Selected(Editor1()), "1,1-1,2");
    SearchByEnter("MI_SearchReplace", QStringLiteral("x"), QStringLiteral("yy"));
    EXPECT_EQ(TextOf(Editor1()), "yy x x\n");
    EXPECT_EQ(Selected(Editor1()), "1,4-1,5");
    SearchByEnter("MI_SearchReplace", QStringLiteral("x"), QStringLiteral("yy"));
    EXPECT_EQ(TextOf(Editor1()), "yy yy x\n");
    EXPECT_EQ(Main().ReplaceOptions(), srReplace);
    EXPECT_TRUE(FDialogs.Calls().empty());
}

TEST_F(RealEditorFrame, AnEmptyReplacementForOneOccurrenceDeletesItWithoutAMessage) {
    Begin({MakeFile(QStringLiteral("a.txt"), "a-b\r\n")});
    Editor1().SetSelection(1, 2, 1, 3, true);
    SearchByEnter("MI_SearchReplace", QStringLiteral("-"), QString());
    EXPECT_EQ(TextOf(Editor1()), "ab\n");
    EXPECT_TRUE(FDialogs.Calls().empty());
}

TEST_F(RealEditorFrame, AReplaceThatFindsNothingSaysSoAndChangesNothing) {
    Begin({MakeFile(QStringLiteral("a.txt"), "abc\r\n")});
    FDialogs.ExpectMessage(mrOk);
    SearchByEnter("MI_SearchReplace", QStringLiteral("zz"), QStringLiteral("y"));
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Search string 'zz' not found"});
    EXPECT_EQ(TextOf(Editor1()), "abc\n");
    EXPECT_FALSE(Editor1().Modified());
}

TEST_F(RealEditorFrame, GoToLineIgnoresZeroNonNumbersAndLinesBeyondTheText) {
    Begin({MakeFile(QStringLiteral("a.txt"), "1\r\n2\r\n3\r\n")});
    Editor1().SetCaretPosition(2, 2);
    for (const char* input : {"0", "abc", "5", "-1", " ", "99999999999"})
        FDialogs.ExpectInput(QString::fromLatin1(input));
    for (int i = 0; i < 6; ++i)
        Run("MI_SearchGotoLine");
    int col = 0;
    EXPECT_EQ(Editor1().GetCaretPosition(col), 2);
    EXPECT_EQ(col, 2);
    EXPECT_TRUE(FDialogs.MessageTexts().isEmpty());
    FDialogs.ExpectInput(QStringLiteral("4"));
    Run("MI_SearchGotoLine");
    EXPECT_EQ(Editor1().GetCaretPosition(col), 4);
    EXPECT_EQ(col, 1);
}

TEST_F(RealEditorFrame, TimeDateReplacesTheHighlightWithTheFixedClocksText) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Begin({MakeFile(QStringLiteral("a.txt"), "at NOW.\r\n")});
    Main().SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(15, 7)); });
    Editor1().SetSelection(1, 4, 1, 7, true);
    Focus(Form().Pane1());
    QTest::keyClick(&Form().Pane1().Widget(), Qt::Key_F5);
    QLocale::setDefault(saved);
    EXPECT_EQ(TextOf(Editor1()), "at 3:07 PM 12/7/26.\n");
}

TEST_F(RealEditorFrame, TheWordWrapButtonWrapsEveryEditorAndIsSavedAtExit) {
    WriteIni("[Editor]\nWrapAtColumn=10\nWrapToColumn=1\nWrapToWindow=0\n");
    Begin({MakeFile(QStringLiteral("a.txt"), "aaaa bbbb cccc dddd\r\n"),
           MakeFile(QStringLiteral("b.txt"), "x\r\n")});
    QToolButton& button = *Main().SpeedButtons().Button(QStringLiteral("SP_WordWrap"));
    EXPECT_FALSE(button.isChecked());
    button.click();
    EXPECT_TRUE(FormNamed(Path(QStringLiteral("a.txt"))).Pane1().Editor().WordWrap());
    EXPECT_TRUE(FormNamed(Path(QStringLiteral("b.txt"))).Pane1().Editor().WordWrap());
    EXPECT_EQ(FormNamed(Path(QStringLiteral("a.txt"))).Pane1().LineCount(), 3);
    Main().UpdateCommandStates();
    EXPECT_TRUE(button.isChecked());
    Exit();
    EXPECT_TRUE(SavedIni().contains("EnableWW=1"));
}

TEST_F(RealEditorFrame, TheSplitButtonSplitsAndShowsTheActiveWindowsSplit) {
    Begin({MakeFile(QStringLiteral("a.txt"), "x\r\n")});
    QToolButton& button = *Main().SpeedButtons().Button(QStringLiteral("SP_Split"));
    button.click();
    EXPECT_TRUE(Form().IsSplit());
    EXPECT_TRUE(button.isChecked());
    button.click();
    EXPECT_FALSE(Form().IsSplit());
    EXPECT_FALSE(button.isChecked());
}

TEST_F(RealEditorFrame, OptionsOkReachesEveryOpenEditorAndTheSettingsWrittenAtExit) {
    Begin({MakeFile(QStringLiteral("a.txt"), "one\r\n"), MakeFile(QStringLiteral("b.txt"), "")});
    WhenModal([](QWidget& dialog) {
        Child<QSpinBox>(dialog, "ED_TabSize").setValue(4);
        auto& wrap = Child<QCheckBox>(dialog, "CK_EnableWW");
        if (!wrap.isChecked()) wrap.click();
        Child<QRadioButton>(dialog, "RB_WrapToColumn").click();
        Child<QSpinBox>(dialog, "ED_WrapAtColumn").setValue(40);
        Child<QRadioButton>(dialog, "RB_RealTabs").click();
        auto& font = Child<QComboBox>(dialog, "CB_FontColor");
        QTest::keyClicks(&font, QStringLiteral("Red"));  // the list's own type-ahead
        EXPECT_EQ(font.currentText(), "Red");
        auto& editor = Child<QComboBox>(dialog, "CB_EditColor");
        QTest::keyClicks(&editor, QStringLiteral("Navy"));
        EXPECT_EQ(editor.currentText(), "Navy");
        Child<QPushButton>(dialog, "BT_Ok").click();
    });
    Run("MI_OptionsConfigure");
    for (const char* name : {"a.txt", "b.txt"}) {
        TOvcTextFileEditor& editor = FormNamed(Path(QString::fromLatin1(name))).Pane1().Editor();
        EXPECT_EQ(editor.TabSize(), 4) << name;
        EXPECT_TRUE(editor.WordWrap()) << name;
        EXPECT_EQ(editor.WrapColumn(), 40) << name;
        EXPECT_EQ(editor.TabType(), ttReal) << name;
        EXPECT_EQ(editor.FixedFont().Color(), 0x0000FFu) << name;
        EXPECT_EQ(editor.Color(), 0x800000u) << name;
    }
    Exit();
    const QByteArray ini = SavedIni();
    for (const char* line : {"TabSize=4", "EnableWW=1", "WrapAtColumn=40", "RealTabs=1",
                             "SpaceTabs=0", "FontColor=255", "EditorColor=8388608"})
        EXPECT_TRUE(ini.contains(line)) << line;
}

TEST_F(RealEditorFrame, ANewWindowAfterOptionsOkTakesTheNewSettings) {
    Begin();
    WhenModal([](QWidget& dialog) {
        Child<QSpinBox>(dialog, "ED_TabSize").setValue(3);
        Child<QPushButton>(dialog, "BT_Ok").click();
    });
    Run("MI_OptionsConfigure");
    Run("MI_FileNew");
    EXPECT_EQ(Editor1().TabSize(), 3);
}

// Without the key new texts are UTF-8; once the option is off the open texts keep their
// set and the next new text is 8-bit, so a typed é is one byte.
TEST_F(RealEditorFrame, NewTextsTakeTheCharacterSetTheOptionsChose) {
    Begin();
    Run("MI_FileNew");
    EXPECT_EQ(PanelTexts()[spCharSet], "UTF-8");
    WhenModal([](QWidget& dialog) {
        auto& utf8 = Child<QCheckBox>(dialog, "CK_NewTextUtf8");
        EXPECT_TRUE(utf8.isChecked());
        utf8.click();
        Child<QPushButton>(dialog, "BT_Ok").click();
    });
    Run("MI_OptionsConfigure");
    EXPECT_EQ(Editor1().NewTextCharSet(), chEightBit);
    EXPECT_EQ(Editor1().CharSet(), chUtf8);
    Run("MI_FileNew");
    EXPECT_EQ(PanelTexts()[spCharSet], "8-bit");
    Focus(Form().Pane1());
    QTest::sendKeyEvent(QTest::Click, &Form().Pane1().Widget(), Qt::Key_Eacute,
                        QString::fromUtf8("\xc3\xa9"), Qt::NoModifier);
    EXPECT_EQ(TextOf(Editor1()), "\xe9");
    FDialogs.ExpectMessage(mrNo);  // not saved
    Exit();
    EXPECT_TRUE(SavedIni().contains("MaxEditor=0\nNewTextUtf8=0\n"));
}

TEST_F(RealEditorFrame, ABoldScreenFontReachesEveryEditorInTheFontColour) {
    WriteIni("[Colors]\nFontColor=255\n");
    Begin({MakeFile(QStringLiteral("a.txt"), "a\r\n"), MakeFile(QStringLiteral("b.txt"), "b\r\n")});
    TDialogAnswer answer;
    answer.Kind = dkFont;
    answer.Font = Main().ScreenFont();
    answer.Font.setBold(true);
    FDialogs.Expect(answer);
    Run("MI_OptionsScreenFont");
    for (const char* name : {"a.txt", "b.txt"}) {
        TOvcTextFileEditor& editor = FormNamed(Path(QString::fromLatin1(name))).Pane1().Editor();
        EXPECT_EQ(editor.FixedFont().Style(), fsBold) << name;
        EXPECT_EQ(editor.FixedFont().Color(), 0x0000FFu) << name;
    }
}

TEST_F(RealEditorFrame, FileNamesInAnyScriptOpenSaveAndReopenFromTheRecentFiles) {
    const std::string nameBytes = "Grüße 日本 😀.txt";  // UTF-8, as the command line gives it
    const QString first = MakeFile(FromFileName(nameBytes), "Caf\xc3\xa9\n");
    ASSERT_TRUE(QFile::exists(FDir.path() + "/Gr\u00fc\u00dfe \u65e5\u672c \U0001F600.txt"));
    Begin({FromFileName(ToFileName(first))});
    EXPECT_EQ(Form().windowTitle(), first);
    EXPECT_EQ(TextOf(Editor1()), "Caf\xc3\xa9\n");
    Focus(Form().Pane1());
    Type(QStringLiteral("x"));
    Run("MI_FileSave1");
    EXPECT_EQ(FileBytes(first), "xCaf\xc3\xa9\n");

    const QString second = Path(QStringLiteral("na\u00efve \u0416.txt"));
    FDialogs.ExpectSave(second);
    Run("MI_FileSaveAs");
    EXPECT_EQ(FileBytes(second), FileBytes(first));
    Exit();
    EXPECT_TRUE(SavedIni().contains(ToFileName(second).c_str())) << SavedIni().toStdString();
    FWindows.reset();

    Begin();
    QMenu& file = ClickMenu("MI_File");
    QAction& entry = *Main().RecentFiles().MenuEntries().front();
    EXPECT_EQ(entry.text(), "&1 " + second);
    ClickItem(file, entry);
    Settle();
    EXPECT_EQ(Form().windowTitle(), second);
    EXPECT_EQ(TextOf(Editor1()), "xCaf\xc3\xa9\n");
}

class RealEditorPrinting : public RealEditorFrame {
  protected:
    QString Pdf() const { return Path(QStringLiteral("out.pdf")); }

    void ExpectPrint(int copies, QPrinter::PrintRange range) {
        FDialogs.Expect(PrintToPdf(Pdf(), copies, range));
    }
    QList<QStringList> Pages() const { return PdfPages(Pdf()); }
    // The words of every printed line, one space apart, as the UTF-8 the PDF holds.
    QString PrintedWords() const {
        QStringList words;
        for (const QStringList& page : Pages())
            for (const QString& line : page)
                words << QString::fromUtf8(line.toLatin1()).simplified();
        return words.join(QLatin1Char(' '));
    }
};

TEST_F(RealEditorPrinting, TwoCopiesOfThreeLinesAreTwoPagesInOrder) {
    Begin({MakeFile(QStringLiteral("a.txt"), "one\r\ntwo\r\nthree")});
    ExpectPrint(2, QPrinter::AllPages);
    Run("MI_FilePrint");
    const QStringList lines = {"one", "two", "three"};
    EXPECT_EQ(Pages(), (QList<QStringList>{lines, lines}));
    EXPECT_FALSE(FDialogs.Calls()[0].OfferSelection);
}

TEST_F(RealEditorPrinting, AWrappedParagraphPrintsAsItsDisplayLines) {
    WriteIni("[Editor]\nEnableWW=1\nWrapToColumn=1\nWrapToWindow=0\nWrapAtColumn=40\n");
    QByteArray paragraph;
    for (int i = 0; i < 20; ++i)
        paragraph += "abcd ";
    Begin({MakeFile(QStringLiteral("a.txt"), paragraph + "\r\nend\r\n")});
    ExpectPrint(1, QPrinter::AllPages);
    Run("MI_FilePrint");
    const QList<QStringList> pages = Pages();
    ASSERT_EQ(pages.size(), 1);
    ASSERT_EQ(pages[0].size(), 4);
    EXPECT_EQ(pages[0][3], "end");
}

TEST_F(RealEditorPrinting, TheSelectionPrintsItsFirstLineBlankedAndItsLastCut) {
    Begin(
        {MakeFile(QStringLiteral("a.txt"), "line one\r\nline two\r\nline three\r\nline four\r\n")});
    Editor1().SetSelection(2, 5, 4, 3, true);
    ExpectPrint(1, QPrinter::Selection);
    Run("MI_FilePrint");
    EXPECT_TRUE(FDialogs.Calls()[0].OfferSelection);
    EXPECT_EQ(Pages(), (QList<QStringList>{{"two", "line three", "li"}}));
}

// A UTF-8 text (with an invalid byte after reinterpreting) and an 8-bit text print their
// characters, not their bytes read one by one.
TEST_F(RealEditorPrinting, TextsPrintTheCharactersOfTheirCharacterSet) {
    Begin({MakeFile(QStringLiteral("a.txt"), "a\xc3\xa9\xe6\x97\xa5\tb\xff\r\n")});
    Editor1().SetCharSet(chUtf8);  // the file was not UTF-8 throughout
    ExpectPrint(1, QPrinter::AllPages);
    Run("MI_FilePrint");
    const QString utf8 = PrintedWords();  // the PDF font may name 日 by its radical
    EXPECT_TRUE(utf8.startsWith(QString::fromUtf8("aé"))) << utf8.toStdString();
    EXPECT_TRUE(utf8.endsWith(QString::fromUtf8(" b\uFFFD"))) << utf8.toStdString();
    Editor1().SetCharSet(chEightBit);
    ExpectPrint(1, QPrinter::AllPages);
    Run("MI_FilePrint");
    EXPECT_EQ(PrintedWords(), QString::fromUtf8("aÃ©æ—¥ bÿ"));
}

TEST_F(RealEditorPrinting, TheSelectionOfTheUpperPaneIsPrinted) {
    Begin({MakeFile(QStringLiteral("a.txt"), "alpha\r\nbeta\r\n")});
    Run("MI_WindowSplit");
    Focus(*Form().SecondPane());
    Form().SecondPane()->Editor().SetSelection(2, 1, 2, 5, true);
    ExpectPrint(1, QPrinter::Selection);
    Run("MI_FilePrint");
    EXPECT_EQ(Pages(), (QList<QStringList>{{"beta"}}));
}

class RealEditorWindows : public RealEditorFrame {
  protected:
    void OpenThree() {
        Begin({MakeFile(QStringLiteral("a.txt"), "a\r\n"),
               MakeFile(QStringLiteral("b.txt"), "b\r\n"),
               MakeFile(QStringLiteral("c.txt"), "c\r\n")});
        Main().resize(800, 600);
        Settle();
    }
    QList<QMdiSubWindow*> InOrder() const {
        return Main().MdiArea().subWindowList(QMdiArea::CreationOrder);
    }
    QRect Area() const { return Main().MdiArea().viewport()->rect(); }
};

TEST_F(RealEditorWindows, TileVerticallyPutsEditorWindowsSideBySideOverTheWholeArea) {
    OpenThree();
    Run("MI_WindowTileVert");
    const QList<QMdiSubWindow*> windows = InOrder();
    int left = Area().left();
    for (QMdiSubWindow* window : windows) {
        EXPECT_EQ(window->geometry().left(), left);
        EXPECT_EQ(window->geometry().top(), Area().top());
        EXPECT_EQ(window->geometry().height(), Area().height());
        left = window->geometry().right() + 1;
    }
    EXPECT_EQ(left, Area().right() + 1);
}

TEST_F(RealEditorWindows, TileHorizontallyPutsEditorWindowsOneAboveTheOther) {
    OpenThree();
    Main().resize(800, 300);
    Settle();
    Run("MI_WindowTileHorz");
    int top = Area().top();
    for (QMdiSubWindow* window : InOrder()) {
        EXPECT_EQ(window->geometry().top(), top);
        EXPECT_EQ(window->geometry().width(), Area().width());
        top = window->geometry().bottom() + 1;
    }
    EXPECT_EQ(top, Area().bottom() + 1);
}

TEST_F(RealEditorWindows, MinimizeAllThenArrangeIconsLinesThemUpAlongTheBottom) {
    OpenThree();
    Run("MI_WindowMinimizeAll");
    for (QMdiSubWindow* window : InOrder())
        EXPECT_TRUE(window->isMinimized());
    Run("MI_WindowArrangeIcons");
    const QList<QMdiSubWindow*> windows = InOrder();
    for (QMdiSubWindow* window : windows)
        EXPECT_EQ(window->geometry().bottom(), Area().bottom());
    EXPECT_EQ(windows[0]->x(), 0);
    EXPECT_LT(windows[0]->geometry().right(), windows[1]->x());
}

TEST_F(RealEditorWindows, NextWindowAndTheWindowListActivateEditorWindows) {
    OpenThree();
    const QString first = Form().Caption();
    Run("MI_WindowNextWindow");
    EXPECT_NE(Form().Caption(), first);
    QMenu& menu = *Main().MainMenu().Menu(QStringLiteral("MI_Window"));
    Main().MainMenu().RunOpeningHandler(&menu);
    QAction* entry = menu.actions()[menu.actions().size() - 3];
    EXPECT_EQ(entry->text(), "&1 " + Path(QStringLiteral("a.txt")));
    entry->trigger();
    EXPECT_EQ(Form().Caption(), Path(QStringLiteral("a.txt")));
}

}  // namespace
}  // namespace wendax
