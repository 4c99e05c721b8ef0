// The six windows of the program, their centring, the help screen and the about box, and
// screenshots of the main window, the options pages and the help screen.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <QPainter>

#include "app/dialogs/about_box.h"
#include "app/dialogs/help_screen.h"
#include "app/dialogs/help_texts.h"
#include "app/dialogs/options_dialog.h"
#include "app/dialogs/replace_dialog.h"
#include "app/dialogs/search_dialog.h"
#include "app/frame/speed_glyphs.h"
#include "program_fixture.h"

namespace wendax {
namespace {

using ProgramDialogs = ProgramTest;

TEST(Centring, HalvesTheDifferenceTruncatingTowardsZero) {
    EXPECT_EQ(CenteredPosition(QRect(100, 50, 601, 401), QSize(200, 100)), QPoint(300, 200));
    // A window larger than the main window: (300 - 401) / 2 is -50, not -51.
    EXPECT_EQ(CenteredPosition(QRect(10, 10, 300, 300), QSize(401, 401)), QPoint(-40, -40));
}

TEST_F(ProgramDialogs, DialogsHaveTheirTitlesAndFixedClientAreas) {
    Start();
    const std::vector<std::tuple<QWidget*, const char*, QSize>> expected = {
        {&Windows().Options(), "Options", {532, 309}},
        {&Windows().HelpScreen(), "Wendax Help", {568, 403}},
        {&Windows().About(), "About", {385, 292}},
        {&Windows().Search(), "Find text", {411, 265}},
        {&Windows().Replace(), "Replace text", {411, 300}}};
    for (const auto& [window, title, size] : expected) {
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_EQ(window->size(), size) << title;
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << title;
    }
}

TEST_F(ProgramDialogs, TheHelpScreenStaysOnTopAndDoesNotBlock) {
    Start();
    Run("MI_HelpScreen");
    TFM_HelpScreen& help = Windows().HelpScreen();
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(help.isModal());
    EXPECT_TRUE(help.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(help.pos(), CenteredPosition(Main().frameGeometry(), help.frameGeometry().size()));
    Child<QPushButton>(help, "BT_Close").click();
    EXPECT_FALSE(help.isVisible());
}

TEST_F(ProgramDialogs, TheHelpScreenReopensOnTheLicensePageWithItsListsAtTheTop) {
    Start();
    TFM_HelpScreen& help = Windows().HelpScreen();
    Run("MI_HelpScreen");
    help.Pages().setCurrentIndex(4);
    help.KeyboardList().verticalScrollBar()->setValue(
        help.KeyboardList().verticalScrollBar()->maximum());
    help.SpeedbarList().verticalScrollBar()->setValue(5);
    Run("MI_HelpScreen");  // open already: page and lists stay
    EXPECT_EQ(help.Pages().currentIndex(), 4);
    EXPECT_GT(help.KeyboardList().verticalScrollBar()->value(), 0);
    help.hide();
    Run("MI_HelpScreen");
    EXPECT_EQ(help.Pages().currentIndex(), 0);
    EXPECT_EQ(help.Pages().tabText(0), "&License");
    EXPECT_EQ(help.KeyboardList().verticalScrollBar()->value(), 0);
    EXPECT_EQ(help.SpeedbarList().verticalScrollBar()->value(), 0);
}

TEST_F(ProgramDialogs, TheHelpPagesHoldTheSpeedbarAndKeyboardLists) {
    Start();
    TFM_HelpScreen& help = Windows().HelpScreen();
    QStringList tabs;
    for (int i = 0; i < help.Pages().count(); ++i)
        tabs << help.Pages().tabText(i);
    EXPECT_EQ(tabs, (QStringList{"&License", "&Contact", "&Bookmarks", "&Speedbar", "&Keyboard"}));
    QTreeWidget& speedbar = help.SpeedbarList();
    EXPECT_EQ(speedbar.headerItem()->text(0), " Button");
    EXPECT_EQ(speedbar.headerItem()->text(1), " Action");
    ASSERT_EQ(speedbar.topLevelItemCount(), 18);
    EXPECT_EQ(speedbar.topLevelItem(0)->text(1), "Exit Wendax, prompt for save on modified files");
    EXPECT_EQ(speedbar.topLevelItem(17)->text(1), "Toggle wordwrap mode");
    EXPECT_FALSE(speedbar.topLevelItem(3)->icon(0).isNull());
    QTreeWidget& keys = help.KeyboardList();
    ASSERT_EQ(keys.topLevelItemCount(), 25);
    EXPECT_EQ(keys.topLevelItem(3)->text(0), "<Ctrl + K><0>");
    EXPECT_EQ(keys.topLevelItem(4)->text(0), "...");
    EXPECT_EQ(keys.topLevelItem(5)->text(1), "Set marker 9");
    EXPECT_EQ(keys.topLevelItem(24)->text(0), "<F3>");
    EXPECT_EQ(keys.topLevelItem(24)->text(1), "Find next");
}

// Turning to a list page, by click or key, from a page that had the focus leaves no focus
// frame in the list: it takes no focus and has no current cell to mark.
TEST_F(ProgramDialogs, TheHelpListsShowNoFocusCell) {
    Start();
    TFM_HelpScreen& help = Windows().HelpScreen();
    QTest::keyClick(&Main(), Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QApplication::setActiveWindow(&help);
    QTabBar& tabs = *help.Pages().tabBar();
    QWidget& license = *help.Pages().widget(0);
    QTest::mouseClick(&license, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(3).center());
    EXPECT_EQ(help.Pages().currentIndex(), 3);
    QTest::keyClick(&help, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(help.Pages().currentIndex(), 4);
    for (QTreeWidget* list : {&help.SpeedbarList(), &help.KeyboardList()}) {
        EXPECT_FALSE(list->hasFocus());
        EXPECT_FALSE(list->currentIndex().isValid());
    }
    help.hide();
}

TEST_F(ProgramDialogs, TheAboutBoxIsModalAndNamesTheProgram) {
    Start();
    TFM_About& about = Windows().About();
    EXPECT_EQ(Child<QLabel>(about, "LL_ProgramName").text(), "WENDAX");
    EXPECT_EQ(Child<QLabel>(about, "LL_Description").text(), "32-bit text editor");
    EXPECT_EQ(Child<QLabel>(about, "LL_Version").text(), "Version 2.1 for Windows 95/NT");
    EXPECT_EQ(Child<QLabel>(about, "LL_Rights").text(), "All Rights Reserved");
    EXPECT_EQ(Child<QLabel>(about, "IE_Morvathen").pixmap().size(), QSize(91, 125));
    bool wasModal = false;
    WhenModal([&](QWidget& dialog) {
        wasModal = &dialog == &about;
        Child<QPushButton>(dialog, "BT_Close").click();
    });
    Run("MI_HelpAbout");
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(about.isVisible());
}

// Saved beside the test program for a look.
void Shoot(QWidget& widget, const QString& name) {
    EXPECT_TRUE(widget.grab().save(QDir::current().filePath(name + QStringLiteral(".png"))));
}

// Every speed-button picture, enlarged, with its disabled variant below it.
TEST(SpeedGlyphs, Sheet) {
    const qreal scale = 4;
    const int cell = kGlyphSize * 5;
    QImage sheet(18 * cell, 2 * cell, QImage::Format_ARGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    for (int glyph = sgExit; glyph <= sgWordWrap; ++glyph) {
        const QImage normal = DrawSpeedGlyph(static_cast<TSpeedGlyph>(glyph), scale);
        painter.drawImage(glyph * cell + 8, 8, normal);
        painter.drawImage(glyph * cell + 8, cell + 8, DisabledVariant(normal, scale));
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QDir::current().filePath(QStringLiteral("speed_glyphs.png"))));
}

// With the program's own editor windows, one of them split and with a highlight.
TEST_F(ProgramDialogs, Screenshots) {
    FRealEditors = true;
    Start({MakeFile(QStringLiteral("first.txt"), "Hello\r\n\tworld\r\n"),
           MakeFile(QStringLiteral("second.txt"), "Second file\r\n")});
    Main().resize(640, 400);
    QCoreApplication::processEvents();
    Run("MI_WindowSplit");
    Run("MI_EditSelectAll");
    Run("MI_WindowTileVert");
    Main().UpdateStatusAndCommands();
    QCoreApplication::processEvents();
    Shoot(Main(), QStringLiteral("speedbar_and_status_line"));
    TFM_Options& options = Windows().Options();
    WhenModal([&](QWidget& dialog) {
        auto& pages = Child<QTabWidget>(dialog, "PC_Options");
        for (int i = 0; i < pages.count(); ++i) {
            pages.setCurrentIndex(i);
            QCoreApplication::processEvents();
            Shoot(dialog, QStringLiteral("options_") + pages.widget(i)->objectName());
        }
        static_cast<QDialog&>(dialog).reject();
    });
    Run("MI_OptionsConfigure");
    EXPECT_FALSE(options.isVisible());
    Run("MI_HelpScreen");
    TFM_HelpScreen& help = Windows().HelpScreen();
    for (int i : {0, 3, 4}) {
        help.Pages().setCurrentIndex(i);
        QCoreApplication::processEvents();
        Shoot(help, QStringLiteral("help_") + help.Pages().widget(i)->objectName());
    }
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             &Windows().Search(), &Windows().Replace(), &Windows().About()}) {
        WhenModal([&](QWidget& modal) {
            Shoot(modal, modal.objectName());
            static_cast<QDialog&>(modal).reject();
        });
        dialog->exec();
    }
}

}  // namespace
}  // namespace wendax
