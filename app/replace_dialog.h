// The Replace dialog.
// Created once at start-up and kept for the whole run; its controls come with its command.
#pragma once

#include "app/fixed_dialog.h"

namespace wendax {

class TFM_Replace : public QDialog {
    Q_OBJECT
  public:
    explicit TFM_Replace(QWidget* parent) : QDialog(parent) {
        SetUpFixedDialog(*this, "FM_Replace", "Replace text", 411, 300);
    }
};

}  // namespace wendax
