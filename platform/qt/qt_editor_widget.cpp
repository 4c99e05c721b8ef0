#include "platform/qt/qt_editor_widget.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <optional>
#include <utility>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "platform/qt/char_table.h"
#include "platform/qt/key_translation.h"
#include "platform/qt/margin_cursor.h"
#include "platform/qt/qt_drawing_surface.h"
#include "platform/qt/qt_screen_font.h"

namespace wendax {

namespace {

// A message posted to the window, waiting in Qt's queue.
class TPostedMessageEvent : public QEvent {
  public:
    static QEvent::Type Kind() {
        static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
        return kind;
    }
    explicit TPostedMessageEvent(const TPostedMessage& message)
        : QEvent(Kind()), Message(message) {}
    TPostedMessage Message;
};

constexpr int kWheelStep = 120;  // one notch of a common mouse wheel

QRect ToQRect(const TRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

TRect ToTRect(const QRect& rect) {
    return TRect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

TPoint PointOf(const QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    return TPoint{pos.x(), pos.y()};
}

std::optional<TMouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return mbLeft;
        case Qt::RightButton:
            return mbRight;
        case Qt::MiddleButton:
            return mbMiddle;
        default:
            return std::nullopt;
    }
}

Qt::MouseButton QtButtonOf(TMouseButton button) {
    switch (button) {
        case mbLeft:
            return Qt::LeftButton;
        case mbRight:
            return Qt::RightButton;
        case mbMiddle:
            return Qt::MiddleButton;
    }
    return Qt::NoButton;
}

// Shows the message of a failure that escaped the client, once the current event is over
// (never inside a paint); further failures before the box is closed are not shown again.
void ReportFailure(std::exception_ptr failure) {
    static bool showing = false;
    if (showing) return;
    QString text = QStringLiteral("Unknown failure");
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        text = ToPlainText(e.what());
    } catch (...) {
    }
    showing = true;
    QTimer::singleShot(0, qApp, [text] {
        QMessageBox::critical(QApplication::activeWindow(),
                              QGuiApplication::applicationDisplayName(), text);
        showing = false;
    });
}

}  // namespace

// Qt's event handling must not be left by an exception, so each call into the client ends
// here: a failure ends the event it came with and is reported like any other.
template <typename Call>
void TQtEditorWidget::Forward(Call&& call) {
    if (!FClient) return;
    try {
        call(*FClient);
    } catch (...) {
        ReportFailure(std::current_exception());
    }
}

TQtEditorWidget::TQtEditorWidget(QWidget* parent)
    : QAbstractScrollArea(parent),
      FCaret(viewport()),
      FHorzBar(
          horizontalScrollBar(),
          [this](TScrollCode code, int pos) { ForwardScrollAction(sbHorizontal, code, pos); },
          [this](bool shown) {
              setHorizontalScrollBarPolicy(shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
          }),
      FVertBar(
          verticalScrollBar(),
          [this](TScrollCode code, int pos) { ForwardScrollAction(sbVertical, code, pos); },
          [this](bool shown) {
              setVerticalScrollBarPolicy(shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
          }),
      FMarginCursor(MakeMarginCursor()) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
}

TQtEditorWidget::~TQtEditorWidget() = default;

const TQtScrollBarMirror& TQtEditorWidget::ScrollBar(TScrollBarKind bar) const {
    return bar == sbHorizontal ? FHorzBar : FVertBar;
}

TQtScrollBarMirror& TQtEditorWidget::Mirror(TScrollBarKind bar) {
    return bar == sbHorizontal ? FHorzBar : FVertBar;
}

TSize TQtEditorWidget::ClientSize() const {
    return TSize{viewport()->width(), viewport()->height()};
}

void TQtEditorWidget::SetFrame(const TWindowFrame& frame) {
    setFrameStyle(frame.Border ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    FHorzBar.SetAllowed(frame.HorzScrollBar);
    FVertBar.SetAllowed(frame.VertScrollBar);
}

bool TQtEditorWidget::HasFocus() const {
    return hasFocus();
}

bool TQtEditorWidget::CanFocus() const {
    return isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

void TQtEditorWidget::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

void TQtEditorWidget::Invalidate(const TRect& rect) {
    if (rect.IsEmpty()) return;
    FDirty += ToQRect(rect);
    viewport()->update(ToQRect(rect));
}

void TQtEditorWidget::InvalidateAll() {
    FDirty += viewport()->rect();
    viewport()->update();
}

// Not while a resize is being reported: the window may be moving as a whole (tiling), and
// a forced paint then makes Qt flush the window's pending paints before it has finished
// moving and sizing its widgets; the update asked for paints it once the move is done.
void TQtEditorWidget::UpdateNow() {
    if (FPainting || FResizing || FDirty.isEmpty()) return;
    viewport()->repaint(FDirty);
}

// Moves the pixels (the caret's image included, so both its old and moved places are
// repainted) and the parts of the rectangle still waiting to be painted.
void TQtEditorWidget::ScrollPixels(const TRect& rect, int dx, int dy) {
    const QRect area = ToQRect(rect);
    if (area.isEmpty() || (dx == 0 && dy == 0)) return;
    const QRegion moved = (FDirty & area).translated(dx, dy) & area;
    FDirty = (FDirty - area) + moved + (QRegion(area) - area.translated(dx, dy));
    viewport()->scroll(dx, dy, area);
    const QRect caret = FCaret.Rect();
    if (!caret.isEmpty()) {
        FDirty += caret | caret.translated(dx, dy);
        viewport()->update(caret);
        viewport()->update(caret.translated(dx, dy));
    }
}

void TQtEditorWidget::SetRedraw(bool on) {
    viewport()->setUpdatesEnabled(on);
}

void TQtEditorWidget::SetScrollRange(TScrollBarKind bar, int min, int max) {
    Mirror(bar).SetRange(min, max);
}

void TQtEditorWidget::SetScrollPos(TScrollBarKind bar, int pos) {
    Mirror(bar).SetPos(pos);
}

void TQtEditorWidget::SetCursorShape(TCursorShape shape) {
    if (shape == FCursorShape) return;
    FCursorShape = shape;
    switch (shape) {
        case crArrow:
            viewport()->setCursor(Qt::ArrowCursor);
            break;
        case crIBeam:
            viewport()->setCursor(Qt::IBeamCursor);
            break;
        case crMargin:
            viewport()->setCursor(FMarginCursor);
            break;
    }
}

TPoint TQtEditorWidget::CursorPos() const {
    const QPoint pos = viewport()->mapFromGlobal(QCursor::pos());
    return TPoint{pos.x(), pos.y()};
}

bool TQtEditorWidget::IsButtonDown(TMouseButton button) const {
    return FButtons.testFlag(QtButtonOf(button));
}

void TQtEditorWidget::PostMessage(const TPostedMessage& message) {
    QCoreApplication::postEvent(this, new TPostedMessageEvent(message));
}

void TQtEditorWidget::StartTimer(int id, int intervalMs) {
    QTimer*& timer = FTimers[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this,
                [this, id] { Forward([id](TWindowClient& client) { client.TimerTick(id); }); });
    }
    timer->start(std::max(0, intervalMs));
}

void TQtEditorWidget::StopTimer(int id) {
    if (const auto it = FTimers.find(id); it != FTimers.end()) it->second->stop();
}

TTextMetrics TQtEditorWidget::FontMetrics(const TFontRequest& font) {
    return FFonts.Find(font).Metrics();
}

void TQtEditorWidget::CreateCaret(int width, int height, bool gray) {
    FCaret.Create(width, height, gray);
}

void TQtEditorWidget::CreateBitmapCaret(const TBitmap& bitmap) {
    FCaret.CreateFromBitmap(bitmap);
}

bool TQtEditorWidget::focusNextPrevChild(bool next) {
    return FTabChangesFocus && QAbstractScrollArea::focusNextPrevChild(next);
}

void TQtEditorWidget::customEvent(QEvent* event) {
    if (event->type() != TPostedMessageEvent::Kind())
        return QAbstractScrollArea::customEvent(event);
    const TPostedMessage& message = static_cast<TPostedMessageEvent*>(event)->Message;
    Forward([&message](TWindowClient& client) { client.MessageArrived(message); });
}

// While Tab changes the focus, Tab and Shift+Tab never reach the client, also when there
// is nothing else to take the focus.
void TQtEditorWidget::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool focusKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (FTabChangesFocus && focusKey && !(modifiers & (Qt::ControlModifier | Qt::AltModifier)))
        return event->ignore();
    const TKeyMessage key{VirtualKeyOf(event->key(), modifiers, event->nativeScanCode()),
                          ShiftBitsOf(modifiers)};
    const std::u32string typed = TypedChars(event->text(), modifiers);
    Forward([&](TWindowClient& client) {
        if (modifiers & Qt::AltModifier) return client.SysKeyDown(key);
        if (client.KeyDown(key)) return;
        for (const char32_t ch : typed)
            client.CharTyped(ch);
    });
}

// A click that brought the focus reaches the client only if the client lets it; Qt has
// moved the focus before the click arrives here, so that part cannot be refused.
bool TQtEditorWidget::ClickReachesClient(TWindowClient& client) {
    const bool focusedByThisClick = std::exchange(FFocusFromClick, false);
    return !focusedByThisClick || client.MouseActivate();
}

void TQtEditorWidget::mousePressEvent(QMouseEvent* event) {
    FButtons = event->buttons();
    const auto button = ButtonOf(event->button());
    const TPoint pos = PointOf(event);
    Forward([&](TWindowClient& client) {
        if (!button || !ClickReachesClient(client)) return;
        if (!FMouseCaptured) client.CursorQuery(pos);
        client.MouseDown(*button, pos, ShiftBitsOf(event->modifiers()));
    });
}

void TQtEditorWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    FButtons = event->buttons();
    const auto button = ButtonOf(event->button());
    Forward([&](TWindowClient& client) {
        if (!button || !ClickReachesClient(client)) return;
        client.DoubleClick(*button, PointOf(event), ShiftBitsOf(event->modifiers()));
    });
}

void TQtEditorWidget::mouseMoveEvent(QMouseEvent* event) {
    FButtons = event->buttons();
    Forward([&](TWindowClient& client) {
        if (!FMouseCaptured) client.CursorQuery(PointOf(event));
        client.MouseMove(PointOf(event), ShiftBitsOf(event->modifiers()));
    });
}

void TQtEditorWidget::mouseReleaseEvent(QMouseEvent* event) {
    FButtons = event->buttons();
    const auto button = ButtonOf(event->button());
    if (!button) return;
    Forward([&](TWindowClient& client) {
        client.MouseUp(*button, PointOf(event), ShiftBitsOf(event->modifiers()));
    });
}

// The wheel scrolls like the bars' arrows: the desktop's number of lines per notch.
void TQtEditorWidget::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    ForwardWheelSteps(sbHorizontal, FWheelX, delta.x());
    ForwardWheelSteps(sbVertical, FWheelY, delta.y());
}

// Only a bar on show scrolls: without one there is nothing to scroll that way.
void TQtEditorWidget::ForwardWheelSteps(TScrollBarKind bar, int& accumulated, int delta) {
    accumulated = Mirror(bar).Shown() ? accumulated + delta : 0;
    const int notches = accumulated / kWheelStep;
    accumulated -= notches * kWheelStep;
    const int lines = std::abs(notches) * QApplication::wheelScrollLines();
    for (int i = 0; i < lines; ++i)
        ForwardScrollAction(bar, notches > 0 ? scLineUp : scLineDown, Mirror(bar).Pos());
}

void TQtEditorWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    FDirty -= event->region();
    if (!FClient) return painter.fillRect(event->rect(), palette().color(QPalette::Base));
    FPainting = true;
    TQtDrawingSurface surface(painter, FFonts, palette());
    Forward([&](TWindowClient& client) { client.Paint(surface, ToTRect(event->rect())); });
    FPainting = false;
    if (surface.Font()) FTextFont = surface.Font()->Font();
    PaintPreedit(painter);
    FCaret.Paint(painter);
}

// Over the text from the caret on, underlined, on the window's base colour.
void TQtEditorWidget::PaintPreedit(QPainter& painter) const {
    if (FPreedit.isEmpty() || !FCaret.Exists()) return;
    const QFontMetrics metrics(FTextFont);
    const QRect caret = FCaret.Rect();
    const QRect area(caret.left(), caret.top(), metrics.horizontalAdvance(FPreedit) + 1,
                     std::max(caret.height(), metrics.height()));
    painter.fillRect(area, palette().color(QPalette::Base));
    painter.setFont(FTextFont);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPoint(area.left(), area.top() + metrics.ascent()), FPreedit);
    painter.drawLine(area.left(), area.bottom(), area.right(), area.bottom());
}

// The commit string reaches the client as one edit; the pre-edit string is only shown.
void TQtEditorWidget::inputMethodEvent(QInputMethodEvent* event) {
    const std::u32string commit = TypedChars(event->commitString(), {});
    if (!commit.empty()) Forward([&](TWindowClient& client) { client.TextCommitted(commit); });
    if (event->preeditString() != FPreedit) {
        FPreedit = event->preeditString();
        viewport()->update();
    }
    event->accept();
}

// Candidate windows open at the caret, in the text's font; the program offers no
// surrounding text.
QVariant TQtEditorWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled:
            return true;
        case Qt::ImCursorRectangle:
            return QRect(FCaret.Rect().translated(viewport()->pos()));
        case Qt::ImFont:
            return FTextFont;
        case Qt::ImCursorPosition:
        case Qt::ImAnchorPosition:
            return 0;
        case Qt::ImSurroundingText:
        case Qt::ImCurrentSelection:
            return QString();
        default:
            return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// Reports each new client size once: the area and its viewport both pass through here.
void TQtEditorWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const TSize size = ClientSize();
    if (size == FLastSize) return;
    FLastSize = size;
    const bool outer = std::exchange(FResizing, true);
    Forward([](TWindowClient& client) { client.Resized(); });
    FResizing = outer;
}

void TQtEditorWidget::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    FFocusFromClick = event->reason() == Qt::MouseFocusReason;
    Forward([](TWindowClient& client) { client.FocusGained(); });
}

void TQtEditorWidget::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    FFocusFromClick = false;
    Forward([](TWindowClient& client) { client.FocusLost(); });
}

// The client scrolls the view itself; the bars only report what the user does.
void TQtEditorWidget::scrollContentsBy(int, int) {}

void TQtEditorWidget::ForwardScrollAction(TScrollBarKind bar, TScrollCode code, int pos) {
    Forward([=](TWindowClient& client) { client.ScrollBarAction(bar, code, pos); });
}

}  // namespace wendax
