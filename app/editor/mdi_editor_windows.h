// The editor windows of the main window's MDI area: each child is a TFM_Editor.
#pragma once

#include "app/editor/editor_windows.h"

namespace wendax {

class TFM_Editor;
class TFM_Main;
struct TJournal;

class TMdiEditorWindows : public TEditorWindows {
  public:
    explicit TMdiEditorWindows(TFM_Main& main) : FMain(main) {}

    // The window is shown and active before its file loads.
    bool CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew,
                            QString& refusal) override;
    bool CloseQuery(QMdiSubWindow& window) override;
    TEditorWindow* WindowOf(QMdiSubWindow& window) override;
    // Each journal of a program that no longer runs is offered: "Recover unsaved changes of
    // NAME?" with Recover (a new window with the text, modified; an untitled text gets a new
    // untitled name), Discard (the journal is removed) and Later (it stays for the next
    // start).
    void RecoverUnsavedTexts(QMdiArea& area) override;

    // The editor window of an MDI child, or nullptr.
    static TFM_Editor* FormOf(QMdiSubWindow& window);

  private:
    void Recover(QMdiArea& area, const TJournal& journal);

    TFM_Main& FMain;
};

}  // namespace wendax
