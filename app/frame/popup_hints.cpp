#include "app/frame/popup_hints.h"

#include <QApplication>
#include <QEvent>

namespace wendax {

TPopupHints::TPopupHints(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

TPopupHints::~TPopupHints() {
    qApp->removeEventFilter(this);
}

bool TPopupHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !FEnabled) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace wendax
