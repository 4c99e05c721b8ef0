#include "program_fixture.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace wendax {

void WhenModal(std::function<void(QWidget& dialog)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        timer->stop();
        timer->deleteLater();
        action(*dialog);
    });
    timer->start();
}

ProgramTest::~ProgramTest() {
    FWindows.reset();
}

void ProgramTest::WriteIni(const QByteArray& text) {
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ProgramTest::SavedIni() const {
    QFile file(IniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProgramTest::MakeFile(const QString& name, const QByteArray& text) {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
}

TFM_Main& ProgramTest::Start(const QStringList& files) {
    FWindows = std::make_unique<TProgramWindows>(
        TMainWindowSetup{FDir.path() + QLatin1Char('/'), IniPath(), files, FRecovery}, FDialogs);
    if (!FRealEditors) Main().SetEditorWindows(&FEditors);
    Main().show();
    QApplication::setActiveWindow(&Main());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Main()));
    QCoreApplication::processEvents();
    return Main();
}

QMenu& ProgramTest::ClickMenu(const char* name) const {
    QMenu& menu = *Main().MainMenu().Menu(QString::fromLatin1(name));
    QMenuBar& bar = *Main().menuBar();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(menu.menuAction()).center());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&menu));
    return menu;
}

void ProgramTest::HoverItem(QMenu& menu, QAction& item) {
    QTest::mouseMove(menu.windowHandle(), menu.actionGeometry(&item).center());
    QCoreApplication::processEvents();
}

void ProgramTest::ClickItem(QMenu& menu, QAction& item) {
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(&item).center());
    QCoreApplication::processEvents();
}

QAction& ProgramTest::Item(const char* name) const {
    QAction* item = Main().MainMenu().Item(QString::fromLatin1(name));
    if (item == nullptr) ADD_FAILURE() << "no item " << name;
    return *item;
}

TFakeEditorWindow& ProgramTest::Active() const {
    QMdiSubWindow* window = Main().MdiArea().currentSubWindow();
    if (window == nullptr) ADD_FAILURE() << "no active window";
    return FakeWindow(*window);
}

TFakeEditorWindow& ProgramTest::Open(const QString& name, const QByteArray& text) {
    EXPECT_TRUE(Main().OpenEditorWindow(MakeFile(name, text), false));
    Main().UpdateStatusAndCommands();
    return Active();
}

void ProgramTest::Exit() {
    EXPECT_TRUE(Main().close());
}

}  // namespace wendax
