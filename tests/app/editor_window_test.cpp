// The editor window: Editor1's design values and the settings it takes, the shared
// command tables, splitting with proportional resizing and the dragged bar, bookmarks of
// both panes, the focus choosing the active pane, the pop-up menu and the error messages.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <string_view>

#include "app/commands/file_names.h"
#include "app/editor/editor_form.h"
#include "app/editor/mdi_editor_windows.h"
#include "app/editor/splitter_bar.h"
#include "app/frame/speedbar.h"
#include "app/frame/status_panels.h"
#include "base/command_codes.h"
#include "control/controller.h"
#include "editor_fixture.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {
namespace {

class EditorWindow : public EditorProgramTest {
  protected:
    // The window's geometry of Editor1, the bar and the upper pane while split.
    QRect Pane1Rect() const { return Form().Pane1().Widget().geometry(); }
    QRect BarRect() const { return Form().Splitter()->geometry(); }
    QRect Pane2Rect() const { return Form().SecondPane()->Widget().geometry(); }
    int ClientTop() const { return Form().mapToGlobal(QPoint(0, 0)).y(); }
    void Focus(THostedEditor& pane) {
        QApplication::setActiveWindow(&Main());
        pane.Widget().setFocus();
        Settle();
    }
    QAction& PopupItem(const char* name) const {
        auto* item = Form().PopupMenu().findChild<QAction*>(QString::fromLatin1(name));
        if (item == nullptr) ADD_FAILURE() << "no pop-up item " << name;
        return *item;
    }
};

TEST_F(EditorWindow, Editor1HasItsDesignValuesAndLoadsTheFile) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "one\r\ntwo  \r\n");
    Start({name});
    TOvcTextFileEditor& editor = Editor1();
    EXPECT_EQ(Form().Caption(), name);
    EXPECT_EQ(Form().objectName(), "FM_Editor");
    EXPECT_EQ(editor.FileName(), ToFileName(name));
    EXPECT_TRUE(editor.IsOpen());
    EXPECT_EQ(TextOf(editor), "one\ntwo  \n");  // StripBlanks is off by default
    EXPECT_EQ(editor.BackupExt(), "BAK");
    EXPECT_EQ(editor.BorderStyle(), bsNone);
    EXPECT_EQ(Form().Pane1().Widget().frameStyle(), QFrame::NoFrame);
    EXPECT_EQ(editor.CaretIns().Shape(), csHorzLine);
    EXPECT_EQ(editor.CaretIns().Align(), caBottom);
    EXPECT_EQ(editor.CaretIns().CaretHeight(), 2);
    EXPECT_EQ(editor.CaretOvr().Shape(), csBlock);
    EXPECT_EQ(editor.RightMargin(), 5);
    EXPECT_EQ(editor.UndoBufferSize(), 16384);
    EXPECT_TRUE(editor.WantTab());
    EXPECT_TRUE(editor.HideSelection());
    EXPECT_FALSE(Form().IsSplit());
    EXPECT_EQ(&Form().ActiveEditor(), &Form().Editor1());
}

TEST_F(EditorWindow, EveryEditorSharesTheMainControllerWithItsStoredTables) {
    Start({MakeFile(QStringLiteral("a.txt")), MakeFile(QStringLiteral("b.txt"))});
    Form().ToggleSplit();
    TOvcController& controller = Main().MainController();
    EXPECT_EQ(Form().Pane1().Editor().Controller(), &controller);
    EXPECT_EQ(Form().SecondPane()->Editor().Controller(), &controller);
    EXPECT_EQ(FormNamed(Path(QStringLiteral("a.txt"))).Pane1().Editor().Controller(), &controller);
    const TOvcCommandProcessor& tables = controller.EntryCommands();
    ASSERT_EQ(tables.Count(), 2);
    EXPECT_EQ(tables.Table(0).Name(), "WordStar");
    EXPECT_TRUE(tables.Table(0).Active());
    EXPECT_EQ(tables.Table(1).Name(), "Default");
}

TEST_F(EditorWindow, TheSettingsReachEditor1InTheirOrder) {
    WriteIni(
        "[Colors]\nFontColor=255\nEditorColor=65280\n[Editor]\nTabSize=4\nEnableWW=1\n"
        "WrapAtColumn=40\nAutoIndent=1\nMakeBackups=0\nStripBlanks=1\nSpaceTabs=1\nRealTabs=1\n"
        "SmartTabs=0\n[Font]\nSFontSize=14\nSFontBold=1\n");
    Start({MakeFile(QStringLiteral("a.txt"), "two  \r\n")});
    TOvcTextFileEditor& editor = Editor1();
    EXPECT_EQ(editor.TabSize(), 4);
    EXPECT_TRUE(editor.WordWrap());
    EXPECT_EQ(editor.WrapColumn(), 40);
    EXPECT_TRUE(editor.AutoIndent());
    EXPECT_FALSE(editor.MakeBackup());
    EXPECT_TRUE(editor.TrimWhiteSpace());
    EXPECT_EQ(TextOf(editor), "two\n");
    EXPECT_EQ(editor.TabType(), ttReal);  // RealTabs comes after SpaceTabs
    EXPECT_EQ(editor.Color(), 0x00FF00u);
    EXPECT_EQ(editor.FixedFont().Name(), Main().Settings().SFontName);
    EXPECT_EQ(editor.FixedFont().Size(), 14);
    EXPECT_EQ(editor.FixedFont().Style(), fsBold);
    EXPECT_EQ(editor.FixedFont().Color(), 0x0000FFu);
}

TEST_F(EditorWindow, OfTheTabSettingsTheLastOnWinsAndNoneKeepsTheTabType) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    TSettings settings = Main().Settings();
    settings.SpaceTabs = settings.RealTabs = settings.SmartTabs = true;
    Form().ApplySettings(settings);
    EXPECT_EQ(Editor1().TabType(), ttSmart);
    settings.SpaceTabs = settings.RealTabs = settings.SmartTabs = false;
    Form().ApplySettings(settings);
    EXPECT_EQ(Editor1().TabType(), ttSmart);
    settings.SpaceTabs = true;
    Form().ApplySettings(settings);
    EXPECT_EQ(Editor1().TabType(), ttFixed);
}

TEST_F(EditorWindow, WrapToWindowWrapsAtTheVisibleColumnsAndFollowsResizing) {
    WriteIni("[Editor]\nEnableWW=1\nWrapAtColumn=200\nWrapToWindow=1\n");
    Start({MakeFile(QStringLiteral("a.txt"))});
    SetClientSize(600, 260);
    const int wide = Editor1().VisibleColumns();
    EXPECT_EQ(Editor1().WrapColumn(), wide);
    SetClientSize(300, 260);
    EXPECT_LT(Editor1().VisibleColumns(), wide);
    EXPECT_EQ(Editor1().WrapColumn(), Editor1().VisibleColumns());
}

TEST_F(EditorWindow, WithoutWrapToWindowTheWrapColumnIsTheSetting) {
    WriteIni("[Editor]\nEnableWW=1\nWrapAtColumn=33\nWrapToWindow=0\n");
    Start({MakeFile(QStringLiteral("a.txt"))});
    SetClientSize(300, 200);
    EXPECT_EQ(Editor1().WrapColumn(), 33);
}

TEST_F(EditorWindow, SplittingGivesEditor1HalfTheHeightBelowTheBar) {
    Start({MakeFile(QStringLiteral("a.txt"), "one\r\ntwo\r\n")});
    SetClientSize(600, 261);
    Form().ToggleSplit();
    ASSERT_TRUE(Form().IsSplit());
    EXPECT_EQ(Pane1Rect(), QRect(0, 131, 600, 130));
    EXPECT_EQ(BarRect(), QRect(0, 126, 600, 5));
    EXPECT_EQ(Pane2Rect(), QRect(0, 0, 600, 126));
    EXPECT_EQ(Form().Splitter()->cursor().shape(), Qt::SplitVCursor);
    EXPECT_EQ(Form().LastClientHeight(), 261);
}

TEST_F(EditorWindow, TheUpperPaneShowsAndEditsTheSameText) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "one\r\ntwo\r\n");
    Start({name});
    Form().ToggleSplit();
    TOvcTextFileEditor& second = Form().SecondPane()->Editor();
    EXPECT_EQ(&second.Store(), &Editor1().Store());
    EXPECT_EQ(second.FileName(), ToFileName(name));
    EXPECT_TRUE(second.ShowBookmarks());
    EXPECT_FALSE(second.HideSelection());
    EXPECT_EQ(second.BorderStyle(), bsNone);
    EXPECT_EQ(second.UndoBufferSize(), 16384);
    EXPECT_EQ(second.CaretIns().Shape(), csHorzLine);
    EXPECT_FALSE(second.OnError);
    second.SetCaretPosition(2, 1);
    EXPECT_EQ(second.InsertString("new "), 0);
    EXPECT_EQ(TextOf(Editor1()), "one\nnew two\n");
    EXPECT_TRUE(Form().Editor1().Modified());
    Editor1().Undo();
    EXPECT_EQ(TextOf(second), "one\ntwo\n");
}

TEST_F(EditorWindow, UnsplittingLeavesEditor1AloneOverTheWholeWindow) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    SetClientSize(600, 300);
    Form().ToggleSplit();
    Focus(*Form().SecondPane());
    ASSERT_EQ(&Form().ActiveEditor(), Form().SecondPane());
    PopupItem("MI_Split").setText(QStringLiteral("something else"));
    Form().ToggleSplit();
    EXPECT_FALSE(Form().IsSplit());
    EXPECT_EQ(Form().SecondPane(), nullptr);
    EXPECT_EQ(Form().Splitter(), nullptr);
    EXPECT_EQ(Form().findChild<TSplitterBar*>(), nullptr);
    EXPECT_EQ(Form().findChildren<TQtEditorWidget*>().size(), 1);
    EXPECT_EQ(&Form().ActiveEditor(), &Form().Editor1());
    EXPECT_EQ(Pane1Rect(), QRect(0, 0, 600, 300));
    EXPECT_EQ(PopupItem("MI_Split").text(), "Split editor");
    Form().ToggleSplit();
    EXPECT_EQ(Pane1Rect(), QRect(0, 150, 600, 150));
}

TEST_F(EditorWindow, ResizingASplitWindowKeepsTheProportionOfThePanes) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    SetClientSize(600, 400);
    Form().ToggleSplit();
    EXPECT_EQ(Pane1Rect().height(), 200);
    SetClientSize(600, 200);
    EXPECT_EQ(Pane1Rect(), QRect(0, 100, 600, 100));
    EXPECT_EQ(BarRect(), QRect(0, 95, 600, 5));
    EXPECT_EQ(Pane2Rect(), QRect(0, 0, 600, 95));
    SetClientSize(600, 301);  // 100 * 301 / 200 = 150.5, to the nearest
    EXPECT_EQ(Pane1Rect().height(), 151);
    EXPECT_EQ(Form().LastClientHeight(), 301);
}

TEST_F(EditorWindow, AfterAClientHeightOfZeroThePanesShareTheNewHeight) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    SetClientSize(600, 300);
    Form().ToggleSplit();
    Form().resize(600, 0);
    EXPECT_EQ(Pane1Rect().height(), 0);
    Form().resize(600, 240);
    EXPECT_EQ(Pane1Rect(), QRect(0, 120, 600, 120));
}

TEST_F(EditorWindow, DraggingTheBarUpGrowsTheLowerPaneByAsMuch) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    SetClientSize(600, 300);
    Form().ToggleSplit();
    const int top = ClientTop();
    const int x = Form().mapToGlobal(QPoint(0, 0)).x();
    Form().SplitterPressed(top + 147);
    EXPECT_EQ(Form().DragLine(), nullptr);
    Form().SplitterMoved(QPoint(x, top + 100));
    ASSERT_NE(Form().DragLine(), nullptr);
    EXPECT_EQ(Form().DragLine()->geometry(), QRect(0, 100, 600, 1));
    for (const int outside : {3, 2, -20, 297, 298, 400}) {
        Form().SplitterMoved(QPoint(x, top + outside));
        EXPECT_EQ(Form().DragLine()->geometry(), QRect(0, 100, 600, 1)) << outside;
    }
    EXPECT_EQ(Pane1Rect().height(), 150);  // nothing moves before the release
    Form().SplitterReleased();
    EXPECT_EQ(Form().DragLine(), nullptr);
    EXPECT_EQ(Pane1Rect(), QRect(0, 103, 600, 197));
    EXPECT_EQ(Pane2Rect(), QRect(0, 0, 600, 98));
    Form().SplitterMoved(QPoint(x, top + 200));  // no button down
    EXPECT_EQ(Form().DragLine(), nullptr);
}

TEST_F(EditorWindow, APressAndReleaseWithoutALineChangesNothing) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    SetClientSize(600, 300);
    Form().ToggleSplit();
    Form().SplitterPressed(ClientTop() + 147);
    Form().SplitterMoved(QPoint(0, ClientTop() + 1));
    Form().SplitterReleased();
    EXPECT_EQ(Pane1Rect().height(), 150);
}

TEST_F(EditorWindow, TheMouseDragsTheBarDown) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    SetClientSize(600, 300);
    Form().ToggleSplit();
    TSplitterBar& bar = *Form().Splitter();
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(10, 2));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 52), bar.mapToGlobal(QPointF(10, 52)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &move);
    ASSERT_NE(Form().DragLine(), nullptr);
    EXPECT_EQ(Form().DragLine()->geometry().top(), 145 + 52);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(10, 52));
    EXPECT_EQ(Pane1Rect().height(), 100);
}

TEST_F(EditorWindow, TheFocusMakesAPaneTheActiveEditor) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    Form().ToggleSplit();
    EXPECT_EQ(&Form().ActiveEditor(), &Form().Editor1());
    Focus(*Form().SecondPane());
    EXPECT_EQ(&Form().ActiveEditor(), Form().SecondPane());
    Focus(Form().Pane1());
    EXPECT_EQ(&Form().ActiveEditor(), &Form().Editor1());
}

TEST_F(EditorWindow, BookmarksSetInOnePaneAreFoundFromBothAndClearedFromBoth) {
    Start({MakeFile(QStringLiteral("a.txt"), "1\r\n2\r\nthree\r\n4\r\n")});
    Form().ToggleSplit();
    THostedEditor& upper = *Form().SecondPane();
    Focus(upper);
    upper.SetCaretPosition(3, 2);
    Form().SetBookmark(4);
    EXPECT_EQ(Editor1().Store().Marker(4), (TParaPos{3, 2}));
    Focus(Form().Pane1());
    Form().GotoBookmark(4);
    int col = 0;
    EXPECT_EQ(Editor1().GetCaretPosition(col), 3);
    EXPECT_EQ(col, 2);
    Focus(upper);
    upper.SetCaretPosition(1, 1);
    Form().GotoBookmark(4);
    EXPECT_EQ(upper.GetCaretPosition(col), 3);
    Form().GotoBookmark(5);  // not set: nothing happens
    EXPECT_EQ(upper.GetCaretPosition(col), 3);
    Form().SetBookmark(7);
    Form().ClearBookmarks();
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(Editor1().Store().Marker(n).Para, 0) << n;
}

TEST_F(EditorWindow, ThePopupMenuHasItsItemsWithCaptionsAndHints) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    QMenu& menu = Form().PopupMenu();
    EXPECT_EQ(menu.objectName(), "Z_PopupMenu");
    QStringList rows;
    for (QAction* item : menu.actions())
        rows << item->objectName() + QLatin1Char('|') + item->text() + QLatin1Char('|') +
                    item->statusTip();
    EXPECT_EQ(rows, (QStringList{"MI_SaveFile|Save file\tCtrl+S|Save current file",
                                 "MI_SaveFileAs|Save file as...|Save current file under a "
                                 "different name",
                                 "MI_Close|Close\tCtrl+F4|Close current file", "MI_N02||",
                                 "MI_Split|Split editor|Split/Unsplit editor window", "MI_N01||",
                                 "MI_BMSet|Set bookmark|Set a bookmark at the cursor position",
                                 "MI_BMGo|Go to bookmark|Go to an existing bookmark",
                                 "MI_BMClearAll|Clear all bookmarks|Remove any existing "
                                 "bookmarks"}));
    for (const char* prefix : {"MI_BMSet", "MI_BMGo"}) {
        QMenu* submenu = PopupItem(prefix).menu();
        ASSERT_NE(submenu, nullptr);
        ASSERT_EQ(submenu->actions().size(), 10);
        EXPECT_EQ(submenu->actions()[7]->objectName(), QString::fromLatin1(prefix) + "7");
        EXPECT_EQ(submenu->actions()[7]->text(), "Bookmark &7");
    }
    EXPECT_EQ(PopupItem("MI_BMSet3").statusTip(), "Set bookmark 3");
    EXPECT_EQ(PopupItem("MI_BMGo9").statusTip(), "Go to bookmark 9");
}

// A right click goes through the main window's window, as the window system delivers it;
// the Menu key arrives as a keyboard context-menu event for the focused pane. Either opens
// the pop-up menu by the pane, whose items are then clicked like any menu's.
TEST_F(EditorWindow, TheRightButtonAndTheMenuKeyOpenThePopupMenuOfEitherPane) {
    Start({MakeFile(QStringLiteral("a.txt"), "1\r\n2\r\n3\r\n")});
    Form().ToggleSplit();
    QMenu& menu = Form().PopupMenu();
    const auto click = [&menu](const char* name) {
        auto* item = menu.findChild<QAction*>(QString::fromLatin1(name));
        auto* owner = qobject_cast<QMenu*>(item->associatedObjects().constFirst());
        HoverItem(*owner, *item);
        ClickItem(*owner, *item);
    };
    for (THostedEditor* pane : {&Form().Pane1(), Form().SecondPane()}) {
        QWidget* viewport = pane->Widget().viewport();
        const QPoint at(20, 10);
        QTest::mouseClick(Main().windowHandle(), Qt::RightButton, {}, viewport->mapTo(&Main(), at));
        ASSERT_TRUE(menu.isVisible());
        EXPECT_EQ(menu.pos(), viewport->mapToGlobal(at));
        menu.hide();
        QTest::mouseClick(Main().windowHandle(), Qt::LeftButton, {}, viewport->mapTo(&Main(), at));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_EQ(focus, &pane->Widget()) << (focus ? focus->metaObject()->className() : "none");
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                  focus->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(focus, &menuKey);
        ASSERT_TRUE(menu.isVisible());
        menu.hide();
    }
    QWidget* lower = Form().Pane1().Widget().viewport();
    QTest::mouseClick(Main().windowHandle(), Qt::LeftButton, {},
                      lower->mapTo(&Main(), QPoint(20, 5)));
    Editor1().SetCaretPosition(2, 1);
    menu.popup(QPoint(0, 0));
    QMenu* set = PopupItem("MI_BMSet").menu();
    HoverItem(menu, *set->menuAction());
    QTest::keyClick(&menu, Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(set));
    click("MI_BMSet3");
    EXPECT_EQ(Editor1().Store().Marker(3), (TParaPos{2, 1}));
    menu.popup(QPoint(0, 0));
    click("MI_BMClearAll");
    EXPECT_EQ(Editor1().Store().Marker(3).Para, 0);
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(EditorWindow, ThePopupItemsSplitSetGoAndClearBookmarksAndClose) {
    Start({MakeFile(QStringLiteral("a.txt"), "1\r\n2\r\n3\r\n")});
    PopupItem("MI_Split").trigger();
    EXPECT_TRUE(Form().IsSplit());
    EXPECT_TRUE(Main().SpeedButtons().Button(QStringLiteral("SP_Split"))->isChecked());
    Editor1().SetCaretPosition(2, 1);
    PopupItem("MI_BMSet3").trigger();
    EXPECT_EQ(Editor1().Store().Marker(3), (TParaPos{2, 1}));
    Editor1().SetCaretPosition(1, 1);
    PopupItem("MI_BMGo3").trigger();
    int col = 0;
    EXPECT_EQ(Editor1().GetCaretPosition(col), 2);
    PopupItem("MI_BMClearAll").trigger();
    EXPECT_EQ(Editor1().Store().Marker(3).Para, 0);
    PopupItem("MI_Close").trigger();
    Settle();
    EXPECT_TRUE(Captions().isEmpty());
}

// What stands on the screen for `widget` differs from a fresh paint of it in this many
// pixels (the caret, which blinks, left out).
int StalePixels(QWidget& widget, const QRect& caret) {
    QWidget& top = *widget.window();
    const QImage screen = top.screen()->grabWindow(top.winId()).toImage();
    const QImage shown = screen.copy(QRect(widget.mapTo(&top, QPoint(0, 0)), widget.size()))
                             .convertToFormat(QImage::Format_RGB32);
    const QImage fresh = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int stale = 0;
    for (int y = 0; y < fresh.height(); ++y)
        for (int x = 0; x < fresh.width(); ++x)
            if (!caret.contains(x, y) && shown.pixel(x, y) != fresh.pixel(x, y)) ++stale;
    return stale;
}

// Tiling moves and resizes every window at once; each pane then shows on the screen what
// a fresh paint of it shows, the active one and the others alike (after a cascade the
// windows overlap, so only the tiles are compared).
TEST_F(EditorWindow, TiledWindowsArePaintedWholeWhereTheyNowStand) {
    QByteArray text;
    for (int i = 1; i <= 300; ++i)
        text += "line " + QByteArray::number(i) + " of a text that is wider than a tile\r\n";
    Start({MakeFile(QStringLiteral("a.txt"), text), MakeFile(QStringLiteral("b.txt"), text),
           MakeFile(QStringLiteral("c.txt"), text)});
    Main().resize(800, 600);
    Settle();
    Editor1().SetCaretPosition(300, 1);
    for (const char* item :
         {"MI_WindowTileHorz", "MI_WindowTileVert", "MI_WindowCascade", "MI_WindowTileHorz"}) {
        ClickItem(ClickMenu("MI_Window"), Item(item));
        QTest::qWait(50);
        if (std::string_view(item) == "MI_WindowCascade") continue;
        for (QMdiSubWindow* child : Main().MdiArea().subWindowList()) {
            TQtEditorWidget& widget = TMdiEditorWindows::FormOf(*child)->Pane1().Widget();
            EXPECT_EQ(StalePixels(*widget.viewport(), widget.Caret().Rect()), 0)
                << item << " " << child->windowTitle().toStdString();
        }
    }
}

TEST_F(EditorWindow, Editor1sErrorsShowTheirMessage) {
    Start({MakeFile(QStringLiteral("a.txt"), "abcdef\r\nghijkl\r\n")});
    Editor1().SetParaLengthLimit(10);
    Editor1().SetCaretPosition(1, 7);
    FDialogs.ExpectMessage(mrOk);
    Editor1().ProcessCommand(ccDel, 0);
    EXPECT_EQ(TextOf(Editor1()), "abcdef\nghijkl\n");
    ASSERT_EQ(FDialogs.Calls().size(), 1u);
    EXPECT_EQ(FDialogs.Calls()[0].Message.Kind, mkError);
    EXPECT_EQ(FDialogs.Calls()[0].Message.Buttons, mbOK);
    EXPECT_EQ(FDialogs.Calls()[0].Message.Text,
              "The paragraphs cannot be joined because the resulting paragraph would exceed the "
              "32KB size limit.");
}

TEST_F(EditorWindow, CodesWithoutATextShowNothingAndTheCodeIsLeftAlone) {
    Start({MakeFile(QStringLiteral("a.txt"))});
    for (std::uint16_t code : {std::uint16_t{262}, std::uint16_t{269}, std::uint16_t{1}}) {
        std::uint16_t reported = code;
        Editor1().OnError(Editor1(), reported);
        EXPECT_EQ(reported, code);
    }
    FDialogs.ExpectMessage(mrOk);
    std::uint16_t reported = 267;
    Editor1().OnError(Editor1(), reported);
    EXPECT_EQ(reported, 267);
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"File too large for memory."});
}

TEST_F(EditorWindow, EveryStatusReportRefreshesTheStatusLine) {
    Start({MakeFile(QStringLiteral("a.txt"), "one\r\ntwo\r\n")});
    Settle();
    EXPECT_EQ(Main().StatusPanels().Panel(spPosition).text(), "Ln: 1  Col: 1");
    Editor1().SetCaretPosition(2, 3);
    Settle();
    EXPECT_EQ(Main().StatusPanels().Panel(spPosition).text(), "Ln: 2  Col: 3");
    Form().ToggleSplit();
    Focus(*Form().SecondPane());
    Form().SecondPane()->SetCaretPosition(1, 2);
    Settle();
    EXPECT_EQ(Main().StatusPanels().Panel(spPosition).text(), "Ln: 1  Col: 2");
    EXPECT_EQ(Main().StatusPanels().Panel(spLineCount).text(), "Lines: 3");
}

TEST_F(EditorWindow, KeysTypedIntoTheWindowEditItsTextAndMenuShortcutsComeFirst) {
    const QString name = MakeFile(QStringLiteral("a.txt"), "world\r\n");
    Start({name});
    TQtEditorWidget& widget = Form().Pane1().Widget();
    Focus(Form().Pane1());
    QTest::keyClicks(&widget, QStringLiteral("hello "));
    EXPECT_EQ(TextOf(Editor1()), "hello world\n");
    QTest::keyClick(&widget, Qt::Key_End);
    QTest::keyClick(&widget, Qt::Key_Return);
    QTest::keyClicks(&widget, QStringLiteral("again"));
    EXPECT_EQ(TextOf(Editor1()), "hello world\nagain\n");
    QTest::keyClick(&widget, Qt::Key_S, Qt::ControlModifier);  // File > Save
    EXPECT_EQ(FileBytes(name), "hello world\r\nagain\r\n");
    QTest::keyClick(&widget, Qt::Key_A, Qt::ControlModifier);  // Edit > Select all
    EXPECT_TRUE(Editor1().HasSelection());
    QTest::keyClick(&widget, Qt::Key_Insert);
    Settle();
    EXPECT_EQ(Main().StatusPanels().Panel(spMode).text(), "Overwrite");
    QTest::keyClick(&widget, Qt::Key_Insert);
    Settle();
    EXPECT_EQ(Main().StatusPanels().Panel(spMode).text(), "Insert");
}

TEST_F(EditorWindow, KeysTypedIntoTheUpperPaneShowInBoth) {
    Start({MakeFile(QStringLiteral("a.txt"), "text\r\n")});
    Form().ToggleSplit();
    Focus(*Form().SecondPane());
    QTest::keyClicks(&Form().SecondPane()->Widget(), QStringLiteral("more "));
    EXPECT_EQ(TextOf(Editor1()), "more text\n");
    Settle();
    EXPECT_EQ(Main().StatusPanels().Panel(spPosition).text(), "Ln: 1  Col: 6");
    EXPECT_EQ(Main().StatusPanels().Panel(spModified).text(), "Modified");
}

TEST_F(EditorWindow, TabTypesInEitherPaneAndKeepsTheFocus) {
    Start({MakeFile(QStringLiteral("a.txt"), "text\r\n")});
    Form().ToggleSplit();
    Focus(*Form().SecondPane());
    QTest::keyClick(&Form().SecondPane()->Widget(), Qt::Key_Tab);
    EXPECT_TRUE(Form().SecondPane()->Widget().hasFocus());
    Focus(Form().Pane1());
    QTest::keyClick(&Form().Pane1().Widget(), Qt::Key_Tab);
    EXPECT_TRUE(Form().Pane1().Widget().hasFocus());
    EXPECT_EQ(TextOf(Editor1()), std::string(16, ' ') + "text\n");
}

TEST_F(EditorWindow, Screenshot) {
    const QString letter = MakeFile(QStringLiteral("letter.txt"),
                                    "Dear reader,\r\n\r\nthis text is shown in two panes.\r\n");
    const QString notes = MakeFile(QStringLiteral("notes.txt"), "one\r\ntwo\r\nthree\r\n");
    WriteIni(
        "[Colors]\nProgramColor=8421376\n[Desktop]\nRestoreStyle=3\nScrnTop=0\nScrnLeft=0\n"
        "ScrnHeight=520\nScrnWidth=760\n");
    Start({notes, letter});
    Main().MdiArea().tileSubWindows();
    Form().ToggleSplit();
    Editor1().SetCaretPosition(3, 6);
    Form().SetBookmark(2);
    Editor1().SetSelection(3, 6, 3, 10, true);
    Settle();
    EXPECT_TRUE(Main().grab().save(QDir::current().filePath(QStringLiteral("editor_windows.png"))));
}

}  // namespace
}  // namespace wendax
