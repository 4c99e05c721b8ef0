#include "app/frame/main_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "app/frame/menu_table.h"

namespace wendax {

TMainMenu::TMainMenu(QMenuBar& bar) : QObject(&bar) {
    for (const TMenuRow& row : MainMenuTable())
        FMenus.push_back(AddMenu(bar, row));
}

QMenu* TMainMenu::AddMenu(QMenuBar& bar, const TMenuRow& row) {
    QMenu* menu = bar.addMenu(QString::fromLatin1(row.Caption));
    menu->setObjectName(QString::fromLatin1(row.Name));
    menu->menuAction()->setObjectName(QString::fromLatin1(row.Name));
    menu->menuAction()->setStatusTip(QString::fromLatin1(row.Hint));
    for (const TMenuItemRow& item : row.Items)
        AddItem(*menu, item);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { RunOpeningHandler(menu); });
    return menu;
}

void TMainMenu::AddItem(QMenu& menu, const TMenuItemRow& row) {
    QAction* item = row.Caption == nullptr ? menu.addSeparator()
                                           : menu.addAction(QString::fromLatin1(row.Caption));
    const QString name = QString::fromLatin1(row.Name);
    item->setObjectName(name);
    item->setStatusTip(QString::fromLatin1(row.Hint));
    item->setShortcut(QKeySequence(QString::fromLatin1(row.Shortcut)));
    // Shortcuts are dispatched by TMenuShortcuts, never by Qt's own shortcut map.
    item->setShortcutContext(Qt::WidgetShortcut);
    FItems.insert(name, item);
    if (row.TwinOf != nullptr) PairWithTwin(*item, QString::fromLatin1(row.TwinOf));
}

void TMainMenu::PairWithTwin(QAction& hidden, const QString& twinName) {
    QAction* twin = FItems.value(twinName);
    Q_ASSERT(twin != nullptr);  // the table lists a twin before its hidden item
    hidden.setVisible(false);
    FTwins.insert(&hidden, twin);
}

QAction& TMainMenu::CommandItem(QAction& item) const {
    QAction* twin = FTwins.value(&item);
    return twin != nullptr ? *twin : item;
}

bool TMainMenu::IsEnabled(QAction& item) const {
    return CommandItem(item).isEnabled();
}

QMenu* TMainMenu::Menu(const QString& name) const {
    for (QMenu* menu : FMenus)
        if (menu->objectName() == name) return menu;
    return nullptr;
}

QAction* TMainMenu::Item(const QString& name) const {
    return FItems.value(name);
}

QMenu* TMainMenu::TopMenuOf(const QAction* item) const {
    for (QMenu* menu : FMenus)
        if (menu->actions().contains(const_cast<QAction*>(item))) return menu;
    return nullptr;
}

std::vector<QAction*> TMainMenu::ShortcutItems() const {
    std::vector<QAction*> result;
    for (QMenu* menu : FMenus)
        for (QAction* item : menu->actions())
            if (!item->shortcut().isEmpty()) result.push_back(item);
    return result;
}

void TMainMenu::SetOpeningHandler(QMenu* menu, std::function<void()> handler) {
    FOpeningHandlers.insert(menu, std::move(handler));
}

void TMainMenu::RunOpeningHandler(QMenu* menu) {
    const auto handler = FOpeningHandlers.constFind(menu);
    if (handler != FOpeningHandlers.constEnd() && *handler) (*handler)();
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace wendax
