// The program's six windows, created at start-up in a fixed order and kept for the whole
// run: the main window first, then the options dialog, the help screen, the about box and
// the find and replace dialogs. Only the main window is shown at start. The main window's
// editor windows are TFM_Editor children.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "app/frame/main_window.h"

namespace wendax {

class TMdiEditorWindows;
class TFM_Options;
class TFM_HelpScreen;
class TFM_About;
class TFM_Search;
class TFM_Replace;

class TProgramWindows {
  public:
    TProgramWindows(const TMainWindowSetup& setup, TDialogs& dialogs);
    ~TProgramWindows();

    TFM_Main& Main() const { return *FM_Main; }
    TFM_Options& Options() const { return *FM_Options; }
    TFM_HelpScreen& HelpScreen() const { return *FM_HelpScreen; }
    TFM_About& About() const { return *FM_About; }
    TFM_Search& Search() const { return *FM_Search; }
    TFM_Replace& Replace() const { return *FM_Replace; }
    // The six windows in the order they were created.
    std::vector<QWidget*> InCreationOrder() const;

  private:
    // Made after the main window and kept until it has gone.
    std::unique_ptr<TMdiEditorWindows> FEditorWindows;
    // Declared in creation order; the dialogs (children of the main window) go first.
    std::unique_ptr<TFM_Main> FM_Main;
    std::unique_ptr<TFM_Options> FM_Options;
    std::unique_ptr<TFM_HelpScreen> FM_HelpScreen;
    std::unique_ptr<TFM_About> FM_About;
    std::unique_ptr<TFM_Search> FM_Search;
    std::unique_ptr<TFM_Replace> FM_Replace;
};

}  // namespace wendax
