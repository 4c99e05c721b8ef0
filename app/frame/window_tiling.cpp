#include "app/frame/window_tiling.h"

#include <algorithm>

namespace wendax {
namespace {

// The start of part `index` of `count` equal parts of `length`.
int PartStart(int length, int index, int count) {
    return static_cast<int>(static_cast<long long>(length) * index / count);
}

}  // namespace

std::vector<TRect> TileRects(const TRect& area, int count, TTileDirection direction) {
    std::vector<TRect> rects;
    const bool sideBySide = direction == tdVertical;
    const int length = sideBySide ? area.Width() : area.Height();
    for (int i = 0; i < count; ++i) {
        const int from = PartStart(length, i, count);
        const int to = PartStart(length, i + 1, count);
        if (sideBySide)
            rects.push_back({area.Left + from, area.Top, area.Left + to, area.Bottom});
        else
            rects.push_back({area.Left, area.Top + from, area.Right, area.Top + to});
    }
    return rects;
}

std::vector<TRect> IconRects(const TRect& area, const TSize& icon, int count) {
    std::vector<TRect> rects;
    const int perRow = std::max(1, area.Width() / std::max(1, icon.Width));
    for (int i = 0; i < count; ++i) {
        const int left = area.Left + (i % perRow) * icon.Width;
        const int bottom = area.Bottom - (i / perRow) * icon.Height;
        rects.push_back({left, bottom - icon.Height, left + icon.Width, bottom});
    }
    return rects;
}

}  // namespace wendax
