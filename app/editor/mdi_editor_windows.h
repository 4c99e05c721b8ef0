// The editor windows of the main window's MDI area: each child is a TFM_Editor.
#pragma once

#include "app/editor/editor_windows.h"

namespace wendax {

class TFM_Editor;
class TFM_Main;

class TMdiEditorWindows : public TEditorWindows {
  public:
    explicit TMdiEditorWindows(TFM_Main& main) : FMain(main) {}

    // The window is shown and active before its file loads.
    bool CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew,
                            QString& refusal) override;
    bool CloseQuery(QMdiSubWindow& window) override;
    TEditorWindow* WindowOf(QMdiSubWindow& window) override;

    // The editor window of an MDI child, or nullptr.
    static TFM_Editor* FormOf(QMdiSubWindow& window);

  private:
    TFM_Main& FMain;
};

}  // namespace wendax
