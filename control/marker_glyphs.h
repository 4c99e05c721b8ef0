// The bookmark glyphs the editor draws in its left margin: the program's "MARKERS"
// picture, ten glyphs of 12 x 12 pixels side by side, the glyph of bookmark n at x = 12n.
#pragma once

#include "platform/geometry.h"

namespace wendax {

inline constexpr int kMarkerGlyphCount = 10;

// The picture, read once; shared by every editor.
const TBitmap& MarkerGlyphs();

}  // namespace wendax
