// The options dialog: every setting except the fonts and the recent files.
// Created once at start-up and kept for the whole run; its controls come with its command.
#pragma once

#include "app/fixed_dialog.h"

namespace wendax {

class TFM_Options : public QDialog {
    Q_OBJECT
  public:
    explicit TFM_Options(QWidget* parent) : QDialog(parent) {
        SetUpFixedDialog(*this, "FM_Options", "Options", 532, 309);
    }
};

}  // namespace wendax
