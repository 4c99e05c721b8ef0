// The about box with the program's name, version, maker and rights notice. Created once at
// start-up and kept for the whole run.
#pragma once

#include <QImage>

#include "app/dialogs/program_dialog.h"

namespace wendax {

// The maker's name on the banner.
inline constexpr const char* kMakerName = "The Wendax Developers";

// The about box's picture, 91 by 125: a sheet of text and a pen.
QImage AboutPicture();

class TFM_About : public TProgramDialog {
    Q_OBJECT
  public:
    explicit TFM_About(QWidget* parent);

    // Shows the box modally, centred over `main`, until it is closed.
    void ShowCentered(const QWidget& main);

  private:
    QWidget* Banner();
    QWidget* Information();
    QWidget* Rights();
};

}  // namespace wendax
