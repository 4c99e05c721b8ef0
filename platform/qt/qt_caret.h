// The text caret of one editor window, drawn by the window itself: a solid or grey
// rectangle, or a picture, inverted over what lies below it, blinking with the platform's
// blink time.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

#include "platform/geometry.h"

class QPainter;
class QWidget;

namespace wendax {

class TQtCaret : public QObject {
  public:
    // `surface` is the widget the caret is drawn on; it must outlive the caret.
    explicit TQtCaret(QWidget* surface);

    // A new caret replaces the old one and starts hidden. Sizes of 0 or less mean 1 pixel.
    void Create(int width, int height, bool gray);
    void CreateFromBitmap(const TBitmap& bitmap);
    void Destroy();

    // Hiding counts: the caret shows once Show has been called as often as Hide (and once
    // more after Create); Show beyond that changes nothing.
    void Show();
    void Hide();
    void SetPos(TPoint pos);

    bool Exists() const { return FExists; }
    bool IsVisible() const { return FExists && FHideCount == 0; }
    TPoint Pos() const { return FPos; }
    // The pixels the caret covers (empty without a caret); off-window positions are kept.
    QRect Rect() const;

    // Inverts the caret's pixels when it is visible and in the shown half of its blink.
    void Paint(QPainter& painter) const;

  private:
    void Repaint();
    void RestartBlink();
    void Blink();

    QWidget* FSurface;
    QTimer FBlinkTimer;
    bool FExists = false;
    bool FGray = false;
    bool FBlinkOn = true;
    int FHideCount = 1;
    QSize FSize;
    QImage FPicture;  // the bitmap caret's pixels, premultiplied; null for a rectangle
    TPoint FPos;
};

}  // namespace wendax
