#include "app/frame/speedbar.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

#include "app/frame/main_menu.h"

namespace wendax {

const std::vector<TSpeedButtonRow>& SpeedButtonTable() {
    static const std::vector<TSpeedButtonRow> table = {
        {"SP_Exit", 5, "Exit|Exit Wendax", sgExit, "MI_FileExit1"},
        {"SP_New", 37, "New|Create a new file", sgNew, "MI_FileNew"},
        {"SP_Open", 62, "Open|Open a file", sgOpen, "MI_FileOpen"},
        {"SP_Save", 87, "Save|Save current file", sgSave, "MI_FileSave1"},
        {"SP_Print", 119, "Print|Print current file", sgPrint, "MI_FilePrint"},
        {"SP_Undo", 151, "Undo|Undo last change", sgUndo, "MI_EditUndo1"},
        {"SP_Redo", 176, "Redo|Cancel last undo", sgRedo, "MI_EditRedo1"},
        {"SP_Cut", 208, "Cut|Cut selected text to clipboard", sgCut, "MI_EditCut1"},
        {"SP_Copy", 233, "Copy|Copy selected text to clipboard", sgCopy, "MI_EditCopy1"},
        {"SP_Paste", 258, "Paste|Paste text from clipboard", sgPaste, "MI_EditPaste1"},
        {"SP_Search", 290, "Search|Search for a text string", sgSearch, "MI_SearchFind"},
        {"SP_SearchAgain", 315, "Continue search|Continue search", sgSearchAgain,
         "MI_SearchFindNext1"},
        {"SP_Cascade", 347, "Cascade|Arrange windows to overlap", sgCascade, "MI_WindowCascade"},
        {"SP_TileVert", 372, "Tile vertically|Arrange windows vertically without overlap",
         sgTileVert, "MI_WindowTileVert"},
        {"SP_TileHorz", 397, "Tile horizontally|Arrange windows horizonally without overlap",
         sgTileHorz, "MI_WindowTileHorz"},
        {"SP_NextWin", 422, "Next|Go to next window", sgNextWindow, "MI_WindowNextWindow"},
        {"SP_Split", 454, "Toggle split|Split/Unsplit current editor window", sgSplit,
         "MI_WindowSplit", true},
        {"SP_WordWrap", 479, "Wordwrap|Toggle wordwrap", sgWordWrap, nullptr, true},
    };
    return table;
}

TSpeedbar::TSpeedbar(QWidget& band, TMainMenu& menu, std::function<void()> hide)
    : QObject(&band), FMenu(menu) {
    auto* bevel = new QFrame(&band);
    bevel->setObjectName(QStringLiteral("BV_Speedbar"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(0, 0, 4096, kBevelHeight);
    for (const TSpeedButtonRow& row : SpeedButtonTable())
        FButtons.push_back(AddButton(band, row));
    BuildPopupMenu(band, std::move(hide));
}

QToolButton* TSpeedbar::AddButton(QWidget& band, const TSpeedButtonRow& row) {
    auto* button = new QToolButton(&band);
    const QString hint = QString::fromLatin1(row.Hint);
    button->setObjectName(QString::fromLatin1(row.Name));
    button->setGeometry(row.Left, kButtonTop, kButtonSize, kButtonSize);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(SpeedButtonIcon(row.Glyph));
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
    button->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    button->setStatusTip(LongHint(hint));
    button->setCheckable(row.Toggle);
    if (row.MenuItem == nullptr) {
        connect(button, &QToolButton::clicked, this, &TSpeedbar::WordWrapClicked);
    } else {
        QAction* item = FMenu.Item(QString::fromLatin1(row.MenuItem));
        Q_ASSERT(item != nullptr);
        connect(button, &QToolButton::clicked, item, &QAction::trigger);
    }
    return button;
}

void TSpeedbar::BuildPopupMenu(QWidget& band, std::function<void()> hide) {
    FPopupMenu = new QMenu(&band);
    FPopupMenu->setObjectName(QStringLiteral("Z_SpeedbarMenu"));
    QAction* item = FPopupMenu->addAction(QStringLiteral("Hide speedbar"));
    item->setObjectName(QStringLiteral("MI_HideSpeedbar"));
    item->setStatusTip(QStringLiteral("Hide the speedbar"));
    connect(item, &QAction::triggered, this, std::move(hide));
    band.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&band, &QWidget::customContextMenuRequested, this,
            [this, &band](const QPoint& at) { FPopupMenu->popup(band.mapToGlobal(at)); });
}

QToolButton* TSpeedbar::Button(const QString& name) const {
    for (QToolButton* button : FButtons)
        if (button->objectName() == name) return button;
    return nullptr;
}

void TSpeedbar::CopyMenuStates() {
    const auto& table = SpeedButtonTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].MenuItem != nullptr)
            FButtons[i]->setEnabled(
                FMenu.Item(QString::fromLatin1(table[i].MenuItem))->isEnabled());
}

}  // namespace wendax
