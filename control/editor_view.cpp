// The editor's view: metrics in character cells, scroll ranges, repaint requests and caret
// placement with its status report. Everything that reaches the window does nothing
// without one.
#include <algorithm>

#include "control/custom_editor.h"
#include "control/private_messages.h"

namespace wendax {

namespace {
constexpr std::int32_t kMaxHScrollRange = 512;
constexpr std::int32_t kMaxScrollUnits = 32767;
constexpr int kParkedCaret = 32767;  // a caret outside the view is placed off the window
}  // namespace

TWindowFrame TOvcCustomEditor::Frame() const {
    TWindowFrame frame = TOvcEditBase::Frame();
    frame.HorzScrollBar = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    frame.VertScrollBar = FScrollBars == ssVertical || FScrollBars == ssBoth;
    return frame;
}

// Showing or hiding a scroll bar changes the client size, so the cells are counted again
// until neither count changes.
void TOvcCustomEditor::UpdateMetrics() {
    if (!Window()) return;
    const TTextMetrics metrics = Window()->FontMetrics(FFixedFont.Request());
    FCharWidth = std::max(metrics.AveCharWidth, 1);
    FLineHeight = std::max(metrics.Height + metrics.ExternalLeading + 1, 1);
    for (bool changed = true; changed;) {
        changed = false;
        const TSize client = Window()->ClientSize();
        const int columns = std::max((client.Width - FLeftMargin - FRightMargin) / FCharWidth, 1);
        if (columns != FVisibleColumns) {
            FVisibleColumns = columns;
            changed = true;
            if (client.Width > 0) {
                SendHRange();
                SendHPos();
                if (FHScrollRange == 0) FLeftColumn = 0;
            }
        }
        const int rows = std::max(client.Height / FLineHeight, 1);
        if (rows != FVisibleRows) {
            FVisibleRows = rows;
            changed = true;
            if (client.Height > 0) {
                SendVRange();
                SendVPos();
            }
        }
    }
}

// The cells are measured again; a focused editor's caret takes the new cell size.
void TOvcCustomEditor::FontChanged() {
    if (!Window()) return;
    UpdateMetrics();
    RequestRepaint(true);
    ApplyWrapToWindow();
    if (!Window()->HasFocus()) return;
    FCarets.SetCellHeight(FLineHeight);
    FCarets.SetCellWidth(FCharWidth);
    PlaceCaret(0);
}

void TOvcCustomEditor::ApplyWrapToWindow() {
    if (FWrapToWindow && WordWrap()) SetWrapColumn(FVisibleColumns - 2);
}

void TOvcCustomEditor::ComputeHScrollRange() {
    std::int32_t range = std::min(WordWrap() ? WrapColumn() : ParaLengthLimit(), kMaxHScrollRange);
    if (range <= 0 && FScrollBarsAlways) range = 1;
    FHScrollRange = range;
}

// The bar is hidden (range 0 to 0) when there is none or when every column fits.
void TOvcCustomEditor::SendHRange() {
    ComputeHScrollRange();
    if (!Window()) return;
    const bool shown =
        Frame().HorzScrollBar && (FVisibleColumns < FHScrollRange || FScrollBarsAlways);
    Window()->SetScrollRange(sbHorizontal, 0, shown ? FHScrollRange : 0);
}

void TOvcCustomEditor::SendHPos() {
    if (Window() && Frame().HorzScrollBar) Window()->SetScrollPos(sbHorizontal, FLeftColumn);
}

// The bar counts in units of VScrollScale lines, so that its range stays within 32767.
void TOvcCustomEditor::SendVRange() {
    const std::int64_t n = std::max<std::int64_t>(std::int64_t{LineCount()} - FVisibleRows + 1, 0);
    FVScrollScale = n <= kMaxScrollUnits ? 1 : static_cast<std::int32_t>((n >> 15) * 2);
    FVScrollRange = static_cast<std::int32_t>(n / FVScrollScale);
    if (FVScrollRange <= 1 && FScrollBarsAlways) FVScrollRange = 2;
    if (!Window()) return;
    if (!Frame().VertScrollBar) {
        Window()->SetScrollRange(sbVertical, 0, 0);
        return;
    }
    const bool scrolls = FVisibleRows < LineCount() || FScrollBarsAlways;
    Window()->SetScrollRange(sbVertical, 1, scrolls ? FVScrollRange : 1);
}

void TOvcCustomEditor::SendVPos() {
    if (Window()) Window()->SetScrollPos(sbVertical, TopLine() / FVScrollScale);
}

void TOvcCustomEditor::RequestRepaint(bool updateNow) {
    if (!Window()) return;
    if (!FRepaintPending) {
        FRepaintPending = true;
        Window()->InvalidateAll();
    }
    if (updateNow) Window()->UpdateNow();
}

// From the row of the first line (row 0 when above the view) to the bottom of the row of
// the last one, or to the client's bottom when the range reaches the last visible row.
void TOvcCustomEditor::RepaintLines(std::int32_t first, std::int32_t last) {
    if (!Window() || FRepaintPending) return;
    RefreshPositions();
    if (first > last) std::swap(first, last);
    const std::int32_t bottomLine = FTopLine + FVisibleRows - 1;
    if (last < FTopLine || first > bottomLine) return;
    const TSize client = Window()->ClientSize();
    const int top = first <= FTopLine ? 0 : (first - FTopLine) * FLineHeight;
    const int bottom = last >= bottomLine ? client.Height : (last - FTopLine + 1) * FLineHeight;
    Window()->Invalidate({0, top, client.Width, bottom});
}

void TOvcCustomEditor::RefreshAll(bool updateNow) {
    SendVRange();
    SendVPos();
    SendHRange();
    FLeftColumn = std::clamp(FLeftColumn, 0, std::max(FHScrollRange, 0));
    SendHPos();
    UpdateMetrics();
    ApplyWrapToWindow();
    RequestRepaint(updateNow);
}

bool TOvcCustomEditor::LineVisible(std::int32_t line) const {
    return line >= FTopLine && line - FTopLine < FVisibleRows;
}

std::int32_t TOvcCustomEditor::CaretScreenColumn() {
    RefreshPositions();
    return FStore->PosToColumn(FStore->GetLine(FCaretLine).Text, FCaretCol);
}

TRect TOvcCustomEditor::TextRect() const {
    return {FLeftMargin, 0, FLeftMargin + FVisibleColumns * FCharWidth, FVisibleRows * FLineHeight};
}

// A thin vertical caret sits one pixel left of its cell. The status report (the caret line
// and screen column) arrives through the window's message queue after this operation.
void TOvcCustomEditor::PlaceCaret(std::int32_t screenColumn) {
    if (!Window()) return;
    RefreshPositions();
    if (screenColumn == 0) screenColumn = CaretScreenColumn();
    int x = kParkedCaret;
    int y = kParkedCaret;
    if (LineVisible(FCaretLine) && screenColumn > FLeftColumn &&
        screenColumn - FLeftColumn <= FVisibleColumns) {
        x = (screenColumn - FLeftColumn - 1) * FCharWidth + FLeftMargin;
        y = (FCaretLine - FTopLine) * FLineHeight;
    }
    if (Window()->HasFocus()) {
        const TOvcCaret& caret = FCarets.ActiveCaret();
        const bool wide = caret.Shape() == csBlock || caret.Shape() == csHalfBlock ||
                          caret.Shape() == csHorzLine || caret.CaretWidth() > 4;
        FCarets.SetPosition(wide ? x : x - 1, y);
    }
    Window()->PostMessage({omShowStatus, screenColumn, FCaretLine});
}

}  // namespace wendax
