// The mouse: placing the caret and dragging out a highlight with the left button, whole
// lines from the left margin, the margin cursor, and whether a click may activate.
//
// A drag is driven by events rather than a loop: every mouse move and every tick of the
// drag timer makes one pass. Outside the window a pass acts only after a wait that shrinks
// as the mouse moves away (none at Base pixels), so the view scrolls faster the further out.
#include <algorithm>

#include "control/controller.h"
#include "control/custom_editor.h"
#include "platform/services.h"

namespace wendax {

namespace {
constexpr int kDragTickMs = 10;
}  // namespace

// Above the window the line before the top line, below it the line after the last row;
// the partial row counts as the last whole row. A click on the right half of a character
// lands after it; the right margin stands for the last visible column.
TLineCol TOvcCustomEditor::MouseToText(TPoint pos) {
    RefreshPositions();
    const TSize client = Window()->ClientSize();
    std::int64_t line = std::int64_t{FTopLine} + FVisibleRows;
    if (pos.Y < 0) {
        line = FTopLine - 1;
    } else if (pos.Y < client.Height) {
        line = pos.Y / FLineHeight + FTopLine - (pos.Y >= FVisibleRows * FLineHeight ? 1 : 0);
    }
    const auto at = static_cast<std::int32_t>(std::clamp<std::int64_t>(line, 1, LineCount()));
    const std::string_view text = FStore->GetLine(at).Text;
    const std::int64_t screen =
        (pos.X + FCharWidth / 2 - FLeftMargin) / FCharWidth + std::int64_t{FLeftColumn} + 1;
    const bool rightMargin = pos.X >= FVisibleColumns * FCharWidth + FLeftMargin - FCharWidth / 2 &&
                             pos.X < client.Width;
    std::int32_t col = 1;
    if (rightMargin) {
        col = FStore->ColumnToPos(text, FLeftColumn + FVisibleColumns);
    } else if (screen > 0) {
        col = FStore->ColumnToPos(
            text, static_cast<std::int32_t>(std::min<std::int64_t>(screen, kMaxInt32)));
    }
    if (!FScrollPastEnd) col = std::min(col, static_cast<std::int32_t>(text.size()) + 1);
    return {at, col};
}

// With Shift a margin drag keeps the far end of the highlight (the caret without one).
// The middle button pastes the primary selection at the clicked place.
void TOvcCustomEditor::MouseDown(TMouseButton button, TPoint pos, std::uint8_t shift) {
    if (!Window()) return;
    if (button == mbMiddle && !FMouseCaptured) return PastePrimarySelectionAt(pos);
    if (button != mbLeft) return;
    if (!Window()->HasFocus() && Window()->CanFocus()) Window()->SetFocus();
    if (TextLength() == 0) return;
    Window()->SetMouseCapture(true);
    FMouseCaptured = true;
    FDrag = {};
    FDrag.Margin = FInMargin;
    FDrag.Extend = (shift & ksShift) != 0;
    FDrag.Mouse = pos;
    FDrag.Base = 3 * Platform().HorzScrollBarHeight();
    if (FDrag.Margin) {
        const std::int32_t line = MouseToText(pos).Line;
        TLineCol begin;
        begin.Line = GetCaretPosition(begin.Col);
        TLineCol end = begin;
        GetSelection(begin.Line, begin.Col, end.Line, end.Col);
        FDrag.Anchor = !FDrag.Extend ? TLineCol{line, 1} : line < begin.Line ? end : begin;
    }
    DragPass();
    FDrag.Extend = true;
    Window()->StartTimer(kDragTimer, kDragTickMs);
}

void TOvcCustomEditor::MouseMove(TPoint pos, std::uint8_t) {
    if (!FMouseCaptured) return;
    FDrag.Mouse = pos;
    DragPass();
}

// The highlight a drag made is offered as the primary selection once the button is up.
void TOvcCustomEditor::MouseUp(TMouseButton button, TPoint, std::uint8_t) {
    if (button != mbLeft || !FMouseCaptured) return;
    EndDrag();
    OfferHighlight();
}

// A tick after the button went up unnoticed ends the drag.
void TOvcCustomEditor::TimerTick(int id) {
    if (id != kDragTimer || !Window()) return;
    if (FMouseCaptured && Window()->IsButtonDown(mbLeft)) return DragPass();
    const bool dragging = FMouseCaptured;
    EndDrag();
    if (dragging) OfferHighlight();
}

void TOvcCustomEditor::EndDrag() {
    FMouseCaptured = false;
    Window()->SetMouseCapture(false);
    Window()->StopTimer(kDragTimer);
}

// One pass of the drag: inside the window it always acts, outside only once the wait
// has passed; either way only when the mouse reached another place.
void TOvcCustomEditor::DragPass() {
    const TSize client = Window()->ClientSize();
    const TPoint mouse = FDrag.Mouse;
    int distance = 0;
    if (mouse.Y < 0) distance = -mouse.Y;
    if (mouse.Y >= client.Height) distance = mouse.Y - client.Height + 1;
    const std::uint32_t now = Platform().TickCount();
    const std::uint32_t wait = distance == 0 ? 0 : std::max(FDrag.Base - distance, 0);
    if (now - FDrag.LastTime < wait) return;
    const TLineCol at = MouseToText(mouse);
    if (at.Line != FDrag.LastLine || (!FDrag.Margin && at.Col != FDrag.LastCol)) {
        if (FDrag.Margin) {
            DragMarginTo(at.Line, mouse.Y < 0);
        } else {
            MoveCaretTo(at.Line, at.Col, FDrag.Extend);
            Window()->UpdateNow();
        }
        FDrag.LastLine = at.Line;
        FDrag.LastCol = at.Col;
    }
    FDrag.LastTime = now;
}

// Whole display lines between the anchor and `line`; the caret goes to the moving end, at
// the start of `line` going up, at the start of the next line going down.
void TOvcCustomEditor::DragMarginTo(std::int32_t line, bool above) {
    const bool outside = !LineVisible(line);
    if (outside) Window()->SetRedraw(false);
    const TLineCol anchor = FDrag.Anchor;
    if (line < anchor.Line || above) {
        SetSelection(line, 1, anchor.Line, anchor.Col, false);
    } else if (line == LineCount()) {
        SetSelection(anchor.Line, anchor.Col, line, FStore->LineLength(line) + 1, true);
    } else {
        SetSelection(anchor.Line, anchor.Col, line + 1, 1, true);
    }
    if (!outside) return;
    Window()->SetRedraw(true);
    RequestRepaint(false);
}

void TOvcCustomEditor::CursorQuery(TPoint pos) {
    if (!Window()) return;
    FInMargin = pos.X <= FLeftMargin;
    Window()->SetCursorShape(FInMargin ? crMargin : crIBeam);
}

// While a data-entry field of the same controller reports a failed validation, a click
// on an unfocused editor neither activates nor reaches it.
bool TOvcCustomEditor::MouseActivate() {
    const bool focused = Window() && Window()->HasFocus();
    return focused || !Controller() || !Controller()->ErrorPending();
}

}  // namespace wendax
