#include "app/program/program_windows.h"

#include "app/dialogs/about_box.h"
#include "app/dialogs/help_screen.h"
#include "app/dialogs/options_dialog.h"
#include "app/dialogs/replace_dialog.h"
#include "app/dialogs/search_dialog.h"
#include "app/editor/mdi_editor_windows.h"

namespace wendax {

TProgramWindows::TProgramWindows(const TMainWindowSetup& setup, TDialogs& dialogs)
    : FM_Main(std::make_unique<TFM_Main>(setup, dialogs)),
      FM_Options(std::make_unique<TFM_Options>(FM_Main.get(), dialogs)),
      FM_HelpScreen(std::make_unique<TFM_HelpScreen>(FM_Main.get())),
      FM_About(std::make_unique<TFM_About>(FM_Main.get())),
      FM_Search(std::make_unique<TFM_Search>(FM_Main.get())),
      FM_Replace(std::make_unique<TFM_Replace>(FM_Main.get())) {
    FEditorWindows = std::make_unique<TMdiEditorWindows>(*FM_Main);
    FM_Main->SetEditorWindows(FEditorWindows.get());
    FM_Main->SetProgramDialogs(
        {FM_Options.get(), FM_HelpScreen.get(), FM_About.get(), FM_Search.get(), FM_Replace.get()});
}

// Members are destroyed in reverse order, so each dialog leaves its parent before the
// main window goes.
TProgramWindows::~TProgramWindows() = default;

std::vector<QWidget*> TProgramWindows::InCreationOrder() const {
    return {FM_Main.get(),  FM_Options.get(), FM_HelpScreen.get(),
            FM_About.get(), FM_Search.get(),  FM_Replace.get()};
}

}  // namespace wendax
