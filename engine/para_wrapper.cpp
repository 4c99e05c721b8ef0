#include "engine/para_wrapper.h"

#include <algorithm>
#include <cstring>

namespace wendax {

namespace {

// 0-based index of the line holding offset `at`: the last line whose start is <= at.
std::int32_t LineIndexOf(const std::uint16_t* starts, std::int32_t lines, std::int32_t at) {
    const std::uint16_t* found = std::upper_bound(starts, starts + lines, at);
    return static_cast<std::int32_t>(found - starts) - 1;
}

}  // namespace

std::vector<std::uint16_t> TParaWrapper::LineStartsOf(std::string_view text, TWrapParams params) {
    std::vector<std::uint16_t> starts{0};
    for (std::int32_t s = NextLineStart(text, 0, params); s != 0;
         s = NextLineStart(text, s, params)) {
        starts.push_back(static_cast<std::uint16_t>(s));
    }
    return starts;
}

void TParaWrapper::Wrap(TParaNode& node) {
    if (FParams.Width <= 0) {  // no wrapping: one line, and the table is never needed
        node.SetLines(1);
        return;
    }
    const std::string_view text = FStorage.Text(node);
    FStorage.ReserveLineStartsEstimate(node, EstimatedLineStarts(node.Length, FParams.Width));
    FScratch.clear();
    for (std::int32_t s = NextLineStart(text, 0, FParams); s != 0;
         s = NextLineStart(text, s, FParams)) {
        FScratch.push_back(static_cast<std::uint16_t>(s));
    }
    StoreStarts(node, 0, 0, 0, 0);
}

// Re-wrap after an edit at offset `at` (old line k holds it, 0-based here):
//
//   old:  | k-1 ........ | k ...[edit]... | k+1 ....... | k+2 ...
//   new:  | k-1 ...... | k ...[edit+delta]...... | k+1' ... | k+2 + delta ...
//                                                             ^ first new start equal to
//                                                               an old start + delta at or
//                                                               after the edit: stop, shift
//                                                               the rest by delta
//
// Line k-1 must be redone because its break scan may reach into line k; no earlier line can
// see the edit (its scan ends before the first break of the next line). A start at or after
// the changed characters has the same text after it as the matching old start, so every
// following start is the old one shifted.
TRewrapRange TParaWrapper::Rewrap(TParaNode& node, std::int32_t at, std::int32_t removed,
                                  std::int32_t inserted) {
    const std::int32_t oldLines = node.Lines();
    const std::uint16_t* old = FStorage.LineStarts(node);
    const std::int32_t edited = LineIndexOf(old, oldLines, at);
    const std::int32_t from = std::max(edited - 1, 0);
    const std::int32_t delta = inserted - removed;
    const std::int32_t unchangedFrom = at + inserted;
    const std::string_view text = FStorage.Text(node);

    FScratch.clear();
    std::int32_t oldIndex = from + 1;
    bool matched = false;
    for (std::int32_t s = NextLineStart(text, old[from], FParams); s != 0;
         s = NextLineStart(text, s, FParams)) {
        if (s >= unchangedFrom) {
            const std::int32_t shifted = s - delta;
            while (oldIndex < oldLines && old[oldIndex] < shifted)
                ++oldIndex;
            if (oldIndex < oldLines && old[oldIndex] == shifted) {
                matched = true;
                break;
            }
        }
        FScratch.push_back(static_cast<std::uint16_t>(s));
    }
    const auto recomputed = static_cast<std::int32_t>(FScratch.size());
    const std::int32_t keptTail = matched ? oldLines - oldIndex : 0;
    StoreStarts(node, from, keptTail, oldIndex, delta);
    return {from + 1, std::max(edited + 1, from + 1 + recomputed)};
}

// Writes the lines after `fromLine` (0-based): first the starts in FScratch, then `keptTail`
// old starts taken from old index `tailFrom`, shifted by `delta`.
void TParaWrapper::StoreStarts(TParaNode& node, std::int32_t fromLine, std::int32_t keptTail,
                               std::int32_t tailFrom, std::int32_t delta) {
    const auto recomputed = static_cast<std::int32_t>(FScratch.size());
    const std::int32_t lines = fromLine + 1 + recomputed + keptTail;
    if (lines > 1) FStorage.ReserveLineStarts(node, lines);
    if (lines > 1 || node.LineStarts != 0) {
        std::uint16_t* starts = FStorage.MutableLineStarts(node);
        std::uint16_t* tail = starts + fromLine + 1 + recomputed;
        std::memmove(tail, starts + tailFrom, static_cast<std::size_t>(keptTail) * 2);
        for (std::int32_t i = 0; i < keptTail; ++i)
            tail[i] = static_cast<std::uint16_t>(tail[i] + delta);
        std::copy(FScratch.begin(), FScratch.end(), starts + fromLine + 1);
    }
    node.SetLines(lines);
}

}  // namespace wendax
