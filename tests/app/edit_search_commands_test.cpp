// The Edit and Search menus: their enabling with and without a window, text, highlight
// and clipboard text, the commands on the active pane, and Find, Replace, Find next and
// Go to line through their dialogs.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "app/dialogs/replace_dialog.h"
#include "app/dialogs/search_dialog.h"
#include "app/frame/speedbar.h"
#include "program_fixture.h"

namespace wendax {
namespace {

const char* const kEditItems[] = {
    "MI_EditUndo1",  "MI_EditUndo2",     "MI_EditRedo1",   "MI_EditRedo2",  "MI_EditCut1",
    "MI_EditCut2",   "MI_EditCopy1",     "MI_EditCopy2",   "MI_EditPaste1", "MI_EditPaste2",
    "MI_EditDelete", "MI_EditSelectAll", "MI_EditTimeDate"};
const char* const kSearchItems[] = {"MI_SearchFind", "MI_SearchFindNext1", "MI_SearchFindNext2",
                                    "MI_SearchReplace", "MI_SearchGotoLine"};

class EditAndSearch : public ProgramTest {
  protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    // Which of `items` are enabled, after the menus were refreshed.
    QStringList EnabledOf(std::initializer_list<const char*> items) {
        Main().UpdateCommandStates();
        QStringList enabled;
        for (const char* item : items)
            if (Enabled(item)) enabled << QString::fromLatin1(item);
        return enabled;
    }
    QStringList EnabledEditAndSearch() {
        Main().UpdateCommandStates();
        QStringList enabled;
        for (const char* item : kEditItems)
            if (Enabled(item)) enabled << QString::fromLatin1(item);
        for (const char* item : kSearchItems)
            if (Enabled(item)) enabled << QString::fromLatin1(item);
        return enabled;
    }
    std::vector<std::string>& Calls() { return Active().Pane1().Calls; }

    // Runs Find with `text` typed over the selected last text and Enter pressed.
    void FindByEnter(const QString& text) {
        WhenModal([text](QWidget& dialog) {
            auto& box = Child<QComboBox>(dialog, "CB_SearchText");
            if (text.isEmpty()) QTest::keyClick(box.lineEdit(), Qt::Key_Delete);
            QTest::keyClicks(box.lineEdit(), text);
            QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        });
        Run("MI_SearchFind");
    }
    QStringList History(QDialog& dialog, const char* box) {
        QStringList entries;
        auto& list = Child<QComboBox>(dialog, box);
        for (int i = 0; i < list.count(); ++i)
            entries << list.itemText(i);
        return entries;
    }
};

TEST_F(EditAndSearch, WithoutAWindowEveryEditAndSearchItemIsDisabled) {
    Start();
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    EXPECT_EQ(EnabledEditAndSearch(), QStringList());
}

TEST_F(EditAndSearch, AnEmptyTextAllowsOnlyTimeDateAndPasteOfClipboardText) {
    Start();
    Open(QStringLiteral("empty.txt"), "");
    EXPECT_EQ(EnabledEditAndSearch(), QStringList{"MI_EditTimeDate"});
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    EXPECT_EQ(EnabledEditAndSearch(),
              (QStringList{"MI_EditPaste1", "MI_EditPaste2", "MI_EditTimeDate"}));
}

TEST_F(EditAndSearch, TextEnablesDeleteSelectAllFindReplaceAndGoToLine) {
    Start();
    Open(QStringLiteral("a.txt"), "abc\n");
    EXPECT_EQ(EnabledEditAndSearch(),
              (QStringList{"MI_EditDelete", "MI_EditSelectAll", "MI_EditTimeDate", "MI_SearchFind",
                           "MI_SearchReplace", "MI_SearchGotoLine"}));
}

TEST_F(EditAndSearch, AHighlightEnablesCutAndCopyAndTheUndoStateUndoAndRedo) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "abc\n");
    window.Pane1().Select(1, 1, 1, 2);
    EXPECT_EQ(EnabledOf({"MI_EditCut1", "MI_EditCut2", "MI_EditCopy1", "MI_EditCopy2",
                         "MI_EditUndo1", "MI_EditRedo1"}),
              (QStringList{"MI_EditCut1", "MI_EditCut2", "MI_EditCopy1", "MI_EditCopy2"}));
    window.Pane1().Deselect();
    window.Pane1().Text->CanUndo = true;
    EXPECT_EQ(EnabledOf({"MI_EditCut1", "MI_EditUndo1", "MI_EditUndo2", "MI_EditRedo1"}),
              (QStringList{"MI_EditUndo1", "MI_EditUndo2"}));
    window.Pane1().Text->CanRedo = true;
    EXPECT_EQ(EnabledOf({"MI_EditRedo1", "MI_EditRedo2"}),
              (QStringList{"MI_EditRedo1", "MI_EditRedo2"}));
}

TEST_F(EditAndSearch, SpeedButtonsFollowTheirItems) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "abc\n");
    window.Pane1().Select(1, 1, 1, 2);
    Main().UpdateCommandStates();
    const auto button = [&](const char* name) {
        return Main().SpeedButtons().Button(QString::fromLatin1(name))->isEnabled();
    };
    EXPECT_TRUE(button("SP_Cut"));
    EXPECT_TRUE(button("SP_Copy"));
    EXPECT_FALSE(button("SP_Paste"));
    EXPECT_FALSE(button("SP_Undo"));
    EXPECT_TRUE(button("SP_Search"));
    EXPECT_FALSE(button("SP_SearchAgain"));
    EXPECT_TRUE(button("SP_Print"));
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    Main().UpdateCommandStates();
    EXPECT_TRUE(button("SP_Paste"));
}

TEST_F(EditAndSearch, CommandsActOnTheActivePane) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "abc\n");
    window.Pane1().Select(1, 1, 1, 2);
    window.Pane1().Text->CanUndo = window.Pane1().Text->CanRedo = true;
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    Main().UpdateCommandStates();
    for (const char* item : {"MI_EditUndo1", "MI_EditRedo1", "MI_EditCut1", "MI_EditCopy1",
                             "MI_EditPaste1", "MI_EditDelete", "MI_EditSelectAll"})
        Run(item);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"Undo", "Redo", "Cut", "Copy", "Paste", "Del",
                                                 "SelectAll"}));
    window.ToggleSplit();
    window.Focus(2);
    Run("MI_EditUndo1");
    EXPECT_EQ(window.Pane2()->Calls, std::vector<std::string>{"Undo"});
}

TEST_F(EditAndSearch, HiddenItemsRunTheirTwinsCommandByTheirKeys) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "abc\n");
    window.Pane1().Text->CanUndo = true;
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_Backspace, Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_Insert, Qt::ShiftModifier);  // no clipboard text
    EXPECT_EQ(Calls(), std::vector<std::string>{"Undo"});
}

TEST_F(EditAndSearch, TimeDateInsertsTheFixedClocksTimeAndDate) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Start();
    Open(QStringLiteral("a.txt"), "\n");
    Main().SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(15, 7)); });
    Main().UpdateCommandStates();
    QTest::keyClick(&Active(), Qt::Key_F5);
    QLocale::setDefault(saved);
    EXPECT_EQ(Calls(), std::vector<std::string>{"Insert 3:07 PM 12/7/26"});
    EXPECT_EQ(Active().Pane1().Text->Lines[0], "3:07 PM 12/7/26");
}

TEST_F(EditAndSearch, FindByEnterSearchesWithTheChosenOptions) {
    Start();
    Open(QStringLiteral("a.txt"), "one Two three\n");
    WhenModal([](QWidget& dialog) {
        Child<QCheckBox>(dialog, "CK_MatchCase").setChecked(true);
        Child<QRadioButton>(dialog, "RB_Backward").setChecked(true);
        Child<QRadioButton>(dialog, "RB_Scope").setChecked(true);
        auto& box = Child<QComboBox>(dialog, "CB_SearchText");
        QTest::keyClicks(box.lineEdit(), QStringLiteral("Two"));
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
    });
    Run("MI_SearchFind");
    EXPECT_EQ(Main().FindOptions(), srFind | srMatchCase | srBackward | srEntireScope);
    EXPECT_EQ(Calls(), std::vector<std::string>{"Search Two 15"});
    EXPECT_EQ(Windows().Search().LastFindText(), "Two");
    EXPECT_TRUE(FDialogs.Calls().empty());
    EXPECT_TRUE(Enabled("MI_SearchFindNext1"));
}

TEST_F(EditAndSearch, TheFindDialogStartsWithItsDesignStateAndHints) {
    Start();
    TFM_Search& dialog = Windows().Search();
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RB_Forward").isChecked());
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RB_Global").isChecked());
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RB_Cursor").isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dialog, "CK_MatchCase").isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dialog, "CK_WholeWords").isChecked());
    EXPECT_EQ(Child<QCheckBox>(dialog, "CK_WholeWords").toolTip(), "Match only whole words");
    EXPECT_EQ(Child<QPushButton>(dialog, "BT_Find").toolTip(), "Perform seach");
    EXPECT_TRUE(Child<QPushButton>(dialog, "BT_Find").isDefault());
    EXPECT_EQ(Child<QPushButton>(dialog, "BT_Cancel").text(), "&Cancel");
}

TEST_F(EditAndSearch, ConfirmedTextsAreRememberedNewestFirstIgnoringLetterCase) {
    Start();
    Open(QStringLiteral("a.txt"), "abc def\n");
    FindByEnter(QStringLiteral("abc"));
    FindByEnter(QStringLiteral("def"));
    FindByEnter(QStringLiteral("ABC"));
    EXPECT_EQ(History(Windows().Search(), "CB_SearchText"), (QStringList{"ABC", "def"}));
    EXPECT_EQ(Child<QComboBox>(Windows().Search(), "CB_SearchText").currentText(), "ABC");
}

TEST_F(EditAndSearch, EnterConfirmsTheLastTextShownSelectedAgain) {
    Start();
    Open(QStringLiteral("a.txt"), "abc\n");
    FindByEnter(QStringLiteral("abc"));
    WhenModal([](QWidget& dialog) {
        QTest::keyClick(Child<QComboBox>(dialog, "CB_SearchText").lineEdit(), Qt::Key_Return);
        if (dialog.isVisible()) {
            ADD_FAILURE() << "Enter did not press Find";
            static_cast<QDialog&>(dialog).reject();
        }
    });
    Run("MI_SearchFind");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"Search abc 1", "Search abc 1"}));
}

TEST_F(EditAndSearch, AnEmptyFindStillSearchesAndDisablesFindNext) {
    Start();
    Open(QStringLiteral("a.txt"), "abc\n");
    FindByEnter(QStringLiteral("abc"));
    FindByEnter(QString());
    EXPECT_EQ(Calls().back(), "Search  1");
    EXPECT_EQ(Windows().Search().LastFindText(), "");
    EXPECT_FALSE(Enabled("MI_SearchFindNext1"));
    EXPECT_FALSE(Enabled("MI_SearchFindNext2"));
    EXPECT_EQ(History(Windows().Search(), "CB_SearchText"), QStringList{"abc"});
}

TEST_F(EditAndSearch, ACancelledFindSearchesNothing) {
    Start();
    Open(QStringLiteral("a.txt"), "abc\n");
    WhenModal([](QWidget& dialog) { Child<QPushButton>(dialog, "BT_Cancel").click(); });
    Run("MI_SearchFind");
    EXPECT_TRUE(Calls().empty());
    EXPECT_FALSE(Enabled("MI_SearchFindNext1"));
}

TEST_F(EditAndSearch, ATextNotFoundIsReportedForFindAndFindNext) {
    Start();
    Open(QStringLiteral("a.txt"), "abc\n");
    FDialogs.ExpectMessage(mrOk);
    FDialogs.ExpectMessage(mrOk);
    FindByEnter(QStringLiteral("xyz"));
    QTest::keyClick(&Active(), Qt::Key_F3);
    EXPECT_EQ(FDialogs.MessageTexts(),
              (QStringList{"Search string 'xyz' not found", "Search string 'xyz' not found"}));
    EXPECT_EQ(FDialogs.Calls()[0].Message.Kind, mkInformation);
}

TEST_F(EditAndSearch, FindNextKeepsEveryOptionOfTheLastFind) {
    Start();
    Open(QStringLiteral("a.txt"), "abc\n");
    WhenModal([](QWidget& dialog) {
        Child<QRadioButton>(dialog, "RB_Scope").setChecked(true);
        Child<QComboBox>(dialog, "CB_SearchText").setEditText(QStringLiteral("abc"));
        Child<QPushButton>(dialog, "BT_Find").click();
    });
    Run("MI_SearchFind");
    Run("MI_SearchFindNext1");
    QTest::keyClick(&Active(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"Search abc 9", "Search abc 9", "Search abc 9"}));
}

// What one replacement does to the text is the editor's business (real editors:
// RealEditorFrame); the frame asks for it with srReplace.
TEST_F(EditAndSearch, EnterInTheReplaceDialogAsksForOneReplacement) {
    Start();
    Open(QStringLiteral("a.txt"), "x x x\n");
    WhenModal([](QWidget& dialog) {
        Child<QComboBox>(dialog, "CB_SearchText").setEditText(QStringLiteral("x"));
        auto& replacement = Child<QComboBox>(dialog, "CB_ReplaceText");
        replacement.setFocus();
        QTest::keyClicks(replacement.lineEdit(), QStringLiteral("yy"));
        QTest::keyClick(replacement.lineEdit(), Qt::Key_Return);
    });
    Run("MI_SearchReplace");
    EXPECT_EQ(Main().ReplaceOptions(), srReplace);
    EXPECT_EQ(Calls(), std::vector<std::string>{"Replace x yy 16"});
    EXPECT_FALSE(Windows().Replace().ReplaceAllChosen());
}

TEST_F(EditAndSearch, ReplaceAllReplacesEveryOccurrenceAndRemembersBothTexts) {
    Start();
    Open(QStringLiteral("a.txt"), "x x x\n");
    WhenModal([](QWidget& dialog) {
        Child<QCheckBox>(dialog, "CK_WholeWords").setChecked(true);
        Child<QComboBox>(dialog, "CB_SearchText").setEditText(QStringLiteral("x"));
        Child<QComboBox>(dialog, "CB_ReplaceText").setEditText(QStringLiteral("yy"));
        Child<QPushButton>(dialog, "BT_ReplaceAll").click();
    });
    Run("MI_SearchReplace");
    EXPECT_EQ(Main().ReplaceOptions(), srReplaceAll | srWholeWordsOnly);
    EXPECT_EQ(Active().Pane1().Text->Lines[0], "yy yy yy");
    EXPECT_TRUE(Windows().Replace().ReplaceAllChosen());
    EXPECT_EQ(History(Windows().Replace(), "CB_SearchText"), QStringList{"x"});
    EXPECT_EQ(History(Windows().Replace(), "CB_ReplaceText"), QStringList{"yy"});
    // Replace leaves the last Find alone.
    EXPECT_EQ(Windows().Search().LastFindText(), "");
    EXPECT_EQ(Main().FindOptions(), 0);
}

TEST_F(EditAndSearch, AReplaceThatFindsNothingSaysSo) {
    Start();
    Open(QStringLiteral("a.txt"), "abc\n");
    FDialogs.ExpectMessage(mrOk);
    WhenModal([](QWidget& dialog) {
        Child<QComboBox>(dialog, "CB_SearchText").setEditText(QStringLiteral("zz"));
        Child<QPushButton>(dialog, "BT_Replace").click();
    });
    Run("MI_SearchReplace");
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"Search string 'zz' not found"});
}

TEST_F(EditAndSearch, GoToLineAsksForALineOfTheTextAndMovesThere) {
    Start();
    Open(QStringLiteral("a.txt"), "1\n2\n3\n");
    FDialogs.ExpectInput(QStringLiteral("2"));
    QTest::keyClick(&Active(), Qt::Key_F4);
    ASSERT_EQ(FDialogs.Calls().size(), 1u);
    EXPECT_EQ(FDialogs.Calls()[0].Input.Title, "Go to Line Number");
    EXPECT_EQ(FDialogs.Calls()[0].Input.Prompt, "Enter Line Number (1 to 4)");
    EXPECT_EQ(FDialogs.Calls()[0].Input.Value, "1");
    EXPECT_EQ(Calls(), std::vector<std::string>{"Caret 2,1"});
}

TEST_F(EditAndSearch, GoToLineIgnoresInputThatIsNoLineOfTheText) {
    Start();
    Open(QStringLiteral("a.txt"), "1\n2\n3\n");
    for (const char* input : {"0", "abc", "5", "-1", "", "2x"})
        FDialogs.ExpectInput(QString::fromLatin1(input));
    FDialogs.ExpectCancel(dkInput);
    for (int i = 0; i < 7; ++i)
        Run("MI_SearchGotoLine");
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(FDialogs.MessageTexts().isEmpty());
}

}  // namespace
}  // namespace wendax
