#include "platform/qt/qt_caret.h"

#include <algorithm>

#include <QBrush>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>
#include <QWidget>

namespace wendax {

namespace {

// Far enough off any window, and small enough that no edge overflows.
constexpr int kFarAway = 1 << 24;

int Clamped(int coordinate) {
    return std::clamp(coordinate, -kFarAway, kFarAway);
}

// Half a blink period: the caret is shown this long, then hidden as long. 0 = no blinking.
int BlinkHalfPeriod() {
    return QGuiApplication::styleHints()->cursorFlashTime() / 2;
}

}  // namespace

TQtCaret::TQtCaret(QWidget* surface) : FSurface(surface) {
    connect(&FBlinkTimer, &QTimer::timeout, this, &TQtCaret::Blink);
    connect(QGuiApplication::styleHints(), &QStyleHints::cursorFlashTimeChanged, this,
            &TQtCaret::RestartBlink);
}

void TQtCaret::Create(int width, int height, bool gray) {
    Destroy();
    FExists = true;
    FGray = gray;
    FSize = QSize(std::max(1, width), std::max(1, height));
    RestartBlink();
}

void TQtCaret::CreateFromBitmap(const TBitmap& bitmap) {
    const bool complete =
        bitmap.Pixels.size() >= static_cast<std::size_t>(std::max(0, bitmap.Width * bitmap.Height));
    if (bitmap.IsEmpty() || !complete) return Create(1, 1, false);
    Destroy();
    const QImage view(reinterpret_cast<const uchar*>(bitmap.Pixels.data()), bitmap.Width,
                      bitmap.Height, bitmap.Width * 4, QImage::Format_ARGB32);
    FPicture = view.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    FExists = true;
    FSize = FPicture.size();
    RestartBlink();
}

void TQtCaret::Destroy() {
    if (!FExists) return;
    Repaint();
    FExists = false;
    FHideCount = 1;
    FPicture = QImage();
    FBlinkTimer.stop();
}

void TQtCaret::Show() {
    if (!FExists || FHideCount == 0) return;
    if (--FHideCount == 0) RestartBlink();
}

void TQtCaret::Hide() {
    if (!FExists) return;
    if (FHideCount++ == 0) Repaint();
}

void TQtCaret::SetPos(TPoint pos) {
    if (pos == FPos) return;
    Repaint();
    FPos = pos;
    RestartBlink();
}

QRect TQtCaret::Rect() const {
    if (!FExists) return {};
    return QRect(QPoint(Clamped(FPos.X), Clamped(FPos.Y)), FSize);
}

void TQtCaret::Paint(QPainter& painter) const {
    if (!IsVisible() || !FBlinkOn) return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (!FPicture.isNull())
        painter.drawImage(Rect().topLeft(), FPicture);
    else
        painter.fillRect(Rect(), QBrush(Qt::white, FGray ? Qt::Dense4Pattern : Qt::SolidPattern));
    painter.restore();
}

void TQtCaret::Repaint() {
    if (FExists) FSurface->update(Rect());
}

// Shows the caret at once and blinks it from now on, as after every move.
void TQtCaret::RestartBlink() {
    FBlinkOn = true;
    Repaint();
    const int half = BlinkHalfPeriod();
    if (IsVisible() && half > 0)
        FBlinkTimer.start(half);
    else
        FBlinkTimer.stop();
}

void TQtCaret::Blink() {
    FBlinkOn = !FBlinkOn;
    Repaint();
}

}  // namespace wendax
