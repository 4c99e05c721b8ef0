// Splitting an editor window into two panes over one text, the layout of the panes, and
// dragging the bar between them.
//
//   +-----------------------+  0
//   | SecondEditor          |
//   +=======================+  client height - Editor1 height - 5: the bar
//   | Editor1               |  client height - Editor1 height
//   +-----------------------+  client height
#include <QMenu>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "app/editor/editor_form.h"
#include "app/editor/splitter_bar.h"
#include "app/frame/main_window.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {

void TFM_Editor::ToggleSplit() {
    if (IsSplit())
        Unsplit();
    else
        Split();
}

// The upper pane takes Editor1's insert caret shape and joins its text (and file name)
// once both panes have the settings. Like Editor1 it wants Tab: both panes edit one
// text, so the key types the same in either instead of moving the focus in one.
void TFM_Editor::Split() {
    FEditor1Height = height() / 2;
    FSplitter = new TSplitterBar(
        *this, {[this](int y) { SplitterPressed(y); }, [this](QPoint p) { SplitterMoved(p); },
                [this] { SplitterReleased(); }});
    FSecondEditor = std::make_unique<THostedEditor>(*this, FMain.MainController());
    TOvcTextFileEditor& second = FSecondEditor->Editor();
    second.SetShowBookmarks(true);
    second.SetUndoBufferSize(16384);
    second.CaretIns().SetShape(FEditor1->Editor().CaretIns().Shape());
    second.SetBorderStyle(bsNone);
    second.SetHideSelection(false);
    second.SetWantTab(true);
    ConnectPane(*FSecondEditor);
    LayOut();
    FSplitter->show();
    FSecondEditor->Widget().show();
    ApplySettings(FMain.Settings());
    second.Attach(&FEditor1->Editor());
}

void TFM_Editor::Unsplit() {
    FPopupMenu->findChild<QAction*>(QStringLiteral("MI_Split"))
        ->setText(QStringLiteral("Split editor"));
    const bool hadFocus = FSecondEditor->Widget().hasFocus();
    FActiveEditor = FEditor1.get();
    FSecondEditor.reset();
    delete FSplitter;
    FSplitter = nullptr;
    RemoveDragLine();
    FDragging = false;
    LayOut();
    if (hadFocus) FEditor1->Widget().setFocus();
}

void TFM_Editor::SetEditor1Height(int height) {
    FEditor1Height = height;
    LayOut();
}

// Editor1 keeps its height within the client area, below the bar.
void TFM_Editor::LayOut() {
    const int w = width();
    const int h = height();
    if (!FSecondEditor) {
        FEditor1->Widget().setGeometry(0, 0, w, h);
        return;
    }
    FEditor1Height = std::clamp(FEditor1Height, 0, std::max(h - kSplitterHeight, 0));
    const int barTop = h - FEditor1Height - kSplitterHeight;
    FEditor1->Widget().setGeometry(0, h - FEditor1Height, w, FEditor1Height);
    FSplitter->setGeometry(0, barTop, w, kSplitterHeight);
    FSecondEditor->Widget().setGeometry(0, 0, w, barTop);
}

// A split window keeps the proportion of its panes; after a client height of 0 (nothing to
// keep) the panes share the new height half and half.
void TFM_Editor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int h = height();
    if (IsSplit())
        FEditor1Height =
            FLastClientHeight > 0
                ? static_cast<int>(std::lround(double(FEditor1Height) * h / FLastClientHeight))
                : h / 2;
    LayOut();
    WrapToWindow();
    FLastClientHeight = h;
}

// The panes of a window shown for the first time have their size only now.
void TFM_Editor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    WrapToWindow();
}

void TFM_Editor::WrapToWindow() {
    if (!FMain.Settings().WrapToWindow) return;
    TOvcTextFileEditor& editor1 = FEditor1->Editor();
    editor1.SetWrapColumn(editor1.VisibleColumns());
}

void TFM_Editor::SplitterPressed(int screenY) {
    FDragging = true;
    FDragStartY = screenY;
}

void TFM_Editor::SplitterMoved(QPoint screenPoint) {
    if (!FDragging) return;
    const int top = mapToGlobal(QPoint(0, 0)).y();
    if (screenPoint.y() <= top + 3 || screenPoint.y() >= top + height() - 3) return;
    DrawDragLine(screenPoint);
}

// A press and release without a line drawn changes nothing; otherwise the bottom pane
// grows by as much as the line was dragged up.
void TFM_Editor::SplitterReleased() {
    if (FLineDrawn) {
        RemoveDragLine();
        SetEditor1Height(FEditor1Height + (FDragStartY - FLineY));
    }
    FDragging = false;
}

// The line is a one-pixel strip over the whole client width, above both panes.
void TFM_Editor::DrawDragLine(QPoint screenPoint) {
    if (FDragLine == nullptr) {
        FDragLine = new QWidget(this);
        FDragLine->setObjectName(QStringLiteral("DragLine"));
        FDragLine->setAutoFillBackground(true);
        QPalette palette = FDragLine->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::WindowText));
        FDragLine->setPalette(palette);
    }
    const QPoint at = mapFromGlobal(screenPoint);
    FDragLine->setGeometry(0, at.y(), width(), 1);
    FDragLine->raise();
    FDragLine->show();
    FLineDrawn = true;
    FLineY = screenPoint.y();
}

void TFM_Editor::RemoveDragLine() {
    if (FDragLine != nullptr) FDragLine->hide();
    FLineDrawn = false;
}

QWidget* TFM_Editor::DragLine() const {
    return FLineDrawn ? FDragLine : nullptr;
}

}  // namespace wendax
