// Caret placement: the one routine every caret move goes through, and the highlight that a
// move collapses or extends.
#include <algorithm>

#include "base/exceptions.h"
#include "control/custom_editor.h"
#include "engine/char_set.h"

namespace wendax {

std::int32_t TOvcCustomEditor::GetCaretPosition(std::int32_t& col) {
    RefreshPositions();
    col = FCaretCol;
    return FCaretLine;
}

void TOvcCustomEditor::SetCaretPosition(std::int32_t line, std::int32_t col) {
    if (line < 1 || line > LineCount() || col < 1) throw EInvalidLineOrPara();
    MoveCaretTo(line, col, false);
}

TParaPos TOvcCustomEditor::CaretParaPos() {
    RefreshPositions();
    return FCaretPos;
}

void TOvcCustomEditor::SetCaretParaPos(TParaPos at) {
    MoveCaretToPos(at, false);
}

void TOvcCustomEditor::MoveCaretTo(std::int32_t line, std::int32_t col, bool extend) {
    RefreshPositions();
    MoveCaret({.ColDelta = col - FCaretCol, .LineDelta = line - FCaretLine, .Extend = extend});
}

void TOvcCustomEditor::MoveCaretToPos(TParaPos at, bool extend) {
    at.Para = std::clamp(at.Para, 1, ParaCount());
    at.Pos = std::max(at.Pos, 1);
    const TLineCol target = FStore->ParaToLine(at);
    MoveCaretTo(target.Line, target.Col, extend);
}

// 1. The new line is kept within the text; a move beyond the last line from the last line
//    changes nothing at all.
// 2. A relative vertical move keeps the caret's screen column (tabs expanded).
// 3. The column is kept within MaxColumn (PlaceOnLine).
// 4. The highlight follows or collapses; the view keeps the caret in sight.
void TOvcCustomEditor::MoveCaret(const TCaretMove& move) {
    RefreshPositions();
    const std::int32_t oldLine = FCaretLine;
    const std::int32_t count = LineCount();
    std::int64_t line = std::int64_t{oldLine} + move.LineDelta;
    if (line > count) {
        if (oldLine == count) return;
        line = count;
    }
    line = std::max<std::int64_t>(line, 1);
    std::int64_t col = FCaretCol;
    if (move.KeepScreenColumn && line != oldLine) {
        const std::string_view from = FStore->GetLine(oldLine).Text;
        const std::string_view to = FStore->GetLine(static_cast<std::int32_t>(line)).Text;
        col = FStore->ColumnToPos(to, FStore->PosToColumn(from, FCaretCol));
    }
    PlaceOnLine(static_cast<std::int32_t>(line), col + move.ColDelta, move.KeepScreenColumn);
    FollowCaret(move.Extend, oldLine);
    ScrollCaretIntoView(oldLine, move.KeepRow);
}

// After the last character of a line that continues in its paragraph the caret stands at
// the start of the next line (the same paragraph position), except that vertical moves
// stop on the last character. A column inside a character goes to that character's first
// byte: the caret never stands inside a character.
void TOvcCustomEditor::PlaceOnLine(std::int32_t line, std::int64_t col, bool vertical) {
    const TLineText text = FStore->GetLine(line);
    const auto length = static_cast<std::int32_t>(text.Text.size());
    auto column = static_cast<std::int32_t>(std::clamp<std::int64_t>(col, 1, MaxColumn(text)));
    if (column <= length) column = CharStart(FStore->CharSet(), text.Text, column - 1) + 1;
    FCaretPos = {text.Para, text.Offset + column};
    FCaretLine = line;
    FCaretCol = column;
    if (column <= length || !LineContinues(text)) return;
    if (vertical) {
        FCaretCol = PrevCharStart(FStore->CharSet(), text.Text, length) + 1;
        FCaretPos.Pos = text.Offset + FCaretCol;
    } else {
        FCaretLine = line + 1;
        FCaretCol = 1;
    }
}

// After the text, or up to ParaLengthLimit + 1 with ScrollPastEnd; a blank area whose screen
// column would pass ParaLengthLimit ends where it would. The end of the line itself stays
// reachable even when its tabs reach past the limit.
std::int32_t TOvcCustomEditor::MaxColumn(const TLineText& line) {
    const auto length = static_cast<std::int32_t>(line.Text.size());
    if (!FScrollPastEnd) return length + 1;
    const std::int32_t limit = ParaLengthLimit();
    std::int32_t max = limit + 1;
    if (FStore->PosToColumn(line.Text, max) > limit) {
        max = std::max(FStore->ColumnToPos(line.Text, limit) + 1, length + 1);
    }
    return max;
}

bool TOvcCustomEditor::LineContinues(const TLineText& line) {
    return WordWrap() && line.LineInPara < FStore->ParaLines(line.Para);
}

void TOvcCustomEditor::FollowCaret(bool extend, std::int32_t oldLine) {
    if (extend) {
        ExtendHighlight(oldLine);
    } else {
        CollapseHighlight(true);
    }
}

// The caret's position as a highlight end: a caret in the blank area after the text counts
// as just after the text.
TParaPos TOvcCustomEditor::CaretPointInText() {
    return {FCaretPos.Para, std::min(FCaretPos.Pos, FStore->ParaLength(FCaretPos.Para) + 1)};
}

void TOvcCustomEditor::CollapseHighlight(bool repaint) {
    const THighlight old = FHighlight;
    FHighlight.Collapse(CaretPointInText());
    if (!repaint || old.IsEmpty() || !Window()) return;
    RepaintLines(FStore->ParaToLine(old.Begin()).Line, FStore->ParaToLine(old.End()).Line);
}

// Repaints the lines between the old and new ends and the caret lines.
void TOvcCustomEditor::ExtendHighlight(std::int32_t oldLine) {
    const THighlight old = FHighlight;
    FHighlight.Extend(CaretPointInText());
    if (!Window()) return;
    const std::int32_t lines[] = {FStore->ParaToLine(old.Begin()).Line,
                                  FStore->ParaToLine(old.End()).Line,
                                  FStore->ParaToLine(FHighlight.Begin()).Line,
                                  FStore->ParaToLine(FHighlight.End()).Line,
                                  FCaretLine,
                                  oldLine};
    const auto [first, last] = std::minmax_element(std::begin(lines), std::end(lines));
    RepaintLines(*first, *last);
}

// ---- The highlight as lines and columns

bool TOvcCustomEditor::GetSelection(std::int32_t& line1, std::int32_t& col1, std::int32_t& line2,
                                    std::int32_t& col2) {
    if (!HasSelection()) return false;
    RefreshPositions();
    const TLineCol begin = FStore->ParaToLine(FHighlight.Begin());
    const TLineCol end = FStore->ParaToLine(FHighlight.End());
    line1 = begin.Line;
    col1 = begin.Col;
    line2 = end.Line;
    col2 = end.Col;
    return true;
}

// The caret goes to the first point given and then extends to the second.
void TOvcCustomEditor::SetSelection(std::int32_t line1, std::int32_t col1, std::int32_t line2,
                                    std::int32_t col2, bool caretAtEnd) {
    if (TextLength() == 0) return;
    line1 = std::clamp(line1, 1, LineCount());
    line2 = std::clamp(line2, 1, LineCount());
    col1 = std::clamp(col1, 1, FStore->LineLength(line1) + 1);
    col2 = std::clamp(col2, 1, FStore->LineLength(line2) + 1);
    if (!caretAtEnd) {
        std::swap(line1, line2);
        std::swap(col1, col2);
    }
    MoveCaretTo(line1, col1, false);
    MoveCaretTo(line2, col2, true);
}

void TOvcCustomEditor::SelectAll(bool caretAtEnd) {
    SetSelection(1, 1, kMaxInt32, kMaxParaLength, caretAtEnd);
    OfferHighlight();
}

void TOvcCustomEditor::SelectRange(TParaPos from, TParaPos to) {
    MoveCaretToPos(from, false);
    MoveCaretToPos(to, true);
}

}  // namespace wendax
