// Runs the main window's menu shortcuts ahead of every widget inside the window. A key
// bound to a menu item (visible or hidden) never reaches the focused widget, not even a
// key the widget would take for itself: the item's top-level menu runs its opening
// handler first, so the enabled state is fresh, then the item runs if it is enabled; a
// disabled item swallows the key. Keys of other windows (dialogs, open pop-up menus)
// are left alone.
#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>

class QAction;
class QKeyEvent;
class QWidget;

namespace wendax {

class TMainMenu;

class TMenuShortcuts : public QObject {
    Q_OBJECT
  public:
    // Watches the keys of `window` (installed on the application); the items and their
    // shortcuts are those of `menu` now.
    TMenuShortcuts(QWidget& window, TMainMenu& menu);
    ~TMenuShortcuts() override;

    // The item bound to the key of `event`, or nullptr.
    QAction* ItemFor(const QKeyEvent& event) const;
    // Refreshes the item's menu and runs the item's command when it is enabled.
    void Dispatch(QAction& item);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool IsInWindow(QObject* receiver) const;

    QWidget& FWindow;
    TMainMenu& FMenu;
    QHash<int, QAction*> FKeys;  // combined key and modifiers
};

}  // namespace wendax
