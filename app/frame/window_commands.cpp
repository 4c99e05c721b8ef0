#include "app/frame/window_commands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/editor/editor_window.h"
#include "app/editor/window_caption.h"
#include "app/frame/main_menu.h"
#include "app/frame/window_tiling.h"

namespace wendax {
namespace {

constexpr const char* kArrangeItems[] = {"MI_WindowCascade",     "MI_WindowTileVert",
                                         "MI_WindowTileHorz",    "MI_WindowArrangeIcons",
                                         "MI_WindowMinimizeAll", "MI_WindowNextWindow"};

TRect ToRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const TRect& r) {
    return {r.Left, r.Top, r.Width(), r.Height()};
}

// The shown windows that are minimised, or those that are not, in creation order.
QList<QMdiSubWindow*> Shown(const QMdiArea& area, bool minimised) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && window->isMinimized() == minimised) windows << window;
    return windows;
}

// The list entry for the window at `index` with window title `title`: "&1 caption" ..
// "&9 caption", then without an access key.
QString EntryCaption(int index, const QString& title) {
    const QString number = QString::number(index + 1);
    QString shown = CaptionOfTitle(title);
    shown.replace(QLatin1Char('&'),
                  QLatin1String("&&"));  // an ampersand of the name is no access key
    return (index < 9 ? QStringLiteral("&") + number : number) + QLatin1Char(' ') + shown;
}

}  // namespace

TWindowCommands::TWindowCommands(TMainMenu& menu, QMdiArea& area, TActiveWindow activeWindow)
    : QObject(&menu), FMenu(menu), FArea(area), FActiveWindow(std::move(activeWindow)) {
    Connect("MI_WindowCascade", &TWindowCommands::Cascade);
    Connect("MI_WindowTileVert", &TWindowCommands::TileVertically);
    Connect("MI_WindowTileHorz", &TWindowCommands::TileHorizontally);
    Connect("MI_WindowArrangeIcons", &TWindowCommands::ArrangeIcons);
    Connect("MI_WindowMinimizeAll", &TWindowCommands::MinimizeAll);
    Connect("MI_WindowNextWindow", &TWindowCommands::NextWindow);
    Connect("MI_WindowSplit", &TWindowCommands::ToggleSplit);
}

void TWindowCommands::Connect(const char* item, void (TWindowCommands::*command)()) {
    connect(FMenu.Item(QString::fromLatin1(item)), &QAction::triggered, this, command);
}

void TWindowCommands::UpdateMenu() {
    const bool any = !FArea.subWindowList().isEmpty();
    for (const char* item : kArrangeItems)
        FMenu.Item(QString::fromLatin1(item))->setEnabled(any);
    FMenu.Item(QStringLiteral("MI_WindowSplit"))->setEnabled(FActiveWindow() != nullptr);
    RebuildWindowList();
}

void TWindowCommands::RebuildWindowList() {
    QMenu& menu = *FMenu.Menu(QStringLiteral("MI_Window"));
    for (QAction* entry : FEntries)
        delete entry;
    FEntries.clear();
    const QList<QMdiSubWindow*> windows = FArea.subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    FEntries.push_back(menu.addSeparator());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry = menu.addAction(EntryCaption(i, window->windowTitle()));
        // Only the active window carries a mark; the others show no empty box.
        const bool active = window == FArea.currentSubWindow();
        entry->setCheckable(active);
        entry->setChecked(active);
        connect(entry, &QAction::triggered, &FArea,
                [this, window] { FArea.setActiveSubWindow(window); });
        FEntries.push_back(entry);
    }
}

void TWindowCommands::Cascade() {
    FArea.cascadeSubWindows();
}

void TWindowCommands::TileVertically() {
    Tile(tdVertical);
}

void TWindowCommands::TileHorizontally() {
    Tile(tdHorizontal);
}

// Minimised windows keep their places; a maximised one is restored to take its tile.
void TWindowCommands::Tile(TTileDirection direction) {
    const QList<QMdiSubWindow*> windows = Shown(FArea, false);
    const auto rects =
        TileRects(ToRect(FArea.viewport()->rect()), static_cast<int>(windows.size()), direction);
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized()) windows[i]->showNormal();
        windows[i]->setGeometry(ToQRect(rects[i]));
    }
}

void TWindowCommands::ArrangeIcons() {
    const QList<QMdiSubWindow*> icons = Shown(FArea, true);
    if (icons.isEmpty()) return;
    const QSize size = icons.first()->size();
    const auto rects = IconRects(ToRect(FArea.viewport()->rect()), {size.width(), size.height()},
                                 static_cast<int>(icons.size()));
    for (int i = 0; i < icons.size(); ++i)
        icons[i]->move(rects[i].Left, rects[i].Top);
}

// From the bottom of the stack to the top.
void TWindowCommands::MinimizeAll() {
    const QList<QMdiSubWindow*> windows = FArea.subWindowList(QMdiArea::StackingOrder);
    for (QMdiSubWindow* window : windows)
        window->showMinimized();
}

void TWindowCommands::NextWindow() {
    FArea.activateNextSubWindow();
}

void TWindowCommands::ToggleSplit() {
    if (TEditorWindow* window = FActiveWindow()) {
        window->ToggleSplit();
        emit SplitToggled();
    }
}

}  // namespace wendax
