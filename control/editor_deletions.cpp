// The deletions: the highlight, Delete, Backspace, to the start or end of the display line,
// the display line, and the word at the caret. None of them changes a ReadOnly text.
#include <algorithm>

#include "control/custom_editor.h"
#include "engine/char_set.h"
#include "engine/undo_group.h"
#include "engine/word_delimiters.h"

namespace wendax {

bool TOvcCustomEditor::DeleteHighlight() {
    if (!HasSelection()) return false;
    DeleteRange(FHighlight.Begin(), FHighlight.End());
    return true;
}

// Within one paragraph the characters; across paragraphs a region (one undo group). The
// caret goes to `from`.
void TOvcCustomEditor::DeleteRange(TParaPos from, TParaPos to) {
    if (from.Para == to.Para) {
        FStore->DeleteChars(this, from.Para, from.Pos, to.Pos - from.Pos);
        ShowEdit(false);
    } else {
        FStore->DeleteRegion(this, from.Para, from.Pos, to.Para, to.Pos);
        ShowEdit(true);
    }
    MoveCaretToPos(from, false);
}

// The highlight; else the character at the caret (all its bytes), or at the end of a paragraph the
// join of the next one (spaces fill a gap up to a caret beyond the end). The caret keeps its
// paragraph position.
void TOvcCustomEditor::Del() {
    if (ReadOnly() || DeleteHighlight()) return;
    const TParaPos at = CaretParaPos();
    if (at.Pos <= FStore->ParaLength(at.Para)) {
        const std::string_view text = FStore->ParaText(at.Para);
        const std::int32_t end = CharEnd(FStore->CharSet(), text, at.Pos - 1);
        FStore->DeleteChars(this, at.Para, at.Pos, end - (at.Pos - 1));
        ShowEdit(false);
    } else if (at.Para < ParaCount()) {
        if (const TEditorErrorCode code = FStore->JoinParas(this, at.Para, at.Pos)) {
            ReportError(code);
            return;
        }
        ShowEdit(true);
    } else {
        return;
    }
    MoveCaretToPos(at, false);
}

// The highlight; else a move left followed by Delete. A move that cannot be made, or one
// within the blank area after the end of the line, deletes nothing: there is no character
// before the caret. ReadOnly only moves.
void TOvcCustomEditor::Back() {
    if (ReadOnly()) {
        MoveLeft(false);
        return;
    }
    if (DeleteHighlight()) return;
    const TParaPos before = CaretParaPos();
    MoveLeft(false);
    const TParaPos after = CaretParaPos();
    if (after == before) return;
    if (after.Para == before.Para && after.Pos > FStore->ParaLength(after.Para)) return;
    Del();
}

// The characters of the display line before the caret. With none (an empty line, or the
// caret in column 1) only the highlight collapses.
void TOvcCustomEditor::DelBol() {
    if (ReadOnly()) return;
    RefreshPositions();
    const TLineText line = FStore->GetLine(FCaretLine);
    const auto length = static_cast<std::int32_t>(line.Text.size());
    if (length == 0 || FCaretCol == 1) {
        CollapseHighlight(true);
        return;
    }
    const std::int32_t end = std::min(FCaretPos.Pos, line.Offset + length + 1);
    DeleteRange({line.Para, line.Offset + 1}, {line.Para, end});
}

// The characters from the caret to the end of the display line, never the paragraph break.
void TOvcCustomEditor::DelEol() {
    if (ReadOnly()) return;
    RefreshPositions();
    const TLineText line = FStore->GetLine(FCaretLine);
    const auto length = static_cast<std::int32_t>(line.Text.size());
    if (length == 0 || FCaretCol > length) {
        CollapseHighlight(true);
        return;
    }
    DeleteRange(FCaretPos, {line.Para, line.Offset + length + 1});
}

// Everything from the line's first character to the first character of the next display
// line (the paragraph break included at a paragraph's last line); on the last line only
// its characters.
void TOvcCustomEditor::DelLine() {
    if (ReadOnly()) return;
    RefreshPositions();
    const TLineText line = FStore->GetLine(FCaretLine);
    const TParaPos from{line.Para, line.Offset + 1};
    if (FCaretLine == LineCount()) {
        if (line.Text.empty()) {
            CollapseHighlight(true);
        } else {
            DeleteRange(from, {line.Para, from.Pos + static_cast<std::int32_t>(line.Text.size())});
        }
        return;
    }
    const TLineStart next = FStore->LineToPara(FCaretLine + 1);
    TUndoGroup group(FStore->UndoBuffer());
    DeleteRange(from, {next.Para, next.Offset + 1});
}

// The highlight; else word characters and then blanks from the caret on. When there are
// none (a delimiter other than a blank, or the end of the paragraph) as Delete.
void TOvcCustomEditor::DelWord() {
    if (ReadOnly() || DeleteHighlight()) return;
    const TParaPos at = CaretParaPos();
    const std::string_view text = FStore->ParaText(at.Para);
    const auto length = static_cast<std::int32_t>(text.size());
    const TCharSet set = FStore->CharSet();
    std::int32_t end = at.Pos - 1;
    while (end < length && IsWordCharAt(set, text, end))
        end = CharEnd(set, text, end);
    while (end < length && IsBlank(text[static_cast<std::size_t>(end)]))
        end = CharEnd(set, text, end);
    if (end == at.Pos - 1) {
        Del();
    } else {
        DeleteRange(at, {at.Para, end + 1});
    }
}

}  // namespace wendax
