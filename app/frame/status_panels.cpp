#include "app/frame/status_panels.h"

#include <QEvent>
#include <QHBoxLayout>
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
    {"PL_LineEnds", 50, "|How the lines of the file end"},
    {"PL_CharSet", 50, "|Character set of the text"},
};

constexpr int kBorder = 1;  // the status line's border around the panels
constexpr int kGap = 2;     // between two panels

}  // namespace

std::array<QString, kStatusPanels> StatusTexts(const TEditorPane* editor) {
    if (editor == nullptr) return {};
    int column = 0;
    const int line = editor->GetCaretPosition(column);
    return {QStringLiteral("Ln: %1  Col: %2").arg(line).arg(editor->CaretCharColumn()),
            editor->Modified() ? QStringLiteral("Modified") : QString(),
            editor->InsertMode() ? QStringLiteral("Insert") : QStringLiteral("Overwrite"),
            QStringLiteral("Lines: %1").arg(editor->LineCount()),
            QStringLiteral("Chars: %1").arg(editor->TextLength()),
            QString::fromStdString(editor->LineEnds()),
            QString::fromStdString(editor->CharSetName())};
}

// The panels stand in a row of their own over the status line, inside its border: the
// status line's own layout keeps more room above and below its widgets than a line of the
// panel height leaves, and would cut off the lower edge of their bevels.
TStatusPanels::TStatusPanels(QStatusBar& statusLine, QLabel& hintPanel, std::function<void()> hide)
    : QObject(&statusLine), FRow(new QWidget(&statusLine)) {
    auto* row = new QHBoxLayout(FRow);
    row->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    row->setSpacing(kGap);
    for (int i = 0; i < kStatusPanels; ++i) {
        auto* panel = new QLabel(FRow);
        panel->setObjectName(QString::fromLatin1(kPanelRows[i].Name));
        // At least the design width, wider when its text in the status line's font needs
        // it, so that a count of any size shows whole.
        panel->setFixedHeight(kPanelHeight);
        panel->setMinimumWidth(kPanelRows[i].Width);
        panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        panel->setStatusTip(QString::fromLatin1(kPanelRows[i].Hint).mid(1));
        row->addWidget(panel);
        FPanels[i] = panel;
    }
    // The line-end and character-set panels are shown only while there is a text: without
    // one the frame keeps the smallest width it had without them.
    FPanels[spLineEnds]->hide();
    FPanels[spCharSet]->hide();
    hintPanel.setParent(FRow);
    row->addWidget(&hintPanel, 1);
    FRow->setGeometry(statusLine.rect());
    statusLine.installEventFilter(this);
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

bool TStatusPanels::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) FRow->setGeometry(static_cast<QWidget*>(watched)->rect());
    return QObject::eventFilter(watched, event);
}

void TStatusPanels::Update(const TEditorPane* editor) {
    const auto texts = StatusTexts(editor);
    for (int i = 0; i < kStatusPanels; ++i)
        FPanels[i]->setText(texts[i]);
    FPanels[spLineEnds]->setVisible(editor != nullptr);
    FPanels[spCharSet]->setVisible(editor != nullptr);
    FPanels[spPosition]->repaint();
}

}  // namespace wendax
