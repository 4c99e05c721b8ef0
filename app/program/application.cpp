#include "app/program/application.h"

#include <QIcon>
#include <exception>

#include "app/dialogs/dialogs.h"
#include "app/program/program_info.h"

// The program's pictures live in a static library, so they are registered by hand.
static void InitResources() {
    Q_INIT_RESOURCE(wendax);
}

namespace wendax {

TWendaxApplication::TWendaxApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InitResources();
    // No display name of its own: Qt would add one to every window title ("Find text —
    // Wendax 32"). The name stands in for it where the title is asked for.
    setApplicationName(QString::fromLatin1(kProgramTitle));
    setApplicationVersion(QString::fromLatin1(kProgramVersion));
    setDesktopFileName(QStringLiteral("wendax"));
    setWindowIcon(QIcon(QStringLiteral(":/wendax/wendax.png")));
    InstallPlatform(&FPlatform);
}

TWendaxApplication::~TWendaxApplication() {
    InstallPlatform(nullptr);
}

bool TWendaxApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        ShowFailure(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        ShowFailure(QStringLiteral("Unexpected failure"));
    }
    return false;
}

void TWendaxApplication::ShowFailure(const QString& message) {
    if (FDialogs == nullptr) return;
    FDialogs->Message(TMessageRequest{mkError, message, mbOK, QString::fromLatin1(kProgramTitle)});
}

}  // namespace wendax
