// The help screen: a reference that stays open on top beside the work.
// Created once at start-up and kept for the whole run; its controls come with its command.
#pragma once

#include "app/fixed_dialog.h"

namespace wendax {

class TFM_HelpScreen : public QDialog {
    Q_OBJECT
  public:
    explicit TFM_HelpScreen(QWidget* parent) : QDialog(parent) {
        SetUpFixedDialog(*this, "FM_HelpScreen", "Wendax Help", 568, 403);
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
};

}  // namespace wendax
