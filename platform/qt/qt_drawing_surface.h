// The drawing surface of one paint of an editor window, over a QPainter.
#pragma once

#include "platform/drawing_surface.h"

class QPainter;
class QPalette;

namespace wendax {

class TQtFontCache;
class TQtScreenFont;

class TQtDrawingSurface : public TDrawingSurface {
  public:
    // System colours resolve through `palette`; all three must outlive the surface.
    TQtDrawingSurface(QPainter& painter, TQtFontCache& fonts, const QPalette& palette);

    void SelectFont(const TFontRequest& font) override;
    // The font last selected, if any.
    const TQtScreenFont* Font() const { return FFont; }
    void FillRect(const TRect& rect, TColor color) override;
    // Each byte takes one cell of the font's average width, the glyphs clipped to `opaque`.
    // Without a selected font the system's fixed font is used.
    void TextOut(int x, int y, const TRect& opaque, std::string_view text, TColor fore,
                 TColor back) override;
    // ASCII goes through the screen font's cells like TextOut; every other character is
    // shaped by Qt (which takes a fallback font for glyphs the font lacks) and centred in
    // its cells.
    void CharsOut(int x, int y, const TRect& opaque, std::span<const TCellChar> chars, TColor fore,
                  TColor back) override;
    // Pixels without the opaque bit leave what is below them.
    void DrawBitmap(const TBitmap& bitmap, const TRect& source, TPoint dest) override;

  private:
    QPainter& FPainter;
    TQtFontCache& FFonts;
    const QPalette& FPalette;
    const TQtScreenFont* FFont = nullptr;
};

}  // namespace wendax
