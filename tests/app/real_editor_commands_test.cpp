// The Edit and Search menus acting on real editors: the clipboard, undo, select all,
// find, replace (an empty replacement deletes), go to line and time/date, always on the
// pane that last had the focus.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>

#include "app/dialogs/search_dialog.h"
#include "editor_fixture.h"
#include "platform/qt/qt_editor_widget.h"
#include "platform/services.h"

namespace wendax {
namespace {

class RealEditorCommands : public EditorProgramTest {
  protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    // Runs an item the way its menu would: only when enabled after the menus are refreshed.
    void RunEnabled(const char* item) {
        Main().UpdateCommandStates();
        ASSERT_TRUE(Enabled(item)) << item;
        Run(item);
    }
    std::string Selected(TOvcCustomEditor& editor) {
        int line1 = 0, col1 = 0, line2 = 0, col2 = 0;
        if (!editor.GetSelection(line1, col1, line2, col2)) return "(none)";
        return std::to_string(line1) + "," + std::to_string(col1) + "-" + std::to_string(line2) +
               "," + std::to_string(col2);
    }
    void ReplaceAll(const QString& text, const QString& replacement) {
        WhenModal([text, replacement](QWidget& dialog) {
            Child<QComboBox>(dialog, "CB_SearchText").setEditText(text);
            Child<QComboBox>(dialog, "CB_ReplaceText").setEditText(replacement);
            Child<QPushButton>(dialog, "BT_ReplaceAll").click();
        });
        RunEnabled("MI_SearchReplace");
    }
};

TEST_F(RealEditorCommands, SelectAllCopyPasteAndUndo) {
    Start({MakeFile(QStringLiteral("a.txt"), "one\r\ntwo\r\n")});
    RunEnabled("MI_EditSelectAll");
    EXPECT_EQ(Selected(Editor1()), "1,1-3,1");
    RunEnabled("MI_EditCopy1");
    EXPECT_EQ(Platform().ClipboardText()->Plain, "one\r\ntwo\r\n");
    Run("MI_FileNew");
    RunEnabled("MI_EditPaste1");
    EXPECT_EQ(TextOf(Editor1()), "one\ntwo\n");
    RunEnabled("MI_EditUndo1");
    EXPECT_EQ(TextOf(Editor1()), "");
    RunEnabled("MI_EditRedo1");
    EXPECT_EQ(TextOf(Editor1()), "one\ntwo\n");
}

TEST_F(RealEditorCommands, CutAndDeleteRemoveTheHighlight) {
    Start({MakeFile(QStringLiteral("a.txt"), "abcdef\r\n")});
    Editor1().SetSelection(1, 2, 1, 4, true);
    RunEnabled("MI_EditCut1");
    EXPECT_EQ(TextOf(Editor1()), "adef\n");
    EXPECT_EQ(Platform().ClipboardText()->Plain, "bc");
    Editor1().SetSelection(1, 1, 1, 3, true);
    RunEnabled("MI_EditDelete");
    EXPECT_EQ(TextOf(Editor1()), "ef\n");
}

TEST_F(RealEditorCommands, TheCommandsActOnThePaneThatLastHadTheFocus) {
    Start({MakeFile(QStringLiteral("a.txt"), "one\r\ntwo\r\n")});
    Form().ToggleSplit();
    QApplication::setActiveWindow(&Main());
    Form().SecondPane()->Widget().setFocus();
    Settle();
    RunEnabled("MI_EditSelectAll");
    EXPECT_EQ(Selected(Form().SecondPane()->Editor()), "1,1-3,1");
    EXPECT_EQ(Selected(Editor1()), "(none)");
    Main().SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(15, 7)); });
    Form().SecondPane()->SetCaretPosition(2, 1);
    RunEnabled("MI_EditTimeDate");
    EXPECT_EQ(TextOf(Editor1()).substr(0, 4), "one\n");
    EXPECT_NE(TextOf(Editor1()).find("PM"), std::string::npos);
}

TEST_F(RealEditorCommands, FindHighlightsTheNextOccurrenceAndFindNextGoesOn) {
    Start({MakeFile(QStringLiteral("a.txt"), "an apple and an ant\r\n")});
    WhenModal([](QWidget& dialog) {
        Child<QComboBox>(dialog, "CB_SearchText").setEditText(QStringLiteral("an"));
        Child<QPushButton>(dialog, "BT_Find").click();
    });
    RunEnabled("MI_SearchFind");
    EXPECT_EQ(Selected(Editor1()), "1,1-1,3");
    RunEnabled("MI_SearchFindNext1");
    EXPECT_EQ(Selected(Editor1()), "1,10-1,12");
    RunEnabled("MI_SearchFindNext1");
    RunEnabled("MI_SearchFindNext1");
    FDialogs.ExpectMessage(mrOk);
    RunEnabled("MI_SearchFindNext1");
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Search string 'an' not found"});
}

TEST_F(RealEditorCommands, ReplaceAllWithAnEmptyReplacementDeletesEveryOccurrence) {
    Start({MakeFile(QStringLiteral("a.txt"), "a-b-c\r\n-\r\n")});
    ReplaceAll(QStringLiteral("-"), QString());
    EXPECT_EQ(TextOf(Editor1()), "abc\n\n");
    EXPECT_TRUE(FDialogs.Calls().empty());
    RunEnabled("MI_EditUndo1");
    EXPECT_NE(TextOf(Editor1()), "abc\n\n");
}

TEST_F(RealEditorCommands, ReplaceAllReplacesEveryOccurrence) {
    Start({MakeFile(QStringLiteral("a.txt"), "x x\r\nx\r\n")});
    ReplaceAll(QStringLiteral("x"), QStringLiteral("yy"));
    EXPECT_EQ(TextOf(Editor1()), "yy yy\nyy\n");
}

TEST_F(RealEditorCommands, GoToLineMovesTheCaretToTheStartOfTheLine) {
    Start({MakeFile(QStringLiteral("a.txt"), "1\r\n2\r\n3\r\n")});
    Editor1().SetCaretPosition(1, 2);
    FDialogs.ExpectInput(QStringLiteral("3"));
    RunEnabled("MI_SearchGotoLine");
    EXPECT_EQ(FDialogs.Calls()[0].Input.Prompt, "Enter Line Number (1 to 4)");
    int col = 0;
    EXPECT_EQ(Editor1().GetCaretPosition(col), 3);
    EXPECT_EQ(col, 1);
}

TEST_F(RealEditorCommands, TheEnablingFollowsTheRealEditor) {
    Start({MakeFile(QStringLiteral("a.txt"), "")});
    Main().UpdateCommandStates();
    EXPECT_FALSE(Enabled("MI_EditSelectAll"));
    EXPECT_FALSE(Enabled("MI_EditUndo1"));
    EXPECT_FALSE(Enabled("MI_SearchFind"));
    Editor1().InsertString("text");
    Main().UpdateCommandStates();
    EXPECT_TRUE(Enabled("MI_EditSelectAll"));
    EXPECT_TRUE(Enabled("MI_EditUndo1"));
    EXPECT_TRUE(Enabled("MI_SearchFind"));
    EXPECT_FALSE(Enabled("MI_EditCopy1"));
}

}  // namespace
}  // namespace wendax
