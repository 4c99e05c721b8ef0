// The Window menu: enabling, the list of open windows and the arrangements.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "program_fixture.h"

namespace wendax {
namespace {

using WindowMenu = ProgramTest;

const char* const kArrangeItems[] = {
    "MI_WindowCascade",     "MI_WindowTileVert",   "MI_WindowTileHorz", "MI_WindowArrangeIcons",
    "MI_WindowMinimizeAll", "MI_WindowNextWindow", "MI_WindowSplit"};

class WindowArrangement : public ProgramTest {
  protected:
    void OpenThree() {
        Start();
        Main().resize(800, 600);
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            Open(QString::fromLatin1(name), "x\n");
    }
    QList<QMdiSubWindow*> InOrder() const {
        return Main().MdiArea().subWindowList(QMdiArea::CreationOrder);
    }
    QRect Area() const { return Main().MdiArea().viewport()->rect(); }
};

TEST_F(WindowMenu, WithoutWindowsEveryItemIsDisabled) {
    Start();
    Main().UpdateCommandStates();
    for (const char* item : kArrangeItems)
        EXPECT_FALSE(Enabled(item)) << item;
}

TEST_F(WindowMenu, AWindowEnablesEveryItem) {
    Start();
    Open(QStringLiteral("a.txt"), "x\n");
    Main().UpdateCommandStates();
    for (const char* item : kArrangeItems)
        EXPECT_TRUE(Enabled(item)) << item;
}

// Only the active window's entry carries a mark; the others show no empty check box.
TEST_F(WindowMenu, OpenWindowsAreListedNumberedAndTheChosenOneIsActivated) {
    Start();
    const QString first = MakeFile(QStringLiteral("a.txt"));
    const QString second = MakeFile(QStringLiteral("b.txt"));
    Main().OpenEditorWindow(first, false);
    Main().OpenEditorWindow(second, false);
    for (int opening = 0; opening < 2; ++opening) {  // rebuilt, not appended twice
        QMenu& menu = ClickMenu("MI_Window");
        const QList<QAction*> items = menu.actions();
        ASSERT_EQ(items.size(), 8 + 1 + 2);
        EXPECT_TRUE(items[8]->isSeparator());
        EXPECT_EQ(items[9]->text(), "&1 " + first);
        EXPECT_EQ(items[10]->text(), "&2 " + second);
        EXPECT_FALSE(items[9]->isCheckable());
        EXPECT_TRUE(items[10]->isCheckable() && items[10]->isChecked());
        if (opening == 0) menu.hide();
    }
    QMenu& menu = *Main().MainMenu().Menu(QStringLiteral("MI_Window"));
    ClickItem(menu, *menu.actions()[9]);
    EXPECT_EQ(Main().MdiArea().currentSubWindow()->windowTitle(), first);
    QMenu& again = ClickMenu("MI_Window");
    EXPECT_TRUE(again.actions()[9]->isChecked());
    EXPECT_FALSE(again.actions()[10]->isCheckable());
    again.hide();
}

TEST_F(WindowArrangement, TileVerticallyPutsTheWindowsSideBySide) {
    OpenThree();
    Run("MI_WindowTileVert");
    const QRect area = Area();
    const auto windows = InOrder();
    int left = area.left();
    for (QMdiSubWindow* window : windows) {
        EXPECT_EQ(window->geometry().left(), left);
        EXPECT_EQ(window->geometry().top(), area.top());
        EXPECT_EQ(window->height(), area.height());
        left = window->geometry().right() + 1;
    }
    EXPECT_EQ(left, area.right() + 1);
}

TEST_F(WindowArrangement, TileHorizontallyPutsTheWindowsOneAboveTheOther) {
    OpenThree();
    InOrder()[1]->showMaximized();
    Run("MI_WindowTileHorz");
    const QRect area = Area();
    int top = area.top();
    for (QMdiSubWindow* window : InOrder()) {
        EXPECT_FALSE(window->isMaximized());
        EXPECT_EQ(window->geometry().top(), top);
        EXPECT_EQ(window->width(), area.width());
        top = window->geometry().bottom() + 1;
    }
    EXPECT_EQ(top, area.bottom() + 1);
}

TEST_F(WindowArrangement, CascadeOverlapsTheWindowsDownAndRight) {
    OpenThree();
    Run("MI_WindowTileVert");
    Run("MI_WindowCascade");
    const auto windows = Main().MdiArea().subWindowList(QMdiArea::StackingOrder);
    for (int i = 1; i < windows.size(); ++i) {
        EXPECT_GT(windows[i]->x(), windows[i - 1]->x());
        EXPECT_GT(windows[i]->y(), windows[i - 1]->y());
        EXPECT_TRUE(windows[i]->geometry().intersects(windows[i - 1]->geometry()));
    }
}

TEST_F(WindowArrangement, MinimizeAllThenArrangeIconsLinesThemUpAlongTheBottom) {
    OpenThree();
    Run("MI_WindowMinimizeAll");
    for (QMdiSubWindow* window : InOrder())
        EXPECT_TRUE(window->isMinimized());
    for (QMdiSubWindow* window : InOrder())
        window->move(100, 100);
    Run("MI_WindowArrangeIcons");
    const QRect area = Area();
    int left = area.left();
    for (QMdiSubWindow* window : InOrder()) {
        EXPECT_EQ(window->geometry().bottom(), area.bottom());
        EXPECT_EQ(window->x(), left);
        left += window->width();
    }
}

TEST_F(WindowArrangement, TilingLeavesMinimisedWindowsAlone) {
    OpenThree();
    InOrder()[0]->showMinimized();
    Run("MI_WindowTileVert");
    EXPECT_TRUE(InOrder()[0]->isMinimized());
    EXPECT_EQ(InOrder()[1]->width() + InOrder()[2]->width(), Area().width());
}

TEST_F(WindowArrangement, NextWindowGoesThroughTheWindowsInTurn) {
    OpenThree();
    const auto windows = InOrder();
    EXPECT_EQ(Main().MdiArea().currentSubWindow(), windows[2]);
    Run("MI_WindowNextWindow");
    EXPECT_EQ(Main().MdiArea().currentSubWindow(), windows[0]);
    Run("MI_WindowNextWindow");
    EXPECT_EQ(Main().MdiArea().currentSubWindow(), windows[1]);
}

}  // namespace
}  // namespace wendax
