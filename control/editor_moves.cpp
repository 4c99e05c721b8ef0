// The caret-moving commands. Each turns its target into a move of MoveCaret; the extending
// forms drag the highlight's caret-side end along.
#include "control/custom_editor.h"
#include "engine/char_set.h"

namespace wendax {

// One character left (one position in the blank area); at the start of a paragraph to the end of
// the previous line when WrapAtLeft allows it, else no move at all.
void TOvcCustomEditor::MoveLeft(bool extend) {
    const TParaPos at = CaretParaPos();
    if (at.Pos > 1) {
        const std::string_view text = FStore->ParaText(at.Para);
        MoveCaretToPos({at.Para, PrevCharStart(FStore->CharSet(), text, at.Pos - 1) + 1}, extend);
    } else if (FWrapAtLeft && FCaretLine > 1) {
        MoveCaretTo(FCaretLine - 1, FStore->LineLength(FCaretLine - 1) + 1, extend);
    }
}

// One character right (one position in the blank area) while on a character (always with
// ScrollPastEnd); from the end of a paragraph to the start of the next line, and no move at all on
// the last line.
void TOvcCustomEditor::MoveRight(bool extend) {
    const TParaPos at = CaretParaPos();
    if (FScrollPastEnd || at.Pos <= FStore->ParaLength(at.Para)) {
        const std::string_view text = FStore->ParaText(at.Para);
        MoveCaretToPos({at.Para, CharEnd(FStore->CharSet(), text, at.Pos - 1) + 1}, extend);
    } else if (FCaretLine < LineCount()) {
        MoveCaretTo(FCaretLine + 1, 1, extend);
    }
}

void TOvcCustomEditor::MoveLines(std::int32_t lines, bool extend, bool keepRow) {
    MoveCaret({.LineDelta = lines, .Extend = extend, .KeepRow = keepRow, .KeepScreenColumn = true});
}

// A page is one row less than the window shows (one row when only one is shown).
void TOvcCustomEditor::MovePage(std::int32_t direction, bool extend) {
    const std::int32_t page = FVisibleRows > 1 ? FVisibleRows - 1 : 1;
    MoveLines(direction * page, extend, true);
}

void TOvcCustomEditor::MoveHome(bool extend) {
    RefreshPositions();
    MoveCaretTo(FCaretLine, 1, extend);
}

// After the last character, or on it when the line continues in its paragraph.
void TOvcCustomEditor::MoveEnd(bool extend) {
    RefreshPositions();
    const TLineText line = FStore->GetLine(FCaretLine);
    const auto length = static_cast<std::int32_t>(line.Text.size());
    const std::int32_t last = PrevCharStart(FStore->CharSet(), line.Text, length) + 1;
    MoveCaretTo(FCaretLine, LineContinues(line) ? last : length + 1, extend);
}

// Back over delimiters, then over word characters, to the first character of that word.
// From the start of a paragraph to the end of the previous one.
void TOvcCustomEditor::MoveWordLeft(bool extend) {
    const TParaPos at = CaretParaPos();
    if (at.Pos == 1) {
        if (at.Para > 1) MoveCaretToPos({at.Para - 1, FStore->ParaLength(at.Para - 1) + 1}, extend);
        return;
    }
    const std::string_view text = FStore->ParaText(at.Para);
    const TCharSet set = FStore->CharSet();
    std::int32_t i = std::min(at.Pos - 1, static_cast<std::int32_t>(text.size()));
    while (i > 0 && !IsWordCharAt(set, text, PrevCharStart(set, text, i)))
        i = PrevCharStart(set, text, i);
    while (i > 0 && IsWordCharAt(set, text, PrevCharStart(set, text, i)))
        i = PrevCharStart(set, text, i);
    MoveCaretToPos({at.Para, i + 1}, extend);
}

// Over word characters, then over delimiters, to the next word (or just after the end of
// the paragraph). From the end of a paragraph to the start of the next line.
void TOvcCustomEditor::MoveWordRight(bool extend) {
    const TParaPos at = CaretParaPos();
    const std::string_view text = FStore->ParaText(at.Para);
    const auto length = static_cast<std::int32_t>(text.size());
    if (at.Pos > length) {
        if (FCaretLine < LineCount()) MoveCaretTo(FCaretLine + 1, 1, extend);
        return;
    }
    const TCharSet set = FStore->CharSet();
    std::int32_t i = at.Pos - 1;
    while (i < length && IsWordCharAt(set, text, i))
        i = CharEnd(set, text, i);
    while (i < length && !IsWordCharAt(set, text, i))
        i = CharEnd(set, text, i);
    MoveCaretToPos({at.Para, i + 1}, extend);
}

void TOvcCustomEditor::MoveFirstPage(bool extend) {
    MoveCaretTo(1, 1, extend);
}

void TOvcCustomEditor::MoveLastPage(bool extend) {
    const std::int32_t last = LineCount();
    MoveCaretTo(last, FStore->LineLength(last) + 1, extend);
}

// A caret line in view moves to the first visible line; otherwise the plain form scrolls
// the caret line to the top and the extending form does nothing.
void TOvcCustomEditor::MoveTopOfPage(bool extend) {
    RefreshPositions();
    if (LineVisible(FCaretLine)) {
        MoveLines(FTopLine - FCaretLine, extend, false);
    } else if (!extend) {
        ScrollBy(0, FCaretLine - FTopLine);
    }
}

// As MoveTopOfPage, with the last visible line; scrolled, the caret line becomes the
// bottom row (the top line at least 1).
void TOvcCustomEditor::MoveBotOfPage(bool extend) {
    RefreshPositions();
    if (LineVisible(FCaretLine)) {
        MoveLines(FTopLine + FVisibleRows - 1 - FCaretLine, extend, false);
    } else if (!extend) {
        ScrollBy(0, std::max(FCaretLine - FVisibleRows + 1, 1) - FTopLine);
    }
}

}  // namespace wendax
