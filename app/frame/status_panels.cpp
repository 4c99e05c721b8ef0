#include "app/frame/status_panels.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "app/editor/editor_window.h"

namespace wendax {
namespace {

struct TPanelRow {
    const char* Name;
    int Width;
    const char* Hint;
};

constexpr TPanelRow kPanelRows[kStatusPanels] = {
    {"PL_Position", 132, "|Line and column position in file"},
    {"PL_Modified", 60, "|File has unsaved changes"},
    {"PL_Mode", 60, "|Insert or overwrite mode"},
    {"PL_LineCount", 90, "|Total lines in file"},
    {"PL_CharCount", 90, "|Total characters in file"},
};

}  // namespace

std::array<QString, kStatusPanels> StatusTexts(const TEditorPane* editor) {
    if (editor == nullptr) return {};
    int column = 0;
    const int line = editor->GetCaretPosition(column);
    return {QStringLiteral("Ln: %1  Col: %2").arg(line).arg(editor->CaretCharColumn()),
            editor->Modified() ? QStringLiteral("Modified") : QString(),
            editor->InsertMode() ? QStringLiteral("Insert") : QStringLiteral("Overwrite"),
            QStringLiteral("Lines: %1").arg(editor->LineCount()),
            QStringLiteral("Chars: %1").arg(editor->TextLength())};
}

TStatusPanels::TStatusPanels(QStatusBar& statusLine, std::function<void()> hide)
    : QObject(&statusLine) {
    for (int i = 0; i < kStatusPanels; ++i) {
        auto* panel = new QLabel(&statusLine);
        panel->setObjectName(QString::fromLatin1(kPanelRows[i].Name));
        panel->setFixedSize(kPanelRows[i].Width, kPanelHeight);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        panel->setStatusTip(QString::fromLatin1(kPanelRows[i].Hint).mid(1));
        statusLine.insertWidget(i, panel);
        FPanels[i] = panel;
    }
    FPopupMenu = new QMenu(&statusLine);
    FPopupMenu->setObjectName(QStringLiteral("Z_StatuslineMenu"));
    QAction* item = FPopupMenu->addAction(QStringLiteral("Hide status line"));
    item->setObjectName(QStringLiteral("MI_HideStatusbar"));
    item->setStatusTip(QStringLiteral("Hide the status line"));
    connect(item, &QAction::triggered, this, std::move(hide));
    statusLine.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        &statusLine, &QWidget::customContextMenuRequested, this,
        [this, &statusLine](const QPoint& at) { FPopupMenu->popup(statusLine.mapToGlobal(at)); });
}

void TStatusPanels::Update(const TEditorPane* editor) {
    const auto texts = StatusTexts(editor);
    for (int i = 0; i < kStatusPanels; ++i)
        FPanels[i]->setText(texts[i]);
    FPanels[spPosition]->repaint();
}

}  // namespace wendax
