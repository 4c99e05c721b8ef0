#include "app/frame/menu_shortcuts.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>

#include "app/frame/main_menu.h"

namespace wendax {
namespace {

// A window with the main menu whose focused widget, a line edit, stands in for an editor
// that binds keys such as Ctrl+Z and Ctrl+X for itself.
class MenuShortcuts : public ::testing::Test {
  protected:
    void SetUp() override {
        FWindow.setCentralWidget(FEditor);
        FWindow.show();
        QApplication::setActiveWindow(&FWindow);
        FEditor->setFocus();
        QTest::keyClicks(FEditor, QStringLiteral("abc"));
        for (QMenu* menu : FMenu.Menus())
            for (QAction* item : menu->actions())
                QObject::connect(item, &QAction::triggered,
                                 [this, item] { FRun << item->objectName(); });
    }

    QAction* Item(const char* name) { return FMenu.Item(QString::fromLatin1(name)); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(FEditor, key, modifiers);
    }

    QMainWindow FWindow;
    QLineEdit* FEditor = new QLineEdit;
    TMainMenu FMenu{*FWindow.menuBar()};
    TMenuShortcuts FShortcuts{FWindow, FMenu};
    QStringList FRun;  // items run, in order
};

TEST_F(MenuShortcuts, AnEnabledItemRunsAndTheFocusedWidgetNeverSeesTheKey) {
    Press(Qt::Key_Z, Qt::ControlModifier);
    Press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(FRun, (QStringList{"MI_EditUndo1", "MI_EditCut1"}));
    EXPECT_EQ(FEditor->text(), "abc");  // neither undone nor cut
}

TEST_F(MenuShortcuts, ADisabledItemSwallowsItsKey) {
    Item("MI_EditUndo1")->setEnabled(false);
    Item("MI_EditDelete")->setEnabled(false);
    FEditor->setCursorPosition(0);
    Press(Qt::Key_Z, Qt::ControlModifier);
    Press(Qt::Key_Delete);
    EXPECT_TRUE(FRun.isEmpty());
    EXPECT_EQ(FEditor->text(), "abc");
}

TEST_F(MenuShortcuts, OtherKeysReachTheFocusedWidget) {
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Left, Qt::ShiftModifier);
    Press(Qt::Key_D);
    EXPECT_EQ(FEditor->text(), "ad");
    EXPECT_TRUE(FRun.isEmpty());
}

TEST_F(MenuShortcuts, TheItemsMenuIsRefreshedBeforeTheItemIsChecked) {
    QAction* undo = Item("MI_EditUndo1");
    undo->setEnabled(false);
    QStringList events;
    FMenu.SetOpeningHandler(FMenu.Menu(QStringLiteral("MI_Edit")), [&] {
        events << QStringLiteral("opened");
        undo->setEnabled(true);
    });
    QObject::connect(undo, &QAction::triggered, [&] { events << QStringLiteral("undo"); });
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(events, (QStringList{"opened", "undo"}));
}

TEST_F(MenuShortcuts, ARefreshThatDisablesTheItemStopsIt) {
    FMenu.SetOpeningHandler(FMenu.Menu(QStringLiteral("MI_Search")),
                            [&] { Item("MI_SearchFind")->setEnabled(false); });
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(FRun.isEmpty());
}

TEST_F(MenuShortcuts, OnlyTheMenuOfTheItemIsRefreshed) {
    QStringList opened;
    for (QMenu* menu : FMenu.Menus())
        FMenu.SetOpeningHandler(menu, [&opened, menu] { opened << menu->objectName(); });
    Press(Qt::Key_F4);
    Press(Qt::Key_F6);
    EXPECT_EQ(opened, (QStringList{"MI_Search", "MI_Window"}));
}

TEST_F(MenuShortcuts, HiddenItemsRunTheCommandOfTheirVisibleTwin) {
    Press(Qt::Key_Backspace, Qt::AltModifier);
    Press(Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    Press(Qt::Key_Insert, Qt::ShiftModifier);
    Press(Qt::Key_F3);
    EXPECT_EQ(FRun,
              (QStringList{"MI_EditUndo1", "MI_EditRedo1", "MI_EditPaste1", "MI_SearchFindNext1"}));
    EXPECT_EQ(FEditor->text(), "abc");
}

TEST_F(MenuShortcuts, AHiddenItemWhoseTwinIsDisabledSwallowsItsKey) {
    Item("MI_EditCut1")->setEnabled(false);
    FEditor->selectAll();
    Press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(FRun.isEmpty());
    EXPECT_EQ(FEditor->text(), "abc");
}

TEST_F(MenuShortcuts, KeypadKeysCountAsTheirMainKeys) {
    Press(Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(FRun, QStringList{"MI_EditDelete"});
}

TEST_F(MenuShortcuts, KeysOfAnotherWindowAreLeftAlone) {
    QDialog dialog;
    auto* field = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(field);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("xy"));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(FRun.isEmpty());
    EXPECT_EQ(field->text(), "");  // the dialog's own select all and cut worked
}

}  // namespace
}  // namespace wendax
