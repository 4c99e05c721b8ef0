// The main window's menu bar built from the menu table. Each top-level menu has one
// opening handler that recomputes the enabled state (or captions) of its items; it runs
// when the menu opens and before any of its items is run by a shortcut key.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace wendax {

class TMainMenu : public QObject {
    Q_OBJECT
  public:
    // Fills `bar` with every menu and item of the table. Items start enabled. Hidden items
    // are invisible, which keeps them disabled for Qt; they stand for their visible twin,
    // whose enabled state and command they share.
    explicit TMainMenu(QMenuBar& bar);

    // A top-level menu (MI_File ...) or nullptr.
    QMenu* Menu(const QString& name) const;
    // An item of any menu by its object name (MI_FileOpen, MI_N01 ...) or nullptr.
    QAction* Item(const QString& name) const;
    // The top-level menus from left to right.
    const std::vector<QMenu*>& Menus() const { return FMenus; }
    // The top-level menu holding `item`, or nullptr.
    QMenu* TopMenuOf(const QAction* item) const;
    // The item whose command `item` runs: the visible twin of a hidden item, else itself.
    QAction& CommandItem(QAction& item) const;
    // Whether `item` can run now (for a hidden item: whether its twin can).
    bool IsEnabled(QAction& item) const;
    // Every item with a shortcut, hidden ones included.
    std::vector<QAction*> ShortcutItems() const;

    void SetOpeningHandler(QMenu* menu, std::function<void()> handler);
    void RunOpeningHandler(QMenu* menu);

  private:
    QMenu* AddMenu(QMenuBar& bar, const struct TMenuRow& row);
    void AddItem(QMenu& menu, const struct TMenuItemRow& row);
    void PairWithTwin(QAction& hidden, const QString& twinName);

    std::vector<QMenu*> FMenus;
    QHash<QString, QAction*> FItems;
    QHash<const QAction*, QAction*> FTwins;  // hidden item -> visible twin
    QHash<const QMenu*, std::function<void()>> FOpeningHandlers;
};

// The long part of a hint: the text after "|", or the whole hint when it has none.
QString LongHint(const QString& hint);

}  // namespace wendax
