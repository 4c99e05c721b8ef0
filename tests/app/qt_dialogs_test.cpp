// The program's real dialogs as the window system gets them: fixed dialogs and message
// boxes with a close button only, the start-up warning centred over the main window, and a
// print dialog that offers no page range.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "app/dialogs/qt_dialogs.h"
#include "program_fixture.h"

namespace wendax {
namespace {

constexpr Qt::WindowFlags kOtherButtons =
    Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowMinMaxButtonsHint;

bool OnlyACloseButton(const QWidget& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    return (flags & Qt::CustomizeWindowHint) && (flags & Qt::WindowCloseButtonHint) &&
           (flags & Qt::WindowTitleHint) && !(flags & kOtherButtons);
}

class RealDialogs : public ProgramTest {
  protected:
    TQtDialogs FQtDialogs;
};

TEST_F(RealDialogs, FixedDialogsAndMessageBoxesHaveOnlyACloseButton) {
    Start();
    for (QWidget* window : Windows().InCreationOrder()) {
        if (window == &Main()) continue;
        EXPECT_TRUE(OnlyACloseButton(*window)) << window->objectName().toStdString();
    }
    FQtDialogs.SetParent(&Main());
    bool messageBox = false;
    WhenModal([&](QWidget& box) {
        messageBox = OnlyACloseButton(box);
        QTest::keyClick(&box, Qt::Key_Return);
    });
    ShowMessage(FQtDialogs, mkWarning, QStringLiteral("Careful"));
    EXPECT_TRUE(messageBox);
    bool inputBox = false;
    WhenModal([&](QWidget& box) {
        inputBox = OnlyACloseButton(box) && box.minimumSize() == box.maximumSize();
        QTest::keyClick(box.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(
        FQtDialogs.InputText({QStringLiteral("Go to Line Number"),
                              QStringLiteral("Enter Line Number (1 to 3)"), QStringLiteral("1")}),
        QStringLiteral("1"));
    EXPECT_TRUE(inputBox);
}

// The warning for a command-line file waits until the frame is on the screen, where the
// window system has placed it, and is centred over it.
TEST_F(RealDialogs, TheStartUpWarningIsCentredOverTheMainWindowOnTheScreen) {
    FWindows = std::make_unique<TProgramWindows>(
        TMainWindowSetup{FDir.path() + QLatin1Char('/'), IniPath(), {Path("gone.txt")}},
        FQtDialogs);
    Main().SetEditorWindows(&FEditors);
    FQtDialogs.SetParent(&Main());
    Main().setGeometry(300, 200, 600, 350);
    bool exposed = false;
    QPoint boxCentre;
    QString text;
    WhenModal([&](QWidget& box) {
        exposed = Main().windowHandle()->isExposed();
        boxCentre = box.frameGeometry().center();
        text = static_cast<QMessageBox&>(box).text();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    Main().show();
    QTRY_VERIFY(!text.isEmpty());
    EXPECT_EQ(text, "Unable to open file " + Path("gone.txt"));
    EXPECT_TRUE(exposed);
    const QPoint mainCentre = Main().frameGeometry().center();
    EXPECT_LE((boxCentre - mainCentre).manhattanLength(), 2);
}

// Only all pages, and the selection where there is one, can be chosen.
TEST_F(RealDialogs, ThePrintDialogOffersNoPageRange) {
    Start();
    FQtDialogs.SetParent(&Main());
    for (const bool selection : {false, true}) {
        QStringList choosable;
        WhenModal([&](QWidget& dialog) {
            for (auto* button : dialog.findChildren<QPushButton*>())
                if (button->text().startsWith("&Options") || button->text().startsWith("Options"))
                    QTest::mouseClick(button, Qt::LeftButton);  // shows the options
            for (const char* name :
                 {"printAll", "printRange", "printSelection", "printCurrentPage",
                  "pagesRadioButton", "from", "to", "pageRange", "pagesLineEdit"})
                if (auto* control = dialog.findChild<QWidget*>(QString::fromLatin1(name)))
                    if (control->isVisibleTo(&dialog) && control->isEnabled())
                        choosable << QString::fromLatin1(name);
            for (auto* label : dialog.findChildren<QLabel*>())
                if (label->isVisibleTo(&dialog) && label->text() == "to") choosable << "to";
            dialog.close();
        });
        QPrinter printer;
        FQtDialogs.Print(printer, selection);
        EXPECT_EQ(choosable, selection ? (QStringList{"printAll", "printSelection"})
                                       : QStringList{"printAll"});
    }
}

}  // namespace
}  // namespace wendax
