// The character-level primitives: insert, delete and overwrite characters in one paragraph.
#include <algorithm>
#include <cstring>

#include "engine/para_list.h"

namespace wendax {

// Replaces `removed` characters at offset `at` by `pad` spaces and `text` (the buffer has
// room), keeps the removed characters in FRemoved, re-wraps the paragraph and sets the
// repaint range. `node` is the cached paragraph. When the re-wrap cannot get memory the old
// text is put back.
//
//   before:  [ head | removed | tail ]
//   after:   [ head | spaces text | tail ]
void TParaList::SpliceText(TParaNode& node, std::int32_t at, std::int32_t removed, std::int32_t pad,
                           std::string_view text) {
    char* buffer = FStorage.MutableText(node);
    const std::int32_t length = node.Length;
    const std::int32_t inserted = pad + static_cast<std::int32_t>(text.size());
    const auto tailBytes = static_cast<std::size_t>(length - at - removed + 1);  // with the NUL
    FRemoved.assign(buffer + at, static_cast<std::size_t>(removed));
    std::memmove(buffer + at + inserted, buffer + at + removed, tailBytes);
    std::memset(buffer + at, ' ', static_cast<std::size_t>(pad));
    if (!text.empty()) std::memcpy(buffer + at + pad, text.data(), text.size());
    node.Length = static_cast<std::uint16_t>(length - removed + inserted);
    const std::int32_t oldLines = node.Lines();
    TRewrapRange range;
    try {
        range = FWrapper.Rewrap(node, at, removed, inserted);
    } catch (...) {
        std::memmove(buffer + at + removed, buffer + at + inserted, tailBytes);
        std::memcpy(buffer + at, FRemoved.data(), FRemoved.size());
        node.Length = static_cast<std::uint16_t>(length);
        throw;
    }
    FByteCount += inserted - removed;
    FLineCount += node.Lines() - oldLines;
    if (node.Lines() != oldLines) FIndex.LinesChanged(FCacheBlock, node.Lines() - oldLines);
    FChangedFrom = FCacheLine + range.First - 1;  // the cache is on the paragraph's first line
    FChangedTo = node.Lines() != oldLines ? kMaxInt32 : FCacheLine + range.Last - 1;
}

// Beyond the end the gap is filled with spaces and recorded with the text, from the old end.
TEditorErrorCode TParaList::InsertChars(TTextView* view, std::int32_t para, std::int32_t p,
                                        std::string_view text) {
    const TParaRef ref = FindPara(para);
    if (ref == 0 || p < 1 || text.empty()) return eeOk;
    TParaNode& node = Node(ref);
    const std::int32_t length = node.Length;
    const std::int32_t pad = std::max(0, p - 1 - length);
    const std::int64_t growth = pad + static_cast<std::int64_t>(text.size());
    if (!FReplaying) {
        if (const TEditorErrorCode code = CheckLimits(para, 0, growth)) return code;
    }
    if (length + growth > kMaxParaLength) return eeParagraphTooLong;
    const auto at = std::min(p - 1, length);
    FStorage.ReserveText(node, length + static_cast<std::int32_t>(growth) + 1);
    const bool modifiedBefore = FModified;
    SpliceText(node, at, 0, pad, text);
    FModified = true;
    if (!FReplaying) {
        const std::string_view added(FStorage.MutableText(node) + at,
                                     static_cast<std::size_t>(growth));
        FUndo->Add(ukInsertText, modifiedBefore, para, at + 1, added);
    }
    Notify(view, {tcCharsInserted, para, static_cast<std::int32_t>(text.size()), p});
    return eeOk;
}

void TParaList::DeleteChars(TTextView* view, std::int32_t para, std::int32_t p,
                            std::int32_t count) {
    const TParaRef ref = FindPara(para);
    if (ref == 0 || p < 1 || p > Node(ref).Length || count <= 0) return;
    TParaNode& node = Node(ref);
    count = std::min(count, node.Length - p + 1);
    const bool modifiedBefore = FModified;
    SpliceText(node, p - 1, count, 0, {});
    FModified = true;
    if (!FReplaying) FUndo->Add(ukDeleteText, modifiedBefore, para, p, FRemoved);
    Notify(view, {tcCharsDeleted, para, count, p});
}

TEditorErrorCode TParaList::ReplaceChars(TTextView* view, std::int32_t para, std::int32_t p,
                                         std::int32_t oldCount, std::string_view text) {
    const TParaRef ref = FindPara(para);
    if (ref == 0 || p < 1 || p > Node(ref).Length + 1) return eeOk;
    TParaNode& node = Node(ref);
    oldCount = std::clamp(oldCount, 0, node.Length - p + 1);
    const auto newCount =
        static_cast<std::int32_t>(std::min<std::size_t>(text.size(), kMaxParaLength + 1));
    if (oldCount == 0 && newCount == 0) return eeOk;
    if (node.Length - oldCount + newCount > kMaxParaLength) return eeParagraphTooLong;
    FStorage.ReserveText(node, node.Length - oldCount + newCount + 1);
    const bool modifiedBefore = FModified;
    SpliceText(node, p - 1, oldCount, 0, text);
    FModified = true;
    if (!FReplaying) FUndo->AddReplace(modifiedBefore, para, p, FRemoved, text);
    if (newCount > oldCount) {
        Notify(view, {tcCharsInserted, para, newCount - oldCount, p + oldCount});
    } else if (newCount < oldCount) {
        Notify(view, {tcCharsDeleted, para, oldCount - newCount, p + newCount});
    }
    return eeOk;
}

}  // namespace wendax
