// The editor control hosted in its Qt window: real key and mouse events change the text,
// caret and highlight, and a grab of the window shows text and highlight.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTest>

#include "control/controller.h"
#include "control/custom_editor.h"
#include "control/main_command_tables.h"
#include "platform/qt/qt_editor_widget.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/system_colors.h"

namespace wendax {
namespace {

class QtHostedEditor : public ::testing::Test {
  protected:
    void SetUp() override {
        InstallPlatform(&Platform);
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        LoadMainCommandTables(Controller.EntryCommands());
        Editor.SetController(&Controller);
        Widget.SetClient(&Editor);
        Editor.AttachWindow(Widget);
        Widget.resize(500, 300);
        Widget.show();
        QApplication::setActiveWindow(&Widget);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Widget));
        Widget.setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Widget.hasFocus(); }));
    }
    void TearDown() override {
        Widget.SetClient(nullptr);
        Editor.DetachWindow();
        InstallPlatform(nullptr);
    }

    std::string Text() {
        std::string text;
        for (std::int32_t para = 1; para <= Editor.ParaCount(); ++para)
            text += std::string(Editor.GetPara(para)) + (para < Editor.ParaCount() ? "\n" : "");
        return text;
    }
    TLineCol Caret() {
        TLineCol caret;
        caret.Line = Editor.GetCaretPosition(caret.Col);
        return caret;
    }
    // The middle of the cell of `column` on `line` (both 1-based, no scrolling).
    QPoint CellCentre(int line, int column) const {
        return QPoint(Editor.LeftMargin() + (column - 1) * Editor.CharWidth() + 2,
                      (line - 1) * Editor.LineHeight() + Editor.LineHeight() / 2);
    }
    void SendMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos,
                   Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, QPointF(pos), Widget.viewport()->mapToGlobal(QPointF(pos)), button,
                          held, modifiers);
        QApplication::sendEvent(Widget.viewport(), &event);
    }
    QImage Grab() {
        QApplication::processEvents();
        return Widget.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    int CountPixels(const QImage& image, const QRect& area, QRgb color) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixel(x, y) == color ? 1 : 0;
        return count;
    }

    TQtPlatform Platform;
    TOvcController Controller;
    TOvcCustomEditor Editor;
    TQtEditorWidget Widget;
};

TEST_F(QtHostedEditor, TypedKeysInsertTheirCharactersAndMoveTheCaret) {
    QTest::keyClicks(&Widget, "Hello world");
    EXPECT_EQ(Text(), "Hello world");
    EXPECT_EQ(Caret(), (TLineCol{1, 12}));
    QTest::keyClick(&Widget, Qt::Key_Return);
    QTest::keyClicks(&Widget, "x");
    QTest::keyClick(&Widget, Qt::Key_Backspace);
    QTest::keyClick(&Widget, Qt::Key_Up);
    EXPECT_EQ(Text(), "Hello world\n");
    EXPECT_EQ(Caret(), (TLineCol{1, 1}));
}

TEST_F(QtHostedEditor, AWordStarSequenceMovesTheCaretAndTypesNothing) {
    QTest::keyClicks(&Widget, "abc");
    QTest::keyClick(&Widget, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(&Widget, Qt::Key_S);
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(Caret(), (TLineCol{1, 1}));
    QTest::keyClick(&Widget, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(&Widget, Qt::Key_X);
    EXPECT_EQ(Text(), "xabc");
}

TEST_F(QtHostedEditor, TabReachesTheEditorOnlyWhenItWantsIt) {
    Editor.SetWantTab(false);
    QTest::keyClick(&Widget, Qt::Key_Tab);
    Editor.SetWantTab(true);
    QTest::keyClick(&Widget, Qt::Key_Tab);
    EXPECT_EQ(Text(), "\t");
}

TEST_F(QtHostedEditor, AClickPlacesTheCaretAndADragHighlights) {
    QTest::keyClicks(&Widget, "first line");
    QTest::keyClick(&Widget, Qt::Key_Return);
    QTest::keyClicks(&Widget, "second line");
    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CellCentre(1, 3));
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CellCentre(1, 3));
    EXPECT_EQ(Caret(), (TLineCol{1, 3}));
    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CellCentre(1, 7));
    SendMouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, CellCentre(2, 4));
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CellCentre(2, 4));
    std::int32_t line1 = 0, col1 = 0, line2 = 0, col2 = 0;
    ASSERT_TRUE(Editor.GetSelection(line1, col1, line2, col2));
    EXPECT_EQ((std::vector<int>{line1, col1, line2, col2}), (std::vector<int>{1, 7, 2, 4}));
    EXPECT_EQ(Caret(), (TLineCol{2, 4}));
}

TEST_F(QtHostedEditor, HoldingTheButtonBelowTheWindowScrollsOnTimerTicks) {
    for (int i = 1; i <= 60; ++i) {
        QTest::keyClicks(&Widget, QString("line %1").arg(i));
        if (i < 60) QTest::keyClick(&Widget, Qt::Key_Return);
    }
    QTest::keyClick(&Widget, Qt::Key_Home, Qt::ControlModifier);
    ASSERT_EQ(Editor.TopLine(), 1);
    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CellCentre(2, 1));
    SendMouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton,
              QPoint(30, Widget.viewport()->height() + 200));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Editor.TopLine() > 5; }, 2000));
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton,
              QPoint(30, Widget.viewport()->height() + 200));
    const std::int32_t top = Editor.TopLine();
    QTest::qWait(50);
    EXPECT_EQ(Editor.TopLine(), top);
    EXPECT_TRUE(Editor.HasSelection());
}

TEST_F(QtHostedEditor, ADoubleClickSelectsAWord) {
    QTest::keyClicks(&Widget, "one two, three");
    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CellCentre(1, 6));
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CellCentre(1, 6));
    SendMouse(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, CellCentre(1, 6));
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CellCentre(1, 6));
    std::int32_t line1 = 0, col1 = 0, line2 = 0, col2 = 0;
    ASSERT_TRUE(Editor.GetSelection(line1, col1, line2, col2));
    EXPECT_EQ((std::vector<int>{col1, col2}), (std::vector<int>{5, 8}));
}

// The picture is saved beside the test program for looking at it.
TEST_F(QtHostedEditor, AGrabShowsTheTextTheHighlightAndABookmarkGlyph) {
    Editor.SetWantTab(true);
    QTest::keyClicks(&Widget, "The quick brown fox");
    QTest::keyClick(&Widget, Qt::Key_Return);
    QTest::keyClicks(&Widget, "jumps\tover the lazy dog");
    QTest::keyClick(&Widget, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(&Widget, Qt::Key_3);
    QTest::keyClick(&Widget, Qt::Key_Up);
    QTest::keyClick(&Widget, Qt::Key_Home);
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(&Widget, Qt::Key_Right, Qt::ShiftModifier);
    const QImage picture = Grab();
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/qt_hosted_editor.png"));
    const QPalette palette = Widget.palette();
    const QRgb highlight = ResolveColor(SystemColor(sciHighlight), palette).rgb();
    const QRgb background = ResolveColor(SystemColor(sciWindow), palette).rgb();
    const int cell = Editor.CharWidth();
    const int rowHeight = Editor.LineHeight();
    const QRect highlighted(Editor.LeftMargin(), 0, 9 * cell, rowHeight);
    const QRect afterIt(Editor.LeftMargin() + 9 * cell, 0, 10 * cell, rowHeight);
    const QRect secondRow(Editor.LeftMargin(), rowHeight, 20 * cell, rowHeight);
    EXPECT_GT(CountPixels(picture, highlighted, highlight), highlighted.width() * rowHeight / 2);
    EXPECT_EQ(CountPixels(picture, afterIt, highlight), 0);
    EXPECT_LT(CountPixels(picture, afterIt, background), afterIt.width() * rowHeight);
    EXPECT_EQ(CountPixels(picture, secondRow, highlight), 0);
    EXPECT_LT(CountPixels(picture, secondRow, background), secondRow.width() * rowHeight);
    const QRect glyph(1, rowHeight, 12, rowHeight);
    EXPECT_GT(CountPixels(picture, glyph, qRgb(0x3C, 0x6E, 0xC8)), 40);
}

// Key events carrying non-ASCII text, a dead-key style commit and a candidate window's
// pre-edit go in as UTF-8; the commit is one undo step; the input method is told where the
// caret is.
TEST_F(QtHostedEditor, KeysAndInputMethodsTypeUtf8) {
    EXPECT_TRUE(Widget.testAttribute(Qt::WA_InputMethodEnabled));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("é"));
    QApplication::sendEvent(&Widget, &press);
    QKeyEvent emoji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("😀"));
    QApplication::sendEvent(&Widget, &emoji);
    EXPECT_EQ(Text(), "é😀");

    QInputMethodEvent preedit(QString::fromUtf8("にほ"), {});
    QApplication::sendEvent(&Widget, &preedit);
    EXPECT_EQ(Text(), "é😀");  // composing changes no text
    const QRect caret =
        static_cast<QWidget&>(Widget).inputMethodQuery(Qt::ImCursorRectangle).toRect();
    // after é and 😀: three cells; the bar caret stands across the cell's left edge
    EXPECT_NEAR(caret.left(),
                Widget.viewport()->pos().x() + Editor.LeftMargin() + 3 * Editor.CharWidth(), 1);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("日本"));
    QApplication::sendEvent(&Widget, &commit);
    EXPECT_EQ(Text(), "é😀日本");
    EXPECT_EQ(Caret(), (TLineCol{1, 13}));  // after 2 + 4 + 3 + 3 bytes
    Editor.ProcessCommand(ccUndo, 0);
    EXPECT_EQ(Text(), "é😀");
}

// Where the window system has a primary selection, a drag offers the highlight and a real
// middle click pastes the primary selection at the clicked place; where it has none the
// middle click changes nothing.
TEST_F(QtHostedEditor, AMiddleClickPastesThePrimarySelectionWhereTheWindowSystemHasOne) {
    QTest::keyClicks(&Widget, "abcd");
    QClipboard& clipboard = *QGuiApplication::clipboard();
    if (!clipboard.supportsSelection()) {
        QTest::mouseClick(Widget.viewport(), Qt::MiddleButton, {}, CellCentre(1, 2));
        EXPECT_EQ(Text(), "abcd");
        EXPECT_EQ(Caret(), (TLineCol{1, 5}));
        return;
    }
    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CellCentre(1, 1));
    SendMouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, CellCentre(1, 3));
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CellCentre(1, 3));
    EXPECT_EQ(clipboard.text(QClipboard::Selection), "ab");
    clipboard.setText(QString::fromUtf8("ü日"), QClipboard::Selection);
    QTest::mouseClick(Widget.viewport(), Qt::MiddleButton, {}, CellCentre(1, 4));
    EXPECT_EQ(Text(), "abcü日d");
    EXPECT_EQ(Caret(), (TLineCol{1, 9}));
}

// Looked at by eye as well: CJK, emoji, an accented letter with a combining mark, and an
// invalid byte, each in its cells on the grid of the ASCII around it.
TEST_F(QtHostedEditor, AGrabShowsWideCharactersInTwoCellsOnTheGrid) {
    Editor.InsertString(
        "ab日本cd😀e\xcc\x81"
        "f\xff"
        "g");
    Editor.InsertString("\r\n||||||||||||||");
    const QImage picture = Grab();
    picture.save(QString::fromUtf8(qgetenv("WENDAX_GRAB_DIR").isEmpty()
                                       ? "/tmp/wendax_utf8_grab.png"
                                       : qgetenv("WENDAX_GRAB_DIR") + "/utf8_grab.png"));
    const QRgb back = picture.pixel(picture.width() - 2, picture.height() - 2);
    // Each wide character leaves ink in both of its cells; the ASCII after them stays on
    // the grid: 'c' in cell 7, under the seventh bar of the next line.
    const int cell = Editor.CharWidth();
    const int left = Editor.LeftMargin();
    const int row = Editor.LineHeight();
    for (const int first : {3, 5, 9}) {  // 日, 本, 😀 (1-based cells)
        const QRect one(left + (first - 1) * cell, 0, cell, row);
        const QRect two = one.translated(cell, 0);
        EXPECT_LT(CountPixels(picture, one, back), one.width() * one.height()) << first;
        EXPECT_LT(CountPixels(picture, two, back), two.width() * two.height()) << first;
    }
    const QRect replacement(left + 12 * cell, 0, cell, row);  // the invalid byte, cell 13
    EXPECT_LT(CountPixels(picture, replacement, back), replacement.width() * replacement.height());
}

}  // namespace
}  // namespace wendax
