// The line end of every paragraph: counting, the text's style, and the two primitives that
// change line ends.
#include <cstring>
#include <string>

#include "engine/para_list.h"

namespace wendax {

namespace {

// Payload of a conversion record: the new line end, then the old line ends of the
// paragraphs from 1 on as runs of (count: 4 bytes, line end: 1 byte).
constexpr std::size_t kRunBytes = 5;

void AppendRun(std::string& runs, std::int32_t count, TLineEnd end) {
    char bytes[kRunBytes];
    std::memcpy(bytes, &count, 4);
    bytes[4] = static_cast<char>(end);
    runs.append(bytes, kRunBytes);
}

}  // namespace

std::int64_t TParaList::FileBytes() const {
    std::int64_t bytes = FByteCount - 2 * std::int64_t{FParaCount - 1};
    for (int end = 0; end < kLineEndKinds; ++end)
        bytes += std::int64_t{FLineEnds[end]} *
                 static_cast<std::int64_t>(LineEndBytes(static_cast<TLineEnd>(end)).size());
    if (LastParaIsEmpty())
        bytes -= static_cast<std::int64_t>(LineEndBytes(Node(FLast).LineEnd()).size());
    return bytes;
}

TLineEnd TParaList::LineEnd(std::int32_t n) {
    const TParaRef para = FindPara(n);
    return para == 0 ? leNone : Node(para).LineEnd();
}

TLineEnd TParaList::LineEndStyle() const {
    TLineEnd style = leLf;
    for (const TLineEnd end : {leCrLf, leCr}) {
        if (FLineEnds[end] > FLineEnds[style]) style = end;
    }
    return style;
}

void TParaList::ChangeLineEnd(TParaNode& node, TLineEnd end) {
    --FLineEnds[node.LineEnd()];
    node.SetLineEnd(end);
    ++FLineEnds[end];
}

void TParaList::SetLineEnd(std::int32_t para, TLineEnd end) {
    const TParaRef ref = FindPara(para);
    if (ref == 0 || Node(ref).LineEnd() == end) return;
    TParaNode& node = Node(ref);
    const char payload[2] = {static_cast<char>(node.LineEnd()), static_cast<char>(end)};
    const bool modifiedBefore = FModified;
    ChangeLineEnd(node, end);
    FModified = true;
    if (!FReplaying) {
        FUndo->Add(ukLineEnd, modifiedBefore, para, node.Length + 1, {payload, sizeof(payload)});
    }
}

bool TParaList::ConvertLineEnds(TLineEnd end, TParaPos caret) {
    std::string runs(1, static_cast<char>(end));
    std::int32_t run = 0;
    TLineEnd runEnd = leNone;
    bool changes = false;
    for (TParaRef para = FFirst; para != 0; para = Node(para).Next) {
        TParaNode& node = Node(para);
        const TLineEnd old = node.LineEnd();
        if (run > 0 && old != runEnd) {
            AppendRun(runs, run, runEnd);
            run = 0;
        }
        runEnd = old;
        ++run;
        if (old != leNone && old != end) {
            ChangeLineEnd(node, end);
            changes = true;
        }
    }
    AppendRun(runs, run, runEnd);
    if (!changes) return false;
    const bool modifiedBefore = FModified;
    FModified = true;
    // A history that cannot hold the old line ends is cleared: an undo must never give back
    // other line ends than the text had.
    if (runs.size() > kMaxUndoPayload ||
        !FUndo->Add(ukConvertLineEnds, modifiedBefore, caret.Para, caret.Pos, runs))
        FUndo->Clear();
    return true;
}

void TParaList::ReplayLineEnds(const TUndoStep& step, bool undo) {
    const std::string_view payload = step.Text();
    if (step.Record.Kind == ukLineEnd) {
        SetLineEnd(step.Record.Para, static_cast<TLineEnd>(payload[undo ? 0 : 1]));
        return;
    }
    const auto end = static_cast<TLineEnd>(payload[0]);
    TParaRef para = FFirst;
    for (std::size_t at = 1; at + kRunBytes <= payload.size(); at += kRunBytes) {
        std::int32_t count = 0;
        std::memcpy(&count, payload.data() + at, 4);
        const auto old = static_cast<TLineEnd>(payload[at + 4]);
        for (; count > 0 && para != 0; --count, para = Node(para).Next)
            ChangeLineEnd(Node(para), undo || old == leNone ? old : end);
    }
    FModified = true;
}

}  // namespace wendax
