// The paragraph-level primitives: insert and delete whole paragraphs, and put back a
// paragraph held by an undo record.
#include "engine/para_list.h"
#include "engine/undo_group.h"

namespace wendax {

TEditorErrorCode TParaList::InsertParaBefore(TTextView* view, std::int32_t para,
                                             std::string_view text) {
    const TParaRef next = FindPara(para);
    if (next == 0) return eeOk;
    const auto length = static_cast<std::int64_t>(text.size());
    if (const TEditorErrorCode code = CheckLimits(0, 1, length + 2)) return code;
    if (length > FParaLengthLimit || length > kMaxParaLength) return eeParagraphTooLong;
    const TParaRef added = CreateWrapped(text);
    Node(added).SetLineEnd(BreakingLineEnd(Node(next).LineEnd(), LineEndStyle()));
    const std::int32_t firstLine = FCacheLine;
    LinkBefore(added, next);
    SetCache(added, FCacheBlock, para, firstLine, 1);
    CountIn(added, FCacheBlock);
    const bool modifiedBefore = FModified;
    FModified = true;
    if (!FReplaying) FUndo->AddHeldPara(ukInsertParaBefore, modifiedBefore, para, 1, added);
    Notify(view, {tcParaSplit, para, 0, 1});
    return eeOk;
}

TEditorErrorCode TParaList::InsertParaAfter(TTextView* view, std::int32_t para,
                                            std::string_view text) {
    const TParaRef prev = FindPara(para);
    if (prev == 0) return eeOk;
    if (text.size() > static_cast<std::size_t>(kMaxParaLength)) return eeParagraphTooLong;
    const TParaRef added = CreateWrapped(text);
    const TLineEnd end = Node(prev).LineEnd();
    Node(added).SetLineEnd(end);
    TUndoGroup group(*FUndo);
    const bool modifiedBefore = FModified;
    if (end == leNone) SetLineEnd(para, LineEndStyle());
    LinkAfter(added, prev);
    CountIn(added, FCacheBlock);
    FModified = true;
    if (!FReplaying) FUndo->AddHeldPara(ukInsertParaAfter, modifiedBefore, para, 1, added);
    Notify(view, {tcParaSplit, para + 1, 0, 1});
    return eeOk;
}

// The removed paragraph goes to its undo record; when it cannot be recorded (and this is
// not a replay, whose records hold it) it is destroyed at once.
void TParaList::DeletePara(TTextView* view, std::int32_t para) {
    const TParaRef removed = FindPara(para);
    if (removed == 0 || FParaCount == 1) return;
    const std::int32_t block = FCacheBlock;
    if (para == 1) {
        StepCacheNext();
        SetCache(FCacheNode, FCacheBlock, 1, 1, 1);  // numbered as after the removal
    } else {
        StepCachePrev();
        FCacheLine -= Node(FCacheNode).Lines();
    }
    Unlink(removed, block);
    const bool modifiedBefore = FModified;
    FModified = true;
    if (!FReplaying && !FUndo->AddHeldPara(ukDeletePara, modifiedBefore, para, 1, removed)) {
        FStorage.Destroy(removed);
    }
    Notify(view, {tcParaDeleted, para, 0, 0});
}

// Links a held paragraph in again as paragraph `para` (before the one that now has that
// number, or at the end) and wraps it with the current settings.
void TParaList::Relink(TTextView* view, std::int32_t para, TParaRef held) {
    FIndex.ReserveBlock();
    FWrapper.Wrap(Node(held));
    std::int32_t firstLine = FLineCount + 1;
    std::int32_t block = FIndex.BlockCount() - 1;
    if (const TParaRef next = FindPara(para); next != 0) {
        firstLine = FCacheLine;
        block = FCacheBlock;
        LinkBefore(held, next);
    } else {
        LinkAfter(held, FLast);
        para = FParaCount + 1;
    }
    SetCache(held, block, para, firstLine, 1);
    CountIn(held, block);
    FModified = true;
    Notify(view, {tcParaSplit, para, 0, 1});
}

}  // namespace wendax
