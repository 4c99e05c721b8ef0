#include "editor_fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QMdiSubWindow>

#include "app/editor/mdi_editor_windows.h"
#include "app/editor/window_caption.h"

namespace wendax {

TFM_Editor& EditorProgramTest::Form() const {
    QMdiSubWindow* window = Main().MdiArea().currentSubWindow();
    TFM_Editor* form = window != nullptr ? TMdiEditorWindows::FormOf(*window) : nullptr;
    if (form == nullptr) ADD_FAILURE() << "no active editor window";
    return *form;
}

TFM_Editor& EditorProgramTest::FormNamed(const QString& caption) const {
    for (QMdiSubWindow* window : Main().MdiArea().subWindowList())
        if (CaptionOfTitle(window->windowTitle()) == caption)
            return *TMdiEditorWindows::FormOf(*window);
    ADD_FAILURE() << "no window " << caption.toStdString();
    return Form();
}

QStringList EditorProgramTest::Captions() const {
    return wendax::Captions(Main().MdiArea());
}

void EditorProgramTest::SetClientSize(int width, int height) {
    QWidget& child = *Form().parentWidget();
    child.resize(child.size() + QSize(width, height) - Form().size());
    Settle();
}

QByteArray EditorProgramTest::FileBytes(const QString& name) const {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void EditorProgramTest::Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

std::string TextOf(TOvcCustomEditor& editor) {
    std::string text;
    for (int para = 1; para <= editor.ParaCount(); ++para) {
        if (para > 1) text += '\n';
        text += editor.GetPara(para);
    }
    return text;
}

}  // namespace wendax
