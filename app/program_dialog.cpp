#include "app/program_dialog.h"

#include <QCoreApplication>
#include <QEvent>

namespace wendax {

QPoint CenteredPosition(const QRect& main, const QSize& size) {
    return {main.left() + (main.width() - size.width()) / 2,
            main.top() + (main.height() - size.height()) / 2};
}

void SetHint(QWidget& control, const char* hint) {
    control.setToolTip(QString::fromLatin1(hint));
    control.setStatusTip(QString::fromLatin1(hint));
}

TProgramDialog::TProgramDialog(QWidget* parent, const char* name, const char* title, int width,
                               int height)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromLatin1(title));
    setFixedSize(width, height);
}

void TProgramDialog::CenterOver(const QWidget& main) {
    const QRect frame = frameGeometry();
    move(CenteredPosition(main.frameGeometry(), frame.size()));
}

bool TProgramDialog::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && parentWidget() != nullptr) {
        QCoreApplication::sendEvent(parentWidget(), event);
        return true;
    }
    return QDialog::event(event);
}

}  // namespace wendax
