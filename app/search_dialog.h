// The Find dialog.
// Created once at start-up and kept for the whole run; its controls come with its command.
#pragma once

#include "app/fixed_dialog.h"

namespace wendax {

class TFM_Search : public QDialog {
    Q_OBJECT
  public:
    explicit TFM_Search(QWidget* parent) : QDialog(parent) {
        SetUpFixedDialog(*this, "FM_Search", "Find text", 411, 265);
    }
};

}  // namespace wendax
