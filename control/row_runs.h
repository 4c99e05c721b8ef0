// How one painted row splits into at most three runs of text: before the highlight,
// highlighted, after it.
#pragma once

#include <array>
#include <cstdint>

namespace wendax {

struct TRowRun {
    std::int32_t Start = 0;  // index into the row's visible characters
    std::int32_t Length = 0;
    bool Highlighted = false;
};

struct TRowRuns {
    std::array<TRowRun, 3> Runs{};
    int Count = 0;
};

// The runs of `length` visible characters of which [hlStart, hlEnd) are highlighted (both
// are clamped into 0..length). Empty runs are left out, except that a row whose last
// character is highlighted ends in an empty plain run: the area right of the text keeps
// the normal background. An empty row has no runs.
TRowRuns SplitRow(std::int32_t length, std::int32_t hlStart, std::int32_t hlEnd);

}  // namespace wendax
