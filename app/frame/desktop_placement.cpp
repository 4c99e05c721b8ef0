#include "app/frame/desktop_placement.h"

#include <QWidget>

namespace wendax {

void PlaceFrame(QWidget& frame, const TSettings& s) {
    if (s.RestoreStyle != 2 && s.RestoreStyle != 3) {
        frame.resize(kDesignWidth, kDesignHeight);
        return;
    }
    frame.move(s.ScrnLeft, s.ScrnTop);
    frame.resize(s.ScrnWidth, s.ScrnHeight);
    if (s.ScrnMax) frame.setWindowState(frame.windowState() | Qt::WindowMaximized);
}

void RecordDesktop(const QWidget& frame, TSettings& s) {
    if (s.RestoreStyle != 2) return;
    if (frame.isMaximized()) {
        s.ScrnMax = true;
        return;
    }
    StoreCurrentPlace(frame, s);
}

void StoreCurrentPlace(const QWidget& frame, TSettings& s) {
    s.ScrnMax = frame.isMaximized();
    s.ScrnTop = frame.y();
    s.ScrnLeft = frame.x();
    s.ScrnHeight = frame.height();
    s.ScrnWidth = frame.width();
}

}  // namespace wendax
