// The caret-moving commands. Each turns its target into a move of MoveCaret; the extending
// forms drag the highlight's caret-side end along.
#include "control/custom_editor.h"
#include "engine/word_delimiters.h"

namespace wendax {

// One position left; at the start of a paragraph to the end of the previous line when
// WrapAtLeft allows it, else no move at all.
void TOvcCustomEditor::MoveLeft(bool extend) {
    const TParaPos at = CaretParaPos();
    if (at.Pos > 1) {
        MoveCaretToPos({at.Para, at.Pos - 1}, extend);
    } else if (FWrapAtLeft && FCaretLine > 1) {
        MoveCaretTo(FCaretLine - 1, FStore->LineLength(FCaretLine - 1) + 1, extend);
    }
}

// One position right while on a character (always with ScrollPastEnd); from the end of a
// paragraph to the start of the next line, and no move at all on the last line.
void TOvcCustomEditor::MoveRight(bool extend) {
    const TParaPos at = CaretParaPos();
    if (FScrollPastEnd || at.Pos <= FStore->ParaLength(at.Para)) {
        MoveCaretToPos({at.Para, at.Pos + 1}, extend);
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
    MoveCaretTo(FCaretLine, LineContinues(line) ? length : length + 1, extend);
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
    auto i = std::min<std::size_t>(static_cast<std::size_t>(at.Pos - 1), text.size());
    while (i > 0 && IsWordDelimiter(text[i - 1]))
        --i;
    while (i > 0 && IsWordChar(text[i - 1]))
        --i;
    MoveCaretToPos({at.Para, static_cast<std::int32_t>(i) + 1}, extend);
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
    std::int32_t i = at.Pos;
    while (i <= length && IsWordChar(text[static_cast<std::size_t>(i - 1)]))
        ++i;
    while (i <= length && IsWordDelimiter(text[static_cast<std::size_t>(i - 1)]))
        ++i;
    MoveCaretToPos({at.Para, i}, extend);
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
