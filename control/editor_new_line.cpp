// New line: split the caret paragraph (with the auto-indent of its display line), or only
// move to the start of the next paragraph.
#include <algorithm>

#include "control/custom_editor.h"
#include "engine/display_columns.h"
#include "engine/undo_group.h"
#include "engine/word_delimiters.h"

namespace wendax {

void TOvcCustomEditor::NewLine() {
    NewLineWith(FInsertMode && !ReadOnly());
}

// A highlight is deleted first, as an undo group of its own (not when ReadOnly). OnChange
// follows whenever the text changed, also when a limit then refused the split.
void TOvcCustomEditor::NewLineWith(bool split) {
    bool changed = false;
    if (HasSelection() && !ReadOnly()) {
        TUndoGroup group(FStore->UndoBuffer());
        changed = DeleteHighlight();
    }
    const TParaPos at = CaretParaPos();
    if (split) {
        std::int32_t nextPos = 1;
        const bool done = SplitAtCaret(nextPos);
        changed = changed || done;
        if (done) MoveCaretToPos({at.Para + 1, nextPos}, false);
    } else if (at.Para < ParaCount()) {
        MoveCaretToPos({at.Para + 1, 1}, false);
    } else {
        MoveLastPage(false);
    }
    if (changed) DoOnChange();
}

// The indent is the width of the blanks that begin the caret's display line, counted only
// among its first min(length, caret column) characters: tabs then spaces with ttReal,
// spaces otherwise. `nextPos` returns where the caret goes in the next paragraph: after the
// indent, or, for a split at position 1 (which inserts an empty paragraph before and no
// indent), after the counted blanks of the line that moved down. False when a limit
// refused the split (reported).
bool TOvcCustomEditor::SplitAtCaret(std::int32_t& nextPos) {
    const TLineText line = FStore->GetLine(FCaretLine);
    std::int32_t blanks = 0;
    std::int32_t width = 0;
    if (FAutoIndent) {
        const std::int32_t count = std::min(static_cast<std::int32_t>(line.Text.size()), FCaretCol);
        while (blanks < count && IsBlank(line.Text[static_cast<std::size_t>(blanks)]))
            ++blanks;
        width = DisplayWidth(FStore->CharSet(), line.Text, blanks, TabSize());
    }
    if (const TEditorErrorCode code = FStore->CheckLimits(0, 1, std::int64_t{width} + 2)) {
        ReportError(code);
        return false;
    }
    const TParaPos at = FCaretPos;
    const bool atStart = at.Pos == 1;
    std::int32_t indent = width;
    const TEditorErrorCode code =
        FStore->SplitPara(this, at.Para, at.Pos, true, indent, FTabType == ttReal ? TabSize() : 0);
    ShowEdit(true);
    nextPos = (atStart ? blanks : indent) + 1;
    ReportError(code);
    return true;
}

}  // namespace wendax
