#include "app/dialogs/program_dialog.h"

#include <QCoreApplication>
#include <QEvent>

namespace wendax {

QPoint CenteredPosition(const QRect& main, const QSize& size) {
    return {main.left() + (main.width() - size.width()) / 2,
            main.top() + (main.height() - size.height()) / 2};
}

Qt::WindowFlags FixedDialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

void SetHint(QWidget& control, const char* hint) {
    control.setToolTip(QString::fromLatin1(hint));
    control.setStatusTip(QString::fromLatin1(hint));
}

TProgramDialog::TProgramDialog(QWidget* parent, const char* name, const char* title, int width,
                               int height)
    : QDialog(parent, FixedDialogFlags()) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromLatin1(title));
    setFixedSize(width, height);
}

// Before its first showing the dialog has no frame yet; it will get one like the main
// window's.
void TProgramDialog::CenterOver(const QWidget& main) {
    QSize size = frameGeometry().size();
    if (frameGeometry() == geometry()) {
        const QRect outer = main.frameGeometry();
        const QRect inner = main.geometry();
        size += QSize(outer.width() - inner.width(), outer.height() - inner.height());
    }
    move(CenteredPosition(main.frameGeometry(), size));
}

bool TProgramDialog::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && parentWidget() != nullptr) {
        QCoreApplication::sendEvent(parentWidget(), event);
        return true;
    }
    return QDialog::event(event);
}

}  // namespace wendax
