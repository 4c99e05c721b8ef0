// Inserting text at the caret (paste, replace, insertions by the application).
#include <algorithm>

#include "control/custom_editor.h"
#include "engine/undo_group.h"

namespace wendax {

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Length of the next piece of `text` for the store: all of it up to kInsertPieceSize
// characters, else kInsertPieceSize characters extended over the line-break characters
// after the cut (at most kInsertPieceBreaks), and never ending between a carriage return
// and the line feed after it, so that no line break is split between two pieces.
std::size_t PieceLength(std::string_view text) {
    constexpr std::size_t kSize = TOvcCustomEditor::kInsertPieceSize;
    if (text.size() <= kSize) return text.size();
    const std::size_t limit = std::min(text.size(), kSize + TOvcCustomEditor::kInsertPieceBreaks);
    std::size_t end = kSize;
    while (end < limit && IsLineBreak(text[end]))
        ++end;
    if (end < text.size() && text[end - 1] == '\r' && text[end] == '\n') ++end;
    return end;
}

}  // namespace

TEditorErrorCode TOvcCustomEditor::InsertString(std::string_view s) {
    s = s.substr(0, s.find('\0'));
    if (ReadOnly() || s.empty()) return eeOk;
    TEditorErrorCode code = eeOk;
    TParaPos at;
    {
        TUndoGroup group(FStore->UndoBuffer());
        DeleteHighlight();
        at = CaretParaPos();
        while (!s.empty() && code == eeOk) {
            const std::size_t length = PieceLength(s);
            code = FStore->InsertText(this, at, s.substr(0, length));
            s.remove_prefix(length);
        }
    }
    ShowEdit(false);
    MoveCaretToPos(at, false);
    return code;
}

}  // namespace wendax
