// Lookups of the store: paragraphs and display lines through the position cache, and the
// conversions between (paragraph, position) and (line, column).
#include <algorithm>
#include <cstdlib>

#include "engine/display_columns.h"
#include "engine/para_list.h"

namespace wendax {

// Nearby paragraphs are reached by walking from the nearest of the first paragraph, the
// cached one and the last one; far ones through the index. Walks keep the first line number
// of the current paragraph up to date.
TParaRef TParaList::FindPara(std::int32_t n) {
    if (n < 1 || n > FParaCount) return 0;
    FCacheLine -= FCacheLineInPara - 1;
    FCacheLineInPara = 1;
    if (n == FCachePara) return FCacheNode;
    if (n == 1) {
        SetCache(FFirst, 0, 1, 1, 1);
    } else if (n == FParaCount) {
        SetCacheAtLast(1);
    } else if (n == FCachePara + 1) {
        FCacheLine += Node(FCacheNode).Lines();
        StepCacheNext();
    } else if (n == FCachePara - 1) {
        StepCachePrev();
        FCacheLine -= Node(FCacheNode).Lines();
    } else {
        WalkToPara(n);
    }
    return FCacheNode;
}

void TParaList::SetCacheAtLast(std::int32_t lineInPara) {
    const std::int32_t first = FLineCount - Node(FLast).Lines() + 1;
    SetCache(FLast, FIndex.BlockCount() - 1, FParaCount, first + lineInPara - 1, lineInPara);
}

// The cache goes to the first line of the last paragraph of a block.
void TParaList::SetCacheAtBlockEnd(TBlockStart start) {
    const TParaBlock& block = FIndex.Block(start.Block);
    const TParaRef after = FIndex.FirstAfter(start.Block);
    const TParaRef last = after != 0 ? Node(after).Prev : FLast;
    SetCache(last, start.Block, start.Para + block.Paras - 1,
             start.Line + block.Lines - Node(last).Lines(), 1);
}

// The cache is on the first line of its paragraph.
void TParaList::WalkToPara(std::int32_t n) {
    const std::int32_t fromCache = std::abs(n - FCachePara);
    const std::int32_t fromStart = n - 1;
    const std::int32_t fromEnd = FParaCount - n;
    if (std::min({fromCache, fromStart, fromEnd}) > FIndex.ShortWalk()) {
        JumpToPara(n);
    } else if (fromCache >= fromStart && fromEnd >= fromStart) {
        SetCache(FFirst, 0, 1, 1, 1);
    } else if (fromCache >= fromEnd) {
        SetCacheAtLast(1);
    }
    while (FCachePara < n) {
        FCacheLine += Node(FCacheNode).Lines();
        StepCacheNext();
    }
    while (FCachePara > n) {
        StepCachePrev();
        FCacheLine -= Node(FCacheNode).Lines();
    }
}

// To the end of the block holding paragraph n that is nearer to it.
void TParaList::JumpToPara(std::int32_t n) {
    const TBlockStart start = FIndex.BlockOfPara(n);
    const TParaBlock& block = FIndex.Block(start.Block);
    if (n - start.Para < block.Paras / 2) {
        SetCache(block.First, start.Block, start.Para, start.Line, 1);
    } else {
        SetCacheAtBlockEnd(start);
    }
}

std::string_view TParaList::ParaText(std::int32_t n) {
    const TParaRef para = FindPara(n);
    return para == 0 ? std::string_view() : FStorage.Text(Node(para));
}

std::int32_t TParaList::ParaLength(std::int32_t n) {
    const TParaRef para = FindPara(n);
    return para == 0 ? 0 : Node(para).Length;
}

std::int32_t TParaList::ParaLines(std::int32_t n) {
    const TParaRef para = FindPara(n);
    return para == 0 ? 0 : Node(para).Lines();
}

TLineText TParaList::GetLine(std::int32_t n) {
    if (!FWordWrap) {
        const TParaRef para = FindPara(n);
        if (para == 0) return {};
        return {FStorage.Text(Node(para)), n, 0, 1};
    }
    if (n < 1 || n > FLineCount) return {};
    if (n == FCacheLine) {
        // answered by the cache
    } else if (n == 1) {
        SetCache(FFirst, 0, 1, 1, 1);
    } else if (n == FLineCount) {
        SetCacheAtLast(Node(FLast).Lines());
    } else if (n == FCacheLine + 1 && FCacheLineInPara < Node(FCacheNode).Lines()) {
        FCacheLine = n;
        ++FCacheLineInPara;
    } else if (n == FCacheLine + 1) {
        StepCacheNext();
        FCacheLine = n;
        FCacheLineInPara = 1;
    } else if (n == FCacheLine - 1 && FCacheLineInPara > 1) {
        FCacheLine = n;
        --FCacheLineInPara;
    } else if (n == FCacheLine - 1) {
        StepCachePrev();
        FCacheLine = n;
        FCacheLineInPara = Node(FCacheNode).Lines();
    } else {
        WalkToLine(n);
    }
    return CachedLine();
}

// Like WalkToPara on line numbers, moving over whole paragraphs by their Lines.
void TParaList::WalkToLine(std::int32_t n) {
    const std::int32_t fromCache = std::abs(n - FCacheLine);
    const std::int32_t fromStart = n - 1;
    const std::int32_t fromEnd = FLineCount - n;
    if (std::min({fromCache, fromStart, fromEnd}) > FIndex.ShortWalk()) {
        JumpToLine(n);
    } else if (fromCache >= fromStart && fromEnd >= fromStart) {
        SetCache(FFirst, 0, 1, 1, 1);
    } else if (fromCache >= fromEnd) {
        SetCacheAtLast(1);
    }
    std::int32_t first = FCacheLine - FCacheLineInPara + 1;  // of the current paragraph
    while (first + Node(FCacheNode).Lines() <= n) {
        first += Node(FCacheNode).Lines();
        StepCacheNext();
    }
    while (first > n) {
        StepCachePrev();
        first -= Node(FCacheNode).Lines();
    }
    FCacheLine = n;
    FCacheLineInPara = n - first + 1;
}

// To the end of the block holding line n that is nearer to it.
void TParaList::JumpToLine(std::int32_t n) {
    const TBlockStart start = FIndex.BlockOfLine(n);
    const TParaBlock& block = FIndex.Block(start.Block);
    if (n - start.Line < block.Lines / 2) {
        SetCache(block.First, start.Block, start.Para, start.Line, 1);
    } else {
        SetCacheAtBlockEnd(start);
    }
}

// The cached display line: from its start entry to the next line's start, or to the end.
TLineText TParaList::CachedLine() const {
    const TParaNode& node = Node(FCacheNode);
    const std::string_view text = FStorage.Text(node);
    const std::uint16_t* starts = FStorage.LineStarts(node);
    const std::int32_t index = FCacheLineInPara - 1;
    const std::int32_t from = starts[index];
    const std::int32_t to = FCacheLineInPara < node.Lines() ? starts[index + 1] : node.Length;
    return {text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)),
            FCachePara, from, FCacheLineInPara};
}

std::int32_t TParaList::LineWidth(std::int32_t n) {
    const std::string_view text = GetLine(n).Text;
    return DisplayWidth(FCharSet, text, static_cast<std::int32_t>(text.size()), FTabSize);
}

TLineCol TParaList::LineOfPos(TParaRef para, std::int32_t p) const {
    const TParaNode& node = Node(para);
    if (node.Lines() == 1 || p <= 1) return {1, p};
    const std::uint16_t* starts = FStorage.LineStarts(node);
    const std::uint16_t* found = std::upper_bound(starts, starts + node.Lines(), p - 1);
    const auto line = static_cast<std::int32_t>(found - starts);
    return {line, p - starts[line - 1]};
}

TLineCol TParaList::ParaToLine(TParaPos at) {
    const TParaRef para = FindPara(std::clamp(at.Para, 1, FParaCount));
    const TLineCol inPara = LineOfPos(para, at.Pos);
    return {FCacheLine + inPara.Line - 1, inPara.Col};
}

TLineStart TParaList::LineToPara(std::int32_t line) {
    line = std::clamp(line, 1, FWordWrap ? FLineCount : FParaCount);
    if (!FWordWrap) return {line, 0};
    const TLineText found = GetLine(line);
    return {found.Para, found.Offset};
}

std::int32_t TParaList::PosToColumn(std::string_view line, std::int32_t p) const {
    return wendax::PosToColumn(FCharSet, line, p, FTabSize);
}

std::int32_t TParaList::ColumnToPos(std::string_view line, std::int32_t column) const {
    return wendax::ColumnToPos(FCharSet, line, column, FTabSize);
}

}  // namespace wendax
