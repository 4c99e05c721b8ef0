#include "app/editor/mdi_editor_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/commands/file_names.h"
#include "app/editor/editor_form.h"
#include "engine/text_file_errors.h"

namespace wendax {

// Any failure of loading closes the window again without asking: its text is unchanged.
bool TMdiEditorWindows::CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew,
                                           QString& refusal) {
    auto* form = new TFM_Editor(FMain);
    QMdiSubWindow* window = area.addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    form->SetCaption(fileName);
    window->show();
    area.setActiveSubWindow(window);
    try {
        form->Open(ToFileName(fileName), isNew);
    } catch (const EFileRefused& failure) {
        refusal = QString::fromLocal8Bit(failure.what());
        area.removeSubWindow(window);
        delete window;
        return false;
    } catch (...) {
        area.removeSubWindow(window);
        delete window;
        return false;
    }
    return true;
}

bool TMdiEditorWindows::CloseQuery(QMdiSubWindow& window) {
    TFM_Editor* form = FormOf(window);
    return form == nullptr || form->CloseQuery();
}

TEditorWindow* TMdiEditorWindows::WindowOf(QMdiSubWindow& window) {
    return FormOf(window);
}

TFM_Editor* TMdiEditorWindows::FormOf(QMdiSubWindow& window) {
    return dynamic_cast<TFM_Editor*>(window.widget());
}

}  // namespace wendax
