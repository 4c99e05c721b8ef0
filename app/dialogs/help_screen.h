// The help screen: a reference on five pages that stays on top beside the work without
// blocking it. Created once at start-up and kept for the whole run.
#pragma once

#include "app/dialogs/program_dialog.h"

class QTabWidget;
class QTreeWidget;

namespace wendax {

class TFM_HelpScreen : public TProgramDialog {
    Q_OBJECT
  public:
    explicit TFM_HelpScreen(QWidget* parent);

    // Centres the window over `main` and brings it to the front without waiting. When it
    // was hidden it opens on its "&License" page with both lists scrolled to the top;
    // when it is open already its page and scroll positions stay.
    void ShowCentered(const QWidget& main);

    QTabWidget& Pages() const { return *FPages; }
    QTreeWidget& SpeedbarList() const { return *FSpeedbarList; }
    QTreeWidget& KeyboardList() const { return *FKeyboardList; }

  private:
    QWidget* TextPage(const char* name, const char* html);
    QWidget* SpeedbarPage();
    QWidget* KeyboardPage();

    QTabWidget* FPages = nullptr;
    QTreeWidget* FSpeedbarList = nullptr;
    QTreeWidget* FKeyboardList = nullptr;
};

}  // namespace wendax
