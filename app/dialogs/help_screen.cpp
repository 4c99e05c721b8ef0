#include "app/dialogs/help_screen.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dialogs/help_texts.h"
#include "app/frame/speedbar.h"

namespace wendax {
namespace {

constexpr int kTabWidth = 85;

QTreeWidget* NewList(const char* name, const QStringList& headings) {
    auto* list = new QTreeWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setColumnCount(2);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (headings.isEmpty())
        list->setHeaderHidden(true);
    else
        list->setHeaderLabels(headings);
    return list;
}

// The page that holds `list`. When the focus was on the page left, the tab widget gives
// it to the page turned to; the page, not the list, takes it, so the list gets no current
// cell and shows no focus frame.
QWidget* PageOf(QTreeWidget* list) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    return page;
}

}  // namespace

TFM_HelpScreen::TFM_HelpScreen(QWidget* parent)
    : TProgramDialog(parent, "FM_HelpScreen", "Wendax Help", 568, 403) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    FPages = new QTabWidget;
    FPages->setObjectName(QStringLiteral("PC_Help"));
    FPages->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: %1px; }").arg(kTabWidth));
    FPages->addTab(TextPage("TS_License", LicenseText()), QStringLiteral("&License"));
    FPages->addTab(TextPage("TS_Contact", ContactText()), QStringLiteral("&Contact"));
    FPages->addTab(TextPage("TS_Bookmarks", BookmarksText()), QStringLiteral("&Bookmarks"));
    FPages->addTab(SpeedbarPage(), QStringLiteral("&Speedbar"));
    FPages->addTab(KeyboardPage(), QStringLiteral("&Keyboard"));
    layout->addWidget(FPages);
    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("BT_Close"));
    close->setDefault(true);
    SetHint(*close, "Close Help screen");
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    layout->addWidget(buttons);
}

QWidget* TFM_HelpScreen::TextPage(const char* name, const char* html) {
    auto* page = new QTextBrowser;
    page->setObjectName(QString::fromLatin1(name));
    page->setHtml(QString::fromUtf8(html));
    page->setOpenLinks(false);
    return page;
}

QWidget* TFM_HelpScreen::SpeedbarPage() {
    FSpeedbarList = NewList("TS_Speedbar", {QStringLiteral(" Button"), QStringLiteral(" Action")});
    FSpeedbarList->setIconSize(QSize(kGlyphSize, kGlyphSize));
    const auto& buttons = SpeedButtonTable();
    const auto& lines = SpeedbarHelpLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* row = new QTreeWidgetItem(FSpeedbarList, {QString(), QString::fromLatin1(lines[i])});
        row->setIcon(0, SpeedButtonIcon(buttons[i].Glyph));
    }
    FSpeedbarList->header()->resizeSection(0, 60);
    return PageOf(FSpeedbarList);
}

QWidget* TFM_HelpScreen::KeyboardPage() {
    FKeyboardList = NewList("TS_Keyboard", {});
    for (const auto& [key, action] : KeyboardHelpRows())
        new QTreeWidgetItem(FKeyboardList, {QString::fromLatin1(key), QString::fromLatin1(action)});
    FKeyboardList->header()->resizeSection(0, 200);
    return PageOf(FKeyboardList);
}

void TFM_HelpScreen::ShowCentered(const QWidget& main) {
    if (isHidden()) {
        FPages->setCurrentIndex(0);
        FSpeedbarList->scrollToTop();
        FKeyboardList->scrollToTop();
    }
    CenterOver(main);
    show();
    raise();
    activateWindow();
}

}  // namespace wendax
