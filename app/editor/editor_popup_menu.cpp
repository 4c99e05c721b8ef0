// The pop-up menu of an editor window (Z_PopupMenu): save, close, split, and the
// bookmarks of its text.
#include <QMdiSubWindow>
#include <QMenu>

#include "app/editor/editor_form.h"
#include "app/frame/main_window.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {
namespace {

// An item with its object name and hint; the shortcut is only shown, since the main
// menu's item with the same command takes the key.
QAction* AddItem(QMenu& menu, const char* name, const QString& caption, const QString& hint,
                 const char* shortcut = nullptr) {
    QAction* item = menu.addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setStatusTip(hint);
    if (shortcut != nullptr) item->setText(caption + QLatin1Char('\t') + QLatin1String(shortcut));
    return item;
}

void AddSeparator(QMenu& menu, const char* name) {
    menu.addSeparator()->setObjectName(QString::fromLatin1(name));
}

// "Bookmark &0" .. "Bookmark &9" under `submenu`, each running `command` with its number.
template <typename Command>
void AddBookmarkItems(QMenu& submenu, const char* prefix, const QString& hint, Command command) {
    for (int n = 0; n < TFM_Editor::kBookmarks; ++n) {
        const QString number = QString::number(n);
        const QString name = QString::fromLatin1(prefix) + number;
        QAction* item = AddItem(submenu, name.toLatin1().constData(),
                                QStringLiteral("Bookmark &") + number, hint + number);
        QObject::connect(item, &QAction::triggered, &submenu, [command, n] { command(n); });
    }
}

}  // namespace

QMenu* TFM_Editor::BuildPopupMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("Z_PopupMenu"));
    connect(AddItem(*menu, "MI_SaveFile", QStringLiteral("Save file"),
                    QStringLiteral("Save current file"), "Ctrl+S"),
            &QAction::triggered, &FMain, &TFM_Main::FileSave);
    connect(AddItem(*menu, "MI_SaveFileAs", QStringLiteral("Save file as..."),
                    QStringLiteral("Save current file under a different name")),
            &QAction::triggered, &FMain, &TFM_Main::FileSaveAs);
    connect(AddItem(*menu, "MI_Close", QStringLiteral("Close"),
                    QStringLiteral("Close current file"), "Ctrl+F4"),
            &QAction::triggered, this, &TFM_Editor::CloseFromPopup);
    AddSeparator(*menu, "MI_N02");
    connect(AddItem(*menu, "MI_Split", QStringLiteral("Split editor"),
                    QStringLiteral("Split/Unsplit editor window")),
            &QAction::triggered, this, [this] {
                ToggleSplit();
                FMain.UpdateStatusAndCommands();
            });
    AddSeparator(*menu, "MI_N01");
    QMenu* set = menu->addMenu(QStringLiteral("Set bookmark"));
    set->menuAction()->setObjectName(QStringLiteral("MI_BMSet"));
    set->menuAction()->setStatusTip(QStringLiteral("Set a bookmark at the cursor position"));
    AddBookmarkItems(*set, "MI_BMSet", QStringLiteral("Set bookmark "),
                     [this](int n) { SetBookmark(n); });
    QMenu* go = menu->addMenu(QStringLiteral("Go to bookmark"));
    go->menuAction()->setObjectName(QStringLiteral("MI_BMGo"));
    go->menuAction()->setStatusTip(QStringLiteral("Go to an existing bookmark"));
    AddBookmarkItems(*go, "MI_BMGo", QStringLiteral("Go to bookmark "),
                     [this](int n) { GotoBookmark(n); });
    connect(AddItem(*menu, "MI_BMClearAll", QStringLiteral("Clear all bookmarks"),
                    QStringLiteral("Remove any existing bookmarks")),
            &QAction::triggered, this, &TFM_Editor::ClearBookmarks);
    return menu;
}

void TFM_Editor::ShowPopupMenu(THostedEditor& pane, QPoint at) {
    FPopupMenu->popup(pane.Widget().viewport()->mapToGlobal(at));
}

// The MDI child goes once the menu has finished with it.
void TFM_Editor::CloseFromPopup() {
    if (parentWidget() != nullptr) parentWidget()->close();
    FMain.UpdateStatusAndCommands();
}

void TFM_Editor::SetBookmark(int n) {
    int col = 0;
    const int line = FActiveEditor->GetCaretPosition(col);
    const auto number = static_cast<std::uint8_t>(n);
    FEditor1->Editor().SetMarkerAt(number, line, col);
    if (FSecondEditor) FSecondEditor->Editor().SetMarkerAt(number, line, col);
}

void TFM_Editor::GotoBookmark(int n) {
    FActiveEditor->Editor().GotoMarker(static_cast<std::uint8_t>(n));
}

void TFM_Editor::ClearBookmarks() {
    for (int n = 0; n < kBookmarks; ++n) {
        FEditor1->Editor().ClearMarker(static_cast<std::uint8_t>(n));
        if (FSecondEditor) FSecondEditor->Editor().ClearMarker(static_cast<std::uint8_t>(n));
    }
}

}  // namespace wendax
