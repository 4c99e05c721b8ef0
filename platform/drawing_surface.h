// The drawing side of the platform: what a control may do while it paints.
#pragma once

#include <string_view>

#include "platform/geometry.h"

namespace wendax {

// Valid only during one paint call. All coordinates are client pixels; colours may be
// system colours, which the surface resolves.
class TDrawingSurface {
  public:
    virtual ~TDrawingSurface() = default;

    virtual void SelectFont(const TFontRequest& font) = 0;
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    // Draws 8-bit characters with their top-left at (x, y) in the selected font, first
    // filling `opaque` with `back`; nothing is drawn outside `opaque`.
    virtual void TextOut(int x, int y, const TRect& opaque, std::string_view text, TColor fore,
                         TColor back) = 0;
    // Copies the part `source` of `bitmap` with its top-left corner at `dest`.
    virtual void DrawBitmap(const TBitmap& bitmap, const TRect& source, TPoint dest) = 0;
};

}  // namespace wendax
