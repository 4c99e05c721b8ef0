// The drawing side of the platform: what a control may do while it paints.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/geometry.h"

namespace wendax {

// One character of a row of UTF-8 text and the cells it takes (1 or 2). An empty Utf8 is a
// byte that is not valid UTF-8, drawn as a replacement mark.
struct TCellChar {
    std::string_view Utf8;
    std::int32_t Cells = 1;
};

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
    // Draws characters cell after cell from (x, y), each centred in its cells (from a
    // fallback font where the selected one lacks it), first filling `opaque` with `back`;
    // nothing is drawn outside `opaque`.
    virtual void CharsOut(int x, int y, const TRect& opaque, std::span<const TCellChar> chars,
                          TColor fore, TColor back) = 0;
    // Copies the part `source` of `bitmap` with its top-left corner at `dest`.
    virtual void DrawBitmap(const TBitmap& bitmap, const TRect& source, TPoint dest) = 0;
};

}  // namespace wendax
