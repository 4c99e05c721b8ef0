// The program's application object: its name, title and icon, the editor library's
// platform services for its lifetime, and the last resort for a failure that no command
// caught, which is shown in an error box captioned with the program's title while the
// program goes on.
#pragma once

#include <QApplication>

#include "platform/qt/qt_platform.h"

namespace wendax {

class TDialogs;

class TWendaxApplication : public QApplication {
    Q_OBJECT
  public:
    TWendaxApplication(int& argc, char** argv);
    ~TWendaxApplication() override;

    // The failure box goes through `dialogs` (not owned; null shows nothing).
    void SetFailureDialogs(TDialogs* dialogs) { FDialogs = dialogs; }

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    void ShowFailure(const QString& message);

    TDialogs* FDialogs = nullptr;
    TQtPlatform FPlatform;
};

}  // namespace wendax
