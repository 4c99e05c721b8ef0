#include "control/row_runs.h"

#include <algorithm>

namespace wendax {

TRowRuns SplitRow(std::int32_t length, std::int32_t hlStart, std::int32_t hlEnd) {
    TRowRuns runs;
    if (length <= 0) return runs;
    const std::int32_t start = std::clamp(hlStart, 0, length);
    const std::int32_t end = std::clamp(hlEnd, start, length);
    const auto add = [&runs](std::int32_t from, std::int32_t to, bool highlighted) {
        if (to > from)
            runs.Runs[static_cast<std::size_t>(runs.Count++)] = {from, to - from, highlighted};
    };
    add(0, start, false);
    add(start, end, true);
    add(end, length, false);
    if (runs.Runs[static_cast<std::size_t>(runs.Count - 1)].Highlighted)
        runs.Runs[static_cast<std::size_t>(runs.Count++)] = {length, 0, false};
    return runs;
}

}  // namespace wendax
