// The store's invariants, checked in full (tests call this after every step).
#include <algorithm>
#include <cstring>
#include <set>

#include "engine/para_list.h"

namespace wendax {

std::string TParaList::CheckInvariants() {
    std::string problem = CheckList();
    if (problem.empty()) problem = CheckCache();
    if (problem.empty()) problem = FIndex.Check(FFirst, {FCacheNode, FCacheBlock});
    if (!problem.empty()) return problem;
    for (std::int32_t n = 0; n < TMarkers::kCount; ++n) {
        const TParaPos marker = FMarkers.Get(n);
        if (marker.Para < 0 || marker.Para > FParaCount)
            return "marker " + std::to_string(n) + " out of range";
    }
    const std::vector<TTextView*>& views = FViews.Views();
    if (std::set<TTextView*>(views.begin(), views.end()).size() != views.size())
        return "a view is twice in the ring";
    if (std::find(views.begin(), views.end(), nullptr) != views.end())
        return "an empty view in the ring";
    if (!FNotifyEnabled) return "notifications left off";
    if (FReplaying) return "replaying outside undo or redo";
    return std::string(FUndo->CheckInvariants());
}

std::string TParaList::CheckList() {
    std::int32_t paras = 0;
    std::int64_t lines = 0;
    std::int64_t bytes = 0;
    std::int32_t ends[kLineEndKinds] = {};
    TParaRef prev = 0;
    for (TParaRef para = FFirst; para != 0; para = Node(para).Next) {
        ++paras;
        if (Node(para).Prev != prev)
            return "Prev link broken at paragraph " + std::to_string(paras);
        if (std::string problem = CheckPara(para); !problem.empty()) {
            return "paragraph " + std::to_string(paras) + ": " + problem;
        }
        lines += Node(para).Lines();
        bytes += Node(para).Length;
        ++ends[Node(para).LineEnd()];
        prev = para;
    }
    if (prev != FLast) return "Last is not the end of the list";
    if (paras < 1 || paras != FParaCount) return "ParaCount is not the number of paragraphs";
    if (lines != FLineCount) return "LineCount is not the sum of Lines";
    if (bytes + 2 * std::int64_t{paras - 1} != FByteCount)
        return "ByteCount does not match the text";
    if (!std::equal(ends, ends + kLineEndKinds, FLineEnds))
        return "line-end counts do not match the paragraphs";
    return {};
}

std::string TParaList::CheckPara(TParaRef para) const {
    const TParaNode& node = Node(para);
    if (node.Length > kMaxParaLength) return "longer than the largest paragraph";
    if ((node.Text == 0) != (node.Capacity == 0)) return "Text and Capacity disagree";
    if (node.Text != 0 &&
        (node.Capacity < node.Length + 1 || FStorage.MutableText(node)[node.Length] != '\0')) {
        return "text buffer too small or not NUL-terminated";
    }
    const std::string_view text = FStorage.Text(node);
    if (text.find('\0') != std::string_view::npos) return "NUL inside the text";
    const std::vector<std::uint16_t> expected = TParaWrapper::LineStartsOf(text, FWrapper.Params());
    if (static_cast<std::int32_t>(expected.size()) != node.Lines())
        return "Lines differ from a full wrap";
    if (node.Lines() > 1 && (node.LineStarts == 0 || node.LineStartsCapacity < node.Lines())) {
        return "line-start table too small";
    }
    if (!std::equal(expected.begin(), expected.end(), FStorage.LineStarts(node))) {
        return "line starts differ from a full wrap";
    }
    return {};
}

std::string TParaList::CheckCache() {
    std::int32_t first = 1;
    TParaRef para = FFirst;
    for (std::int32_t n = 1; n < FCachePara && para != 0; ++n) {
        first += Node(para).Lines();
        para = Node(para).Next;
    }
    if (FCachePara < 1 || FCachePara > FParaCount || para != FCacheNode)
        return "cache node is not CachePara";
    if (FCacheLineInPara < 1 || FCacheLineInPara > Node(para).Lines())
        return "cached line outside its paragraph";
    if (FCacheLine != first + FCacheLineInPara - 1)
        return "CacheLine does not match the cached paragraph";
    return {};
}

}  // namespace wendax
