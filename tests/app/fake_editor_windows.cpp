#include "fake_editor_windows.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

namespace wendax {

bool TFakeEditorWindows::CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew) {
    Created.emplace_back(fileName, isNew);
    if (!isNew && !QFileInfo(fileName).isFile()) return false;
    QMdiSubWindow* window = area.addSubWindow(new QPlainTextEdit);
    window->setWindowTitle(fileName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    area.setActiveSubWindow(window);
    return true;
}

bool TFakeEditorWindows::CloseQuery(QMdiSubWindow& window) {
    Queried << window.windowTitle();
    return !Refuse.contains(window.windowTitle());
}

QStringList Captions(QMdiArea& area) {
    QStringList captions;
    const QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::StackingOrder);
    for (auto window = windows.crbegin(); window != windows.crend(); ++window)
        captions << (*window)->windowTitle();
    return captions;
}

}  // namespace wendax
