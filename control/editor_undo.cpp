// Undo and redo through the store's history.
#include "control/custom_editor.h"
#include "platform/services.h"

namespace wendax {

bool TOvcCustomEditor::CanUndo() const {
    return !ReadOnly() && FStore->UndoBuffer().UndoCount() > 0;
}

bool TOvcCustomEditor::CanRedo() const {
    return !ReadOnly() && FStore->UndoBuffer().RedoCount() > 0;
}

void TOvcCustomEditor::Undo() {
    if (!CanUndo()) {
        Platform().Beep();
        return;
    }
    TParaPos caret{1, 1};
    FStore->Undo(this, caret);
    FinishReplay(caret);
}

void TOvcCustomEditor::Redo() {
    if (!CanRedo()) {
        Platform().Beep();
        return;
    }
    TParaPos caret{1, 1};
    FStore->Redo(this, caret);
    FinishReplay(caret);
}

// The caret goes where the replayed change happened; the highlight collapses there.
void TOvcCustomEditor::FinishReplay(TParaPos caret) {
    ShowEdit(true);
    MoveCaretToPos(caret, false);
}

}  // namespace wendax
