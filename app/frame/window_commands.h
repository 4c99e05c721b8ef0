// The Window menu: arranging the editor windows (cascade, tile side by side or one above
// the other, arrange the minimised ones, minimise all), the next window, toggling the
// split of the active window, and the list of open windows at the end of the menu.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "app/frame/window_tiling.h"

class QAction;
class QMdiArea;

namespace wendax {

class TEditorWindow;
class TMainMenu;

class TWindowCommands : public QObject {
    Q_OBJECT
  public:
    using TActiveWindow = std::function<TEditorWindow*()>;

    TWindowCommands(TMainMenu& menu, QMdiArea& area, TActiveWindow activeWindow);

    // The arrangement items and Next window while any editor window exists, Toggle split
    // while one is active; then lists the open windows, numbered, after a separator.
    void UpdateMenu();
    // The entries of the window list, top to bottom.
    const std::vector<QAction*>& WindowEntries() const { return FEntries; }

    void Cascade();
    void TileVertically();
    void TileHorizontally();
    void ArrangeIcons();
    void MinimizeAll();
    void NextWindow();
    void ToggleSplit();

  signals:
    // The active window was split or unsplit.
    void SplitToggled();

  private:
    void Connect(const char* item, void (TWindowCommands::*command)());
    void RebuildWindowList();
    void Tile(TTileDirection direction);

    TMainMenu& FMenu;
    QMdiArea& FArea;
    TActiveWindow FActiveWindow;
    std::vector<QAction*> FEntries;  // the list's separator comes first
};

}  // namespace wendax
