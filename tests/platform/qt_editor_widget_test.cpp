// The editor window in Qt: what reaches its client, and how it answers the client.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_editor_widget.h"
#include "tests/platform/qt_recording_client.h"

namespace wendax {
namespace {

using TLines = std::vector<std::string>;

class QtEditorWidget : public ::testing::Test {
  protected:
    void SetUp() override {
        QGuiApplication::styleHints()->setCursorFlashTime(0);  // a caret that does not blink
        Widget.SetClient(&Client);
        Client.OnPaint = [](TDrawingSurface& surface, const TRect& clip) {
            surface.FillRect(clip, 0x00FFFFFF);
        };
        Widget.resize(400, 300);
        Widget.show();
        QApplication::setActiveWindow(&Widget);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Widget));
        Client.Clear();
    }

    void SendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&Widget, &event);
    }

    void SendMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                   Qt::KeyboardModifiers modifiers, QPoint pos) {
        const QPointF global = Widget.viewport()->mapToGlobal(QPointF(pos));
        QMouseEvent event(type, QPointF(pos), global, button, held, modifiers);
        QApplication::sendEvent(Widget.viewport(), &event);
    }

    QImage Grab() { return Widget.viewport()->grab().toImage(); }

    TRecordingClient Client;
    TQtEditorWidget Widget;
};

TEST_F(QtEditorWidget, KeysReachKeyDownWithTheirNumberAndModifierBits) {
    const Qt::KeyboardModifiers combinations[] = {
        {}, Qt::ShiftModifier, Qt::ControlModifier, Qt::ShiftModifier | Qt::ControlModifier};
    for (const Qt::KeyboardModifiers modifiers : combinations) {
        for (const int key : {Qt::Key_Left, Qt::Key_PageDown, Qt::Key_F2, Qt::Key_Z, Qt::Key_7}) {
            Client.Clear();
            SendKey(key, modifiers);
            const int bits =
                (modifiers & Qt::ShiftModifier ? 2 : 0) + (modifiers & Qt::ControlModifier ? 4 : 0);
            const int number = key == Qt::Key_Left       ? 37
                               : key == Qt::Key_PageDown ? 34
                               : key == Qt::Key_F2       ? 113
                               : key == Qt::Key_Z        ? 90
                                                         : 55;
            EXPECT_EQ(Client.Lines(), TLines{"KeyDown " + std::to_string(number) + " shift " +
                                             std::to_string(bits)});
        }
    }
}

TEST_F(QtEditorWidget, AltHeldKeysGoToSysKeyDownAndTypeNothing) {
    SendKey(Qt::Key_X, Qt::AltModifier, "x");
    SendKey(Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier, "\b");
    EXPECT_EQ(Client.Lines(), (TLines{"SysKeyDown 88 shift 8", "SysKeyDown 8 shift 10"}));
}

TEST_F(QtEditorWidget, KeysTheClientDoesNotConsumeTypeTheirCharacters) {
    QTest::keyClick(&Widget, Qt::Key_A);
    SendKey(Qt::Key_Eacute, Qt::ShiftModifier, QString::fromUtf8("É"));
    SendKey(Qt::Key_E, {}, QString::fromUtf8("€"));
    EXPECT_EQ(Client.Lines(), (TLines{"KeyDown 65 shift 0", "Char 97", "KeyDown 0 shift 2",
                                      "Char 201", "KeyDown 69 shift 0", "Char 8364"}));
}

TEST_F(QtEditorWidget, ConsumedKeysTypeNothing) {
    Client.ConsumeKey = [](const TKeyMessage& key) { return key.Key == 'A'; };
    QTest::keyClicks(&Widget, "ab");
    EXPECT_EQ(Client.Lines(), (TLines{"KeyDown 65 shift 0", "KeyDown 66 shift 0", "Char 98"}));
}

TEST_F(QtEditorWidget, CtrlLettersTypeTheirControlBytes) {
    SendKey(Qt::Key_Q, Qt::ControlModifier, "q");
    SendKey(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier, "!");
    EXPECT_EQ(Client.Lines(), (TLines{"KeyDown 81 shift 4", "Char 17", "KeyDown 49 shift 6"}));
}

TEST_F(QtEditorWidget, FailureInTheClientEndsTheEventAndShowsInAnErrorBoxAfterwards) {
    Client.ConsumeKey = [](const TKeyMessage& key) -> bool {
        if (key.Key == 'F') throw std::runtime_error("Disk full");
        return false;
    };
    SendKey(Qt::Key_F, {}, "f");
    EXPECT_TRUE(Client.Lines("Char").empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QString caption;
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    poll.start(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }));
    EXPECT_EQ(text, "Disk full");
    EXPECT_EQ(caption, "Wendax 32");
    SendKey(Qt::Key_G, {}, "g");
    EXPECT_EQ(Client.Lines("Char"), TLines{"Char 103"});
}

TEST_F(QtEditorWidget, MouseEventsCarryButtonPositionAndModifierBits) {
    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier,
              {30, 40});
    EXPECT_TRUE(Widget.IsButtonDown(mbLeft));
    SendMouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier, {35, 41});
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::AltModifier, {36, 42});
    EXPECT_FALSE(Widget.IsButtonDown(mbLeft));
    SendMouse(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier,
              {36, 42});
    SendMouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton,
              Qt::ControlModifier | Qt::AltModifier, {5, 6});
    EXPECT_TRUE(Widget.IsButtonDown(mbRight));
    EXPECT_FALSE(Widget.IsButtonDown(mbLeft));
    SendMouse(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, {}, {7, 8});
    EXPECT_EQ(
        Client.Lines(),
        (TLines{"CursorQuery 30,40", "MouseDown left 30,40 shift 2", "CursorQuery 35,41",
                "MouseMove 35,41 shift 4", "MouseUp left 36,42 shift 8",
                "DoubleClick left 36,42 shift 2", "CursorQuery 5,6", "MouseDown right 5,6 shift 12",
                "CursorQuery 7,8", "MouseDown middle 7,8 shift 0"}));
}

TEST_F(QtEditorWidget, CapturedMouseAsksForNoCursorShape) {
    Widget.SetMouseCapture(true);
    SendMouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {}, {-20, 500});
    Widget.SetMouseCapture(false);
    SendMouse(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {}, {1, 2});
    EXPECT_EQ(Client.Lines(),
              (TLines{"MouseMove -20,500 shift 0", "CursorQuery 1,2", "MouseMove 1,2 shift 0"}));
}

TEST_F(QtEditorWidget, CursorShapesAndPositionFollowTheClient) {
    Widget.SetCursorShape(crMargin);
    EXPECT_EQ(Widget.viewport()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(Widget.viewport()->cursor().hotSpot(), QPoint(11, 0));
    Widget.SetCursorShape(crArrow);
    EXPECT_EQ(Widget.viewport()->cursor().shape(), Qt::ArrowCursor);
    Widget.SetCursorShape(crIBeam);
    EXPECT_EQ(Widget.viewport()->cursor().shape(), Qt::IBeamCursor);
    QCursor::setPos(Widget.viewport()->mapToGlobal(QPoint(12, 34)));
    EXPECT_EQ(Widget.CursorPos(), (TPoint{12, 34}));
}

TEST_F(QtEditorWidget, PostedMessagesArriveLaterInPostingOrder) {
    Client.OnMessage = [this](const TPostedMessage& message) {
        if (message.Msg == 1) Widget.PostMessage({3, 0, 0});
    };
    Widget.PostMessage({1, 0, 0});
    for (int i = 0; i < 20; ++i)
        Widget.PostMessage({0x7F02, i, -i});
    EXPECT_TRUE(Client.Lines().empty());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    TLines expected{"Message 1 0 0"};
    for (int i = 0; i < 20; ++i)
        expected.push_back("Message 32514 " + std::to_string(i) + " " + std::to_string(-i));
    expected.push_back("Message 3 0 0");
    EXPECT_EQ(Client.Lines(), expected);
}

TEST_F(QtEditorWidget, TimersTickUntilStoppedAndRestartReplacesTheInterval) {
    Widget.StartTimer(7, 1);
    Widget.StartTimer(8, 1);
    Widget.StartTimer(8, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Client.Lines("Timer 7").size() >= 3; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Client.Lines("Timer 8").size() >= 3; }));
    Widget.StopTimer(7);
    Widget.StopTimer(8);
    Widget.StopTimer(99);
    Client.Clear();
    QTest::qWait(30);
    EXPECT_TRUE(Client.Lines("Timer").empty());
}

TEST_F(QtEditorWidget, ScrollBarsMirrorTheClientsRangeAndPosition) {
    Widget.SetScrollRange(sbVertical, 1, 81);
    Widget.SetScrollPos(sbVertical, 10);
    QScrollBar* bar = Widget.verticalScrollBar();
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 81);
    EXPECT_EQ(bar->value(), 10);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(Widget.ClientSize().Width, 400 - 2 * Widget.frameWidth() - bar->width());
    EXPECT_EQ(Client.Lines("Resized").size(), 1u);
    Widget.SetScrollRange(sbVertical, 1, 1);
    EXPECT_FALSE(bar->isVisible());
    Widget.SetScrollRange(sbHorizontal, 0, 512);
    EXPECT_TRUE(Widget.horizontalScrollBar()->isVisible());
    Widget.SetScrollRange(sbHorizontal, 0, 0);
    EXPECT_FALSE(Widget.horizontalScrollBar()->isVisible());
    EXPECT_EQ(Widget.ClientSize(),
              (TSize{400 - 2 * Widget.frameWidth(), 300 - 2 * Widget.frameWidth()}));
}

TEST_F(QtEditorWidget, FrameHidesBarsAndBorderWithoutLosingTheirState) {
    Widget.SetScrollRange(sbVertical, 1, 20);
    Widget.SetFrame({true, false, false});
    EXPECT_FALSE(Widget.verticalScrollBar()->isVisible());
    EXPECT_EQ(Widget.frameWidth(), 0);
    EXPECT_EQ(Widget.ClientSize(), (TSize{400, 300}));
    Widget.SetFrame({true, true, true});
    EXPECT_TRUE(Widget.verticalScrollBar()->isVisible());
    EXPECT_EQ(Widget.verticalScrollBar()->maximum(), 20);
}

TEST_F(QtEditorWidget, BarActionsReachTheClientAndTheBarKeepsTheClientsPosition) {
    Widget.SetScrollRange(sbVertical, 1, 81);
    Widget.SetScrollPos(sbVertical, 10);
    QScrollBar* bar = Widget.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(bar->value(), 10);
    Client.OnScroll = [this](TScrollBarKind kind, TScrollCode code, int pos) {
        if (code == scThumbTrack) Widget.SetScrollPos(kind, pos);
    };
    bar->setSliderDown(true);
    bar->setSliderPosition(40);
    bar->setSliderDown(false);
    EXPECT_EQ(bar->value(), 40);
    Widget.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    Widget.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Client.Lines("Scroll"),
              (TLines{"Scroll v 1 10", "Scroll v 2 10", "Scroll v 4 40", "Scroll v 5 40",
                      "Scroll v 8 40", "Scroll h 3 0", "Scroll h 0 0"}));
}

TEST_F(QtEditorWidget, ClickOnTheBarsArrowIsALineDown) {
    Widget.SetScrollRange(sbVertical, 1, 81);
    QScrollBar* bar = Widget.verticalScrollBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    EXPECT_EQ(Client.Lines("Scroll"), TLines{"Scroll v 1 0"});
}

TEST_F(QtEditorWidget, WheelScrollsLinesPerNotchWhereABarIsShown) {
    const int lines = QApplication::wheelScrollLines();
    QWheelEvent sideways(QPointF(10, 10), Widget.viewport()->mapToGlobal(QPointF(10, 10)), {},
                         QPoint(-240, 0), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Widget.viewport(), &sideways);
    EXPECT_TRUE(Client.Lines("Scroll").empty());
    Widget.SetScrollRange(sbVertical, 1, 81);
    QWheelEvent down(QPointF(10, 10), Widget.viewport()->mapToGlobal(QPointF(10, 10)), {},
                     QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Widget.viewport(), &down);
    QWheelEvent halfUp(QPointF(10, 10), Widget.viewport()->mapToGlobal(QPointF(10, 10)), {},
                       QPoint(0, 60), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Widget.viewport(), &halfUp);
    EXPECT_EQ(Client.Lines("Scroll").size(), static_cast<std::size_t>(lines));
    QApplication::sendEvent(Widget.viewport(), &halfUp);
    const TLines scrolls = Client.Lines("Scroll");
    ASSERT_EQ(scrolls.size(), static_cast<std::size_t>(2 * lines));
    EXPECT_EQ(scrolls.front(), "Scroll v 1 0");
    EXPECT_EQ(scrolls.back(), "Scroll v 0 0");
}

TEST_F(QtEditorWidget, ResizeIsReportedOnceWithTheNewClientSize) {
    Widget.resize(500, 200);
    EXPECT_EQ(Client.Lines("Resized").size(), 1u);
    EXPECT_EQ(Widget.ClientSize(),
              (TSize{500 - 2 * Widget.frameWidth(), 200 - 2 * Widget.frameWidth()}));
}

TEST_F(QtEditorWidget, UpdateNowPaintsTheInvalidatedRectangleAtOnceUnlessRedrawIsOff) {
    Widget.Invalidate({10, 20, 50, 30});
    Widget.UpdateNow();
    EXPECT_EQ(Client.Lines("Paint"), TLines{"Paint 10,20 40x10"});
    Client.Clear();
    Widget.UpdateNow();
    Widget.SetRedraw(false);
    Widget.Invalidate({0, 0, 5, 5});
    Widget.UpdateNow();
    EXPECT_TRUE(Client.Lines("Paint").empty());
    Widget.SetRedraw(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Client.Lines("Paint").empty(); }));
}

// Rows of one colour each, numbered from the top of the text; scrolling moves them.
TEST_F(QtEditorWidget, ScrollPixelsMovesThePictureAndPaintsTheUncoveredStrip) {
    int firstRow = 0;
    Client.OnPaint = [&firstRow](TDrawingSurface& surface, const TRect& clip) {
        for (int y = clip.Top; y < clip.Bottom; ++y) {
            const TColor shade = static_cast<TColor>((y + firstRow) * 3 % 256);
            surface.FillRect({clip.Left, y, clip.Right, y + 1}, shade * 0x010101);
        }
    };
    Widget.InvalidateAll();
    Widget.UpdateNow();
    firstRow = 10;
    Client.Clear();
    Widget.ScrollPixels({0, 0, 200, 100}, 0, -10);
    Widget.UpdateNow();
    EXPECT_EQ(Client.Lines("Paint"), TLines{"Paint 0,90 200x10"});
    const QImage picture = Widget.viewport()->grab().toImage();
    for (const int y : {0, 50, 89, 95, 99})
        EXPECT_EQ(qRed(picture.pixel(100, y)), (y + 10) * 3 % 256) << y;
}

TEST_F(QtEditorWidget, CaretIsInvertedOverTheTextAndHidesByCount) {
    Widget.CreateCaret(2, 16, false);
    Widget.SetCaretPos({20, 10});
    EXPECT_EQ(Grab().pixel(20, 10), qRgb(255, 255, 255));
    Widget.ShowCaret();
    QImage picture = Grab();
    EXPECT_EQ(picture.pixel(20, 10), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(21, 25), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(22, 10), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(20, 26), qRgb(255, 255, 255));
    Widget.HideCaret();
    Widget.HideCaret();
    Widget.ShowCaret();
    EXPECT_EQ(Grab().pixel(20, 10), qRgb(255, 255, 255));
    Widget.ShowCaret();
    Widget.ShowCaret();
    EXPECT_EQ(Grab().pixel(20, 10), qRgb(0, 0, 0));
    Widget.HideCaret();
    EXPECT_EQ(Grab().pixel(20, 10), qRgb(255, 255, 255));
    Widget.DestroyCaret();
    Widget.ShowCaret();
    EXPECT_FALSE(Widget.Caret().IsVisible());
}

TEST_F(QtEditorWidget, GreyCaretInvertsEveryOtherPixelAndBitmapCaretItsOpaquePixels) {
    Widget.CreateCaret(8, 8, true);
    Widget.SetCaretPos({0, 0});
    Widget.ShowCaret();
    QImage picture = Grab();
    int inverted = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            inverted += picture.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_EQ(inverted, 32);
    TBitmap bitmap{3, 1, {0, 0xFFFFFFFF, 0}};
    Widget.CreateBitmapCaret(bitmap);
    Widget.ShowCaret();
    picture = Grab();
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(2, 0), qRgb(255, 255, 255));
}

TEST_F(QtEditorWidget, CaretParkedFarOutsideDrawsNothing) {
    Widget.CreateCaret(2, 16, false);
    Widget.ShowCaret();
    Widget.SetCaretPos({2147483647, 2147483647});
    Widget.SetCaretPos({32767, 32767});
    EXPECT_EQ(Grab().pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(QtEditorWidget, CaretBlinksWithTheDesktopBlinkTime) {
    QGuiApplication::styleHints()->setCursorFlashTime(40);
    Widget.CreateCaret(2, 16, false);
    Widget.SetCaretPos({5, 5});
    Widget.ShowCaret();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Grab().pixel(5, 5) == qRgb(255, 255, 255); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Grab().pixel(5, 5) == qRgb(0, 0, 0); }));
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    Widget.SetCaretPos({6, 5});
    QTest::qWait(50);
    EXPECT_EQ(Grab().pixel(6, 5), qRgb(0, 0, 0));
}

TEST_F(QtEditorWidget, FontMetricsComeFromQtAndUnknownNamesUseTheSystemFixedFont) {
    const TTextMetrics metrics = Widget.FontMetrics({"DejaVu Sans Mono", 10, false, false});
    QFont font("DejaVu Sans Mono");
    font.setPointSize(10);
    const QFontMetrics expected(font);
    EXPECT_EQ(metrics.Height, expected.ascent() + expected.descent());
    EXPECT_EQ(metrics.Ascent, expected.ascent());
    EXPECT_EQ(metrics.ExternalLeading, std::max(0, expected.leading()));
    EXPECT_EQ(metrics.AveCharWidth, expected.horizontalAdvance('M'));
    QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    system.setPointSize(14);
    EXPECT_EQ(Widget.FontMetrics({"No Such Font", 14, false, false}).Height,
              QFontMetrics(system).ascent() + QFontMetrics(system).descent());
    EXPECT_EQ(Widget.FontMetrics({"DejaVu Sans", 14, false, false}).Height,
              QFontMetrics(system).ascent() + QFontMetrics(system).descent());
}

// An editor beside a line edit in one active window.
class QtEditorWidgetInWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QHBoxLayout(&Window);
        layout->addWidget(Editor);
        layout->addWidget(Line);
        Editor->SetClient(&Client);
        Window.show();
        QApplication::setActiveWindow(&Window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
        Line->setFocus();
        Client.Clear();
    }
    void TearDown() override { Editor->SetClient(nullptr); }

    TRecordingClient Client;
    QWidget Window;
    TQtEditorWidget* Editor = new TQtEditorWidget(&Window);
    QLineEdit* Line = new QLineEdit(&Window);
};

TEST_F(QtEditorWidgetInWindow, FocusComesAndGoes) {
    EXPECT_TRUE(Editor->CanFocus());
    Editor->SetFocus();
    EXPECT_TRUE(Editor->HasFocus());
    Line->setFocus();
    EXPECT_FALSE(Editor->HasFocus());
    EXPECT_EQ(Client.Lines(), (TLines{"FocusGained", "FocusLost"}));
    Editor->setEnabled(false);
    EXPECT_FALSE(Editor->CanFocus());
    Editor->setEnabled(true);
    Editor->hide();
    EXPECT_FALSE(Editor->CanFocus());
}

TEST_F(QtEditorWidgetInWindow, TabReachesTheClientUnlessItChangesTheFocus) {
    Editor->SetFocus();
    QTest::keyClick(Editor, Qt::Key_Tab);
    EXPECT_EQ(Client.Lines("KeyDown"), TLines{"KeyDown 9 shift 0"});
    EXPECT_TRUE(Editor->HasFocus());
    Editor->SetTabChangesFocus(true);
    QTest::keyClick(Editor, Qt::Key_Tab);
    EXPECT_TRUE(Line->hasFocus());
    EXPECT_EQ(Client.Lines("KeyDown").size(), 1u);
}

TEST_F(QtEditorWidgetInWindow, ClickThatBringsTheFocusReachesTheClientOnlyIfItAgrees) {
    Client.ActivateOnClick = false;
    QTest::mouseClick(Editor->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Client.Lines("MouseDown").empty());
    EXPECT_EQ(Client.Lines("MouseActivate").size(), 1u);
    QTest::mouseClick(Editor->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Client.Lines("MouseDown").size(), 1u);
    EXPECT_EQ(Client.Lines("MouseActivate").size(), 1u);
    Line->setFocus();
    Client.ActivateOnClick = true;
    QTest::mouseClick(Editor->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Client.Lines("MouseDown").size(), 2u);
}

}  // namespace
}  // namespace wendax
