// The store's life, settings, limits, markers and loading.
#include "engine/para_list.h"

#include <optional>

#include "platform/services.h"

namespace wendax {

namespace {
constexpr std::int64_t kBusyRewrapBytes = 10000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

TParaList::TParaList(TTextView* owner, bool wordWrap, std::uint16_t undoBufferSize)
    : FFirst(FStorage.Create({})),
      FLast(FFirst),
      FCacheNode(FFirst),
      FIndex(FStorage, FFirst),
      FWordWrap(wordWrap),
      FViews(owner) {
    FRemoved.reserve(kMaxParaLength);  // splices never allocate
    FWrapper.SetParams(WrapParams());
    SetUndoBufferSize(undoBufferSize);
}

// The undo buffer goes first (releasing the paragraphs its records hold); the arena then
// releases every paragraph at once.
TParaList::~TParaList() {
    FUndo.reset();
}

TWrapParams TParaList::WrapParams() const {
    const bool wraps = FWordWrap && FWrapColumn > 0 && FWrapColumn != kMaxInt32;
    return {wraps ? FWrapColumn : 0, FTabSize, FCharSet};
}

void TParaList::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    ChangeSetting(true);
}

void TParaList::SetWrapColumn(std::int32_t value) {
    if (value == FWrapColumn) return;
    FWrapColumn = value;
    ChangeSetting(FWordWrap);
}

void TParaList::SetTabSize(std::uint8_t value) {
    if (value == 0 || value == FTabSize) return;
    FTabSize = value;
    ChangeSetting(FWordWrap);
}

void TParaList::SetCharSet(TCharSet value) {
    if (value == FCharSet) return;
    FCharSet = value;
    FWrapper.SetParams(WrapParams());
    if (FWordWrap) RewrapAll();
    FViews.RecomputeAll();
}

void TParaList::ChangeSetting(bool rewrap) {
    FWrapper.SetParams(WrapParams());
    if (!rewrap) return;
    RewrapAll();
    FViews.RecomputeAll();
}

void TParaList::RewrapAll() {
    std::optional<TBusyCursor> busy;
    if (FByteCount > kBusyRewrapBytes) busy.emplace();
    std::int32_t lines = 0;
    TParaRef para = FFirst;
    for (std::int32_t b = 0; b < FIndex.BlockCount(); ++b) {
        std::int32_t blockLines = 0;
        for (std::int32_t i = FIndex.Block(b).Paras; i > 0; --i, para = Node(para).Next) {
            FWrapper.Wrap(Node(para));
            blockLines += Node(para).Lines();
        }
        FIndex.SetLines(b, blockLines);
        lines += blockLines;
    }
    FLineCount = lines;
    SetCache(FFirst, 0, 1, 1, 1);
}

void TParaList::SetUndoBufferSize(std::uint16_t size) {
    THeldParaReleaser& releaser = *this;
    auto fresh = std::make_unique<TUndoBuffer>(size, releaser);  // the old history stays on failure
    FUndo = std::move(fresh);
}

void TParaList::SetModified(bool value) {
    if (value == FModified) return;
    FModified = value;
    if (!value) FUndo->MarkAllModified();
}

void TParaList::PutMarker(std::int32_t n, std::int32_t para, std::int32_t pos) {
    if (para < 0 || para > FParaCount) return;
    FMarkers.Put(n, {para, pos});
}

void TParaList::PutMarkerAtLine(std::int32_t n, std::int32_t line, std::int32_t col) {
    const TLineStart start = LineToPara(line);
    PutMarker(n, start.Para, start.Offset + col);
}

// Counts are compared in 64 bits so that no count can wrap around and slip past a limit.
TEditorErrorCode TParaList::CheckLimits(std::int32_t para, std::int32_t newParas,
                                        std::int64_t newBytes) {
    if (newParas > 0 || para > FParaLimit) {
        std::int64_t allowed = FParaLimit;
        if (para <= FParaLimit && LastParaIsEmpty() && FParaLimit != kMaxInt32) ++allowed;
        if (std::int64_t{FParaCount} + newParas > allowed) return eeTooManyParagraphs;
    }
    if (FByteCount + newBytes > FByteLimit) return eeTextTooLarge;
    if (para > 0 && newParas == 0) {
        const TParaRef node = FindPara(para);
        const std::int64_t limit =
            FParaLengthLimit < kMaxParaLength ? FParaLengthLimit : kMaxParaLength;
        if (node != 0 && Node(node).Length + newBytes > limit) return eeParagraphTooLong;
    }
    return eeOk;
}

TEditorErrorCode TParaList::AppendLoadedPara(std::string_view text, bool trim, TLineEnd end) {
    if (trim) {
        while (!text.empty() && IsBlank(text.back()))
            text.remove_suffix(1);
    }
    if (text.size() > static_cast<std::size_t>(kMaxParaLength)) return eeParagraphTooLong;
    const TParaRef para = CreateWrapped(text);
    Node(para).SetLineEnd(end);
    LinkBefore(para, FLast);
    SetCache(FFirst, 0, 1, 1, 1);
    CountIn(para, FIndex.BlockCount() - 1);
    return eeOk;
}

void TParaList::EndLoading(bool finalLineEnd) {
    if (finalLineEnd || FParaCount == 1) {
        --FLineEnds[Node(FLast).LineEnd()];
        Node(FLast).SetLineEnd(LineEndStyle());
        ++FLineEnds[Node(FLast).LineEnd()];
        return;
    }
    const TParaRef last = FLast;
    SetCache(FFirst, 0, 1, 1, 1);
    Unlink(last, FIndex.BlockCount() - 1);
    FStorage.Destroy(last);
}

// ---- Helpers shared by the primitives

void TParaList::SetCache(TParaRef node, std::int32_t block, std::int32_t para, std::int32_t line,
                         std::int32_t lineInPara) {
    FCacheNode = node;
    FCacheBlock = block;
    FCachePara = para;
    FCacheLine = line;
    FCacheLineInPara = lineInPara;
}

// Also makes room in the index, so that linking the paragraph allocates nothing.
TParaRef TParaList::CreateWrapped(std::string_view text) {
    FIndex.ReserveBlock();
    const TParaRef para = FStorage.Create(text);
    try {
        FWrapper.Wrap(Node(para));
    } catch (...) {
        FStorage.Destroy(para);
        throw;
    }
    return para;
}

void TParaList::LinkBefore(TParaRef para, TParaRef next) {
    TParaNode& node = Node(para);
    TParaNode& after = Node(next);
    node.Next = next;
    node.Prev = after.Prev;
    if (after.Prev != 0) {
        Node(after.Prev).Next = para;
    } else {
        FFirst = para;
    }
    after.Prev = para;
}

void TParaList::LinkAfter(TParaRef para, TParaRef prev) {
    TParaNode& node = Node(para);
    TParaNode& before = Node(prev);
    node.Prev = prev;
    node.Next = before.Next;
    if (before.Next != 0) {
        Node(before.Next).Prev = para;
    } else {
        FLast = para;
    }
    before.Next = para;
}

// Takes a paragraph of index block `block` out of the list, the counters and the index. The
// cache must already have left it.
void TParaList::Unlink(TParaRef para, std::int32_t block) {
    TParaNode& node = Node(para);
    const TParaRef next = node.Next;
    if (node.Prev != 0) {
        Node(node.Prev).Next = node.Next;
    } else {
        FFirst = node.Next;
    }
    if (node.Next != 0) {
        Node(node.Next).Prev = node.Prev;
    } else {
        FLast = node.Prev;
    }
    node.Next = node.Prev = 0;
    --FParaCount;
    FLineCount -= node.Lines();
    FByteCount -= node.Length + 2;
    --FLineEnds[node.LineEnd()];
    TIndexCursor cache{FCacheNode, FCacheBlock};
    FIndex.Unlinked(block, para, next, cache);
    FCacheBlock = cache.Block;
}

void TParaList::Notify(TTextView* view, TTextChange change) {
    if (!FNotifyEnabled) return;
    FMarkers.Apply(change);
    FViews.NotifyChange(change, view);
}

void TParaList::RecordCaret(std::int32_t para, std::int32_t pos) {
    if (!FReplaying) FUndo->Add(ukCaret, FModified, para, pos, {});
}

}  // namespace wendax
