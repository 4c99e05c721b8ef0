#include "app/frame/menu_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include "app/frame/main_menu.h"

namespace wendax {

TMenuShortcuts::TMenuShortcuts(QWidget& window, TMainMenu& menu)
    : QObject(&window), FWindow(window), FMenu(menu) {
    for (QAction* item : menu.ShortcutItems())
        FKeys.insert(item->shortcut()[0].toCombined(), item);
    qApp->installEventFilter(this);
}

TMenuShortcuts::~TMenuShortcuts() {
    qApp->removeEventFilter(this);
}

QAction* TMenuShortcuts::ItemFor(const QKeyEvent& event) const {
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return FKeys.value(QKeyCombination(modifiers, Qt::Key(event.key())).toCombined(), nullptr);
}

void TMenuShortcuts::Dispatch(QAction& item) {
    if (QMenu* menu = FMenu.TopMenuOf(&item)) FMenu.RunOpeningHandler(menu);
    QAction& command = FMenu.CommandItem(item);
    if (command.isEnabled()) command.trigger();
}

bool TMenuShortcuts::IsInWindow(QObject* receiver) const {
    const auto* widget = qobject_cast<QWidget*>(receiver);
    return widget != nullptr && widget->window() == &FWindow;
}

// Qt first offers a key to the focused widget as a shortcut override, then to its shortcut
// map, then as a key press. Claiming the override keeps Qt's map (which would skip a
// disabled item and pass the key on) out of it; the key press that follows is ours.
bool TMenuShortcuts::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if ((!override && event->type() != QEvent::KeyPress) || !IsInWindow(watched)) return false;
    QAction* item = ItemFor(*static_cast<QKeyEvent*>(event));
    if (item == nullptr) return false;
    event->accept();
    if (!override) Dispatch(*item);
    return true;
}

}  // namespace wendax
