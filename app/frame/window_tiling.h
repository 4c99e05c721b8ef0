// Where the Window menu puts the editor windows: tiled side by side or one above the
// other, and minimised windows in rows along the bottom of the window area.
#pragma once

#include <vector>

#include "platform/geometry.h"

namespace wendax {

enum TTileDirection {
    tdVertical,   // side by side, each as high as the area
    tdHorizontal  // one above the other, each as wide as the area
};

// `count` rectangles that cover `area` without overlap, in order from the left or the
// top; sizes differ by at most one pixel.
std::vector<TRect> TileRects(const TRect& area, int count, TTileDirection direction);

// Places for `count` minimised windows of size `icon`: left to right along the bottom of
// `area`, further rows above it when a row is full (at least one per row).
std::vector<TRect> IconRects(const TRect& area, const TSize& icon, int count);

}  // namespace wendax
