#include "platform/qt/qt_editor_widget.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "platform/qt/key_translation.h"
#include "platform/qt/margin_cursor.h"
#include "platform/qt/qt_drawing_surface.h"

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

}  // namespace

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

void TQtEditorWidget::UpdateNow() {
    if (FPainting || FDirty.isEmpty()) return;
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
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (FClient) FClient->TimerTick(id);
        });
    }
    timer->start(std::max(0, intervalMs));
}

void TQtEditorWidget::StopTimer(int id) {
    if (const auto it = FTimers.find(id); it != FTimers.end()) it->second->stop();
}

TTextMetrics TQtEditorWidget::FontMetrics(const TFontSpec& font) {
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
    if (FClient) FClient->MessageArrived(static_cast<TPostedMessageEvent*>(event)->Message);
}

void TQtEditorWidget::keyPressEvent(QKeyEvent* event) {
    if (!FClient) return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const TKeyMessage key{VirtualKeyOf(event->key(), modifiers, event->nativeScanCode()),
                          ShiftBitsOf(modifiers)};
    if (modifiers & Qt::AltModifier) return FClient->SysKeyDown(key);
    if (FClient->KeyDown(key)) return;
    for (const char byte : TypedBytes(event->text(), modifiers))
        FClient->CharTyped(static_cast<std::uint8_t>(byte));
}

// A click that brought the focus reaches the client only if the client lets it; Qt has
// moved the focus before the click arrives here, so that part cannot be refused.
bool TQtEditorWidget::ClickReachesClient() {
    const bool focusedByThisClick = std::exchange(FFocusFromClick, false);
    return !focusedByThisClick || FClient->MouseActivate();
}

void TQtEditorWidget::mousePressEvent(QMouseEvent* event) {
    FButtons = event->buttons();
    const auto button = ButtonOf(event->button());
    if (!FClient || !button || !ClickReachesClient()) return;
    if (!FMouseCaptured) FClient->CursorQuery(PointOf(event));
    FClient->MouseDown(*button, PointOf(event), ShiftBitsOf(event->modifiers()));
}

void TQtEditorWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    FButtons = event->buttons();
    const auto button = ButtonOf(event->button());
    if (!FClient || !button || !ClickReachesClient()) return;
    FClient->DoubleClick(*button, PointOf(event), ShiftBitsOf(event->modifiers()));
}

void TQtEditorWidget::mouseMoveEvent(QMouseEvent* event) {
    FButtons = event->buttons();
    if (!FClient) return;
    if (!FMouseCaptured) FClient->CursorQuery(PointOf(event));
    FClient->MouseMove(PointOf(event), ShiftBitsOf(event->modifiers()));
}

void TQtEditorWidget::mouseReleaseEvent(QMouseEvent* event) {
    FButtons = event->buttons();
    const auto button = ButtonOf(event->button());
    if (!FClient || !button) return;
    FClient->MouseUp(*button, PointOf(event), ShiftBitsOf(event->modifiers()));
}

// The wheel scrolls like the bars' arrows: the desktop's number of lines per notch.
void TQtEditorWidget::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    ForwardWheelSteps(sbHorizontal, FWheelX, delta.x());
    ForwardWheelSteps(sbVertical, FWheelY, delta.y());
}

void TQtEditorWidget::ForwardWheelSteps(TScrollBarKind bar, int& accumulated, int delta) {
    accumulated += delta;
    const int notches = accumulated / kWheelStep;
    accumulated -= notches * kWheelStep;
    const int lines = std::abs(notches) * QApplication::wheelScrollLines();
    for (int i = 0; i < lines && FClient; ++i)
        FClient->ScrollBarAction(bar, notches > 0 ? scLineUp : scLineDown, Mirror(bar).Pos());
}

void TQtEditorWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    FDirty -= event->region();
    if (!FClient) return painter.fillRect(event->rect(), palette().color(QPalette::Base));
    FPainting = true;
    TQtDrawingSurface surface(painter, FFonts, palette());
    FClient->Paint(surface, ToTRect(event->rect()));
    FPainting = false;
    FCaret.Paint(painter);
}

// Reports each new client size once: the area and its viewport both pass through here.
void TQtEditorWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const TSize size = ClientSize();
    if (size == FLastSize) return;
    FLastSize = size;
    if (FClient) FClient->Resized();
}

void TQtEditorWidget::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    FFocusFromClick = event->reason() == Qt::MouseFocusReason;
    if (FClient) FClient->FocusGained();
}

void TQtEditorWidget::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    FFocusFromClick = false;
    if (FClient) FClient->FocusLost();
}

// The client scrolls the view itself; the bars only report what the user does.
void TQtEditorWidget::scrollContentsBy(int, int) {}

void TQtEditorWidget::ForwardScrollAction(TScrollBarKind bar, TScrollCode code, int pos) {
    if (FClient) FClient->ScrollBarAction(bar, code, pos);
}

}  // namespace wendax
