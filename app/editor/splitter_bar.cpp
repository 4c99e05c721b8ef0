#include "app/editor/splitter_bar.h"

#include <QMouseEvent>

namespace wendax {

TSplitterBar::TSplitterBar(QWidget& parent, THandlers handlers)
    : QFrame(&parent), FHandlers(std::move(handlers)) {
    setObjectName(QStringLiteral("Splitter"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setCursor(Qt::SplitVCursor);
}

void TSplitterBar::mousePressEvent(QMouseEvent* event) {
    FHandlers.Pressed(event->globalPosition().toPoint().y());
}

void TSplitterBar::mouseMoveEvent(QMouseEvent* event) {
    const int y = event->position().toPoint().y();
    FHandlers.Moved(mapToGlobal(QPoint(0, y)));
}

void TSplitterBar::mouseReleaseEvent(QMouseEvent*) {
    FHandlers.Released();
}

}  // namespace wendax
