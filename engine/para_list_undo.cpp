// Undo and redo: the store replays the records of one group through its own primitives,
// recording nothing while it does.
#include "engine/para_list.h"
#include "engine/scoped_flag.h"

namespace wendax {

bool TParaList::Undo(TTextView* view, TParaPos& caret) {
    if (FUndo->UndoCount() == 0) return FModified;
    TScopedFlag replaying(FReplaying, true);
    TUndoStep step = FUndo->TakeUndo();
    const std::uint8_t tag = step.Record.Tag;
    for (;;) {
        UndoStep(view, step);
        caret = {step.Record.Para, step.Record.Pos};
        if (!FUndo->UndoContinues(tag)) break;
        step = FUndo->TakeUndo();
    }
    FModified = step.Record.ModifiedBefore;  // the state before the group began
    return FModified;
}

void TParaList::Redo(TTextView* view, TParaPos& caret) {
    if (FUndo->RedoCount() == 0) return;
    TScopedFlag replaying(FReplaying, true);
    TUndoStep step = FUndo->TakeRedo(FModified);
    const std::uint8_t tag = step.Record.Tag;
    for (;;) {
        caret = {step.Record.Para, step.Record.Pos};
        RedoStep(view, step, caret);
        if (!FUndo->RedoContinues(tag)) break;
        step = FUndo->TakeRedo(FModified);
    }
}

void TParaList::UndoStep(TTextView* view, const TUndoStep& step) {
    const TUndoRecord& record = step.Record;
    switch (record.Kind) {
        case ukCaret:
            break;
        case ukInsertText:
            DeleteChars(view, record.Para, record.Pos, record.PayloadLength);
            break;
        case ukInsertParaBefore:
            DeletePara(view, record.Para);
            break;
        case ukInsertParaAfter:
            DeletePara(view, record.Para + 1);
            break;
        case ukDeleteText:
            InsertChars(view, record.Para, record.Pos, step.Text());
            break;
        case ukDeletePara:
            Relink(view, record.Para, step.HeldPara());
            break;
        case ukReplaceText:
            ReplaceChars(view, record.Para, record.Pos,
                         static_cast<std::int32_t>(step.NewText().size()), step.OldText());
            break;
        case ukLineEnd:
        case ukConvertLineEnds:
            ReplayLineEnds(step, true);
            break;
        case ukConvertCharSet:
            ReplayCharSet(view, step, true);
            break;
    }
}

void TParaList::RedoStep(TTextView* view, const TUndoStep& step, TParaPos& caret) {
    const TUndoRecord& record = step.Record;
    switch (record.Kind) {
        case ukCaret:
            break;
        case ukInsertText:
            InsertChars(view, record.Para, record.Pos, step.Text());
            caret.Pos += record.PayloadLength;
            break;
        case ukInsertParaBefore:
            Relink(view, record.Para, step.HeldPara());
            caret = {record.Para + 1, 1};
            break;
        case ukInsertParaAfter:
            Relink(view, record.Para + 1, step.HeldPara());
            caret = {record.Para + 1, 1};
            break;
        case ukDeleteText:
            DeleteChars(view, record.Para, record.Pos, record.PayloadLength);
            break;
        case ukDeletePara:
            DeletePara(view, record.Para);
            break;
        case ukReplaceText:
            ReplaceChars(view, record.Para, record.Pos,
                         static_cast<std::int32_t>(step.OldText().size()), step.NewText());
            caret.Pos += static_cast<std::int32_t>(step.NewText().size());
            break;
        case ukLineEnd:
        case ukConvertLineEnds:
            ReplayLineEnds(step, false);
            break;
        case ukConvertCharSet:
            ReplayCharSet(view, step, false);
            caret = ConvertedPosition(caret);
            break;
    }
}

}  // namespace wendax
