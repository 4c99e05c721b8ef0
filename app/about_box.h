// The about box with the program's name and version.
// Created once at start-up and kept for the whole run; its controls come with its command.
#pragma once

#include "app/fixed_dialog.h"

namespace wendax {

class TFM_About : public QDialog {
    Q_OBJECT
  public:
    explicit TFM_About(QWidget* parent) : QDialog(parent) {
        SetUpFixedDialog(*this, "FM_About", "About", 385, 292);
    }
};

}  // namespace wendax
