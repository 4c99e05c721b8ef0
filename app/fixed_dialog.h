// Common set-up of the program's fixed-size dialog windows.
#pragma once

#include <QDialog>
#include <QString>

namespace wendax {

// Names and titles `dialog` and fixes its client area to `width` by `height` pixels.
inline void SetUpFixedDialog(QDialog& dialog, const char* name, const char* title, int width,
                             int height) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(QString::fromLatin1(title));
    dialog.setFixedSize(width, height);
}

}  // namespace wendax
