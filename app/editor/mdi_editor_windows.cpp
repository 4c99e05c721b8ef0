#include "app/editor/mdi_editor_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <exception>

#include "app/commands/file_names.h"
#include "app/dialogs/dialogs.h"
#include "app/editor/editor_form.h"
#include "app/editor/recovery_journal.h"
#include "app/frame/main_window.h"
#include "engine/text_file_errors.h"

namespace wendax {
namespace {

// A new editor window in `area`, captioned `caption`, shown and active.
TFM_Editor& AddEditorWindow(TFM_Main& main, QMdiArea& area, const QString& caption) {
    auto* form = new TFM_Editor(main);
    QMdiSubWindow* window = area.addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    form->SetCaption(caption);
    window->show();
    area.setActiveSubWindow(window);
    return *form;
}

// Closes a window whose text never was, without asking.
void DropEditorWindow(QMdiArea& area, TFM_Editor& form) {
    QMdiSubWindow* window = qobject_cast<QMdiSubWindow*>(form.parentWidget());
    area.removeSubWindow(window);
    delete window;
}

}  // namespace

// Any failure of loading closes the window again without asking: its text is unchanged.
bool TMdiEditorWindows::CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew,
                                           QString& refusal) {
    TFM_Editor& form = AddEditorWindow(FMain, area, fileName);
    try {
        form.Open(ToFileName(fileName), isNew);
    } catch (const EFileRefused& failure) {
        refusal = QString::fromLocal8Bit(failure.what());
        DropEditorWindow(area, form);
        return false;
    } catch (...) {
        DropEditorWindow(area, form);
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

void TMdiEditorWindows::RecoverUnsavedTexts(QMdiArea& area) {
    const std::string& folder = FMain.Recovery().Folder;
    if (folder.empty()) return;
    for (const TJournal& journal : StaleJournals(folder)) {
        const TMessageRequest question{mkConfirmation,
                                       QStringLiteral("Recover unsaved changes of %1?")
                                           .arg(FromFileName(journal.Header.FileName)),
                                       mbYes | mbNo | mbCancel,
                                       {},
                                       {{mbYes, QStringLiteral("Recover")},
                                        {mbNo, QStringLiteral("Discard")},
                                        {mbCancel, QStringLiteral("Later")}}};
        const TModalResult answer = FMain.Dialogs().Message(question);
        if (answer == mrYes) Recover(area, journal);
        if (answer == mrNo) RemoveJournal(journal.Path);
    }
}

// The old journal goes only once the new window has written its own, so a crash in
// between leaves at least one of them. A journal that cannot be read stays where it is.
void TMdiEditorWindows::Recover(QMdiArea& area, const TJournal& journal) {
    const std::string name = journal.Header.Untitled
                                 ? TUntitledNumbers::NameFor(FMain.UntitledNumbers().Take())
                                 : journal.Header.FileName;
    TFM_Editor& form = AddEditorWindow(FMain, area, FromFileName(name));
    try {
        form.Recover(name, journal);
    } catch (const std::exception& failure) {
        FMain.EditorWindowClosed(form.Caption());
        DropEditorWindow(area, form);
        ShowMessage(FMain.Dialogs(), mkWarning,
                    QStringLiteral("Unable to recover %1: %2")
                        .arg(FromFileName(name), QString::fromLocal8Bit(failure.what())));
        return;
    }
    RemoveJournal(journal.Path);
}

}  // namespace wendax
