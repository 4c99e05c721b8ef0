#include "control/row_runs.h"

#include <algorithm>

namespace wendax {

TRowRuns SplitRow(std::int32_t length, std::int32_t hlStart, std::int32_t hlEnd) {
    TRowRuns runs;
    const auto add = [&runs](std::int32_t from, std::int32_t to, bool highlighted) {
        runs.Runs[static_cast<std::size_t>(runs.Count++)] = {from, to - from, highlighted};
    };
    if (length <= 0) return runs;
    const std::int32_t start = std::clamp(hlStart, 0, length);
    const std::int32_t end = std::clamp(hlEnd, start, length);
    if (end == start) {
        add(0, length, false);
        return runs;
    }
    if (start > 0) add(0, start, false);
    add(start, end, true);
    add(end, length, false);  // empty when the highlight reaches the row's last character
    return runs;
}

}  // namespace wendax
