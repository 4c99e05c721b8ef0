// A demo of the editor control: wendax_demo [FILE] opens FILE in one editor window.
#include <QApplication>

#include "demo_window.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Wendax 32 editor demo"));
    wendax::TQtPlatform platform;
    wendax::InstallPlatform(&platform);
    const QStringList arguments = QApplication::arguments();
    wendax::TDemoWindow window(arguments.size() > 1 ? arguments[1].toLocal8Bit().toStdString()
                                                    : std::string());
    window.show();
    const int result = QApplication::exec();
    wendax::InstallPlatform(nullptr);
    return result;
}
