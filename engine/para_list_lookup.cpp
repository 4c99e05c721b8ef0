// Lookups of the store: paragraphs and display lines through the position cache, and the
// conversions between (paragraph, position) and (line, column).
#include <algorithm>
#include <cstdlib>

#include "engine/display_columns.h"
#include "engine/para_list.h"

namespace wendax {

// The walk starts at the nearest of the first paragraph, the cached one and the last one,
// and keeps the first line number of the current paragraph up to date.
TParaRef TParaList::FindPara(std::int32_t n) {
    if (n < 1 || n > FParaCount) return 0;
    FCacheLine -= FCacheLineInPara - 1;
    FCacheLineInPara = 1;
    if (n == FCachePara) return FCacheNode;
    if (n == 1) {
        SetCache(FFirst, 1, 1, 1);
    } else if (n == FParaCount) {
        SetCache(FLast, n, FLineCount - Node(FLast).Lines() + 1, 1);
    } else if (n == FCachePara + 1) {
        SetCache(Node(FCacheNode).Next, n, FCacheLine + Node(FCacheNode).Lines(), 1);
    } else if (n == FCachePara - 1) {
        const TParaRef prev = Node(FCacheNode).Prev;
        SetCache(prev, n, FCacheLine - Node(prev).Lines(), 1);
    } else {
        WalkToPara(n);
    }
    return FCacheNode;
}

void TParaList::WalkToPara(std::int32_t n) {
    const std::int32_t fromCache = std::abs(n - FCachePara);
    const std::int32_t fromStart = n - 1;
    const std::int32_t fromEnd = FParaCount - n;
    if (fromCache >= fromStart && fromEnd >= fromStart) {
        SetCache(FFirst, 1, 1, 1);
    } else if (fromCache >= fromEnd) {
        SetCache(FLast, FParaCount, FLineCount - Node(FLast).Lines() + 1, 1);
    }
    while (FCachePara < n) {
        FCacheLine += Node(FCacheNode).Lines();
        FCacheNode = Node(FCacheNode).Next;
        ++FCachePara;
    }
    while (FCachePara > n) {
        FCacheNode = Node(FCacheNode).Prev;
        FCacheLine -= Node(FCacheNode).Lines();
        --FCachePara;
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
        SetCache(FFirst, 1, 1, 1);
    } else if (n == FLineCount) {
        SetCache(FLast, FParaCount, n, Node(FLast).Lines());
    } else if (n == FCacheLine + 1 && FCacheLineInPara < Node(FCacheNode).Lines()) {
        SetCache(FCacheNode, FCachePara, n, FCacheLineInPara + 1);
    } else if (n == FCacheLine + 1) {
        SetCache(Node(FCacheNode).Next, FCachePara + 1, n, 1);
    } else if (n == FCacheLine - 1 && FCacheLineInPara > 1) {
        SetCache(FCacheNode, FCachePara, n, FCacheLineInPara - 1);
    } else if (n == FCacheLine - 1) {
        const TParaRef prev = Node(FCacheNode).Prev;
        SetCache(prev, FCachePara - 1, n, Node(prev).Lines());
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
    std::int32_t first = FCacheLine - FCacheLineInPara + 1;  // first line of the current paragraph
    if (fromCache >= fromStart && fromEnd >= fromStart) {
        SetCache(FFirst, 1, 1, 1);
        first = 1;
    } else if (fromCache >= fromEnd) {
        first = FLineCount - Node(FLast).Lines() + 1;
        SetCache(FLast, FParaCount, first, 1);
    }
    while (first + Node(FCacheNode).Lines() <= n) {
        first += Node(FCacheNode).Lines();
        FCacheNode = Node(FCacheNode).Next;
        ++FCachePara;
    }
    while (first > n) {
        FCacheNode = Node(FCacheNode).Prev;
        first -= Node(FCacheNode).Lines();
        --FCachePara;
    }
    FCacheLine = n;
    FCacheLineInPara = n - first + 1;
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
    return DisplayWidth(text, static_cast<std::int32_t>(text.size()), FTabSize);
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
    return wendax::PosToColumn(line, p, FTabSize);
}

std::int32_t TParaList::ColumnToPos(std::string_view line, std::int32_t column) const {
    return wendax::ColumnToPos(line, column, FTabSize);
}

}  // namespace wendax
