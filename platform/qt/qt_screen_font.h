// One font of the editor on the screen: a fixed-pitch Qt font, its metrics, and for each of
// the 256 bytes where its glyph comes from. Every byte takes exactly one cell, whatever the
// font's own advances, so columns computed from the cell width always line up.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include <QFont>
#include <QPainterPath>
#include <QPoint>
#include <QRawFont>
#include <QRect>

#include "platform/geometry.h"
#include "platform/qt/qt_glyph_tiles.h"

class QColor;
class QPainter;

namespace wendax {

class TQtScreenFont {
  public:
    // Maps a name that is not an installed fixed-pitch family to the system's fixed font.
    explicit TQtScreenFont(const TFontRequest& request);

    const TFontRequest& Request() const { return FRequest; }
    const QFont& Font() const { return FFont; }
    const TTextMetrics& Metrics() const { return FMetrics; }

    // Fills `opaque` with `back` and draws `bytes` over it, cut to `opaque`, with the top
    // left of the first cell at `topLeft`. Upright fonts on an unscaled painter copy
    // pre-drawn cells; others draw their glyphs, which may then reach over a cell's edge.
    void DrawOpaque(QPainter& painter, QPoint topLeft, const QRect& opaque, std::string_view bytes,
                    const QColor& fore, const QColor& back) const;

    // Draws the glyphs of `bytes` cell by cell with the first cell's top left at `topLeft`.
    void DrawBytes(QPainter& painter, QPoint topLeft, std::string_view bytes,
                   const QColor& color) const;

  private:
    // Where a byte's glyph comes from: one of FFaces, or a picture drawn by the program for
    // control bytes the fonts cannot show.
    struct TGlyphSource {
        std::uint16_t Face = 0;
        std::uint32_t Glyph = 0;
    };
    static constexpr std::uint16_t kPictureFace = 0xFFFF;

    void ResolveGlyph(std::uint8_t byte);
    bool FindFallbackGlyph(char16_t ch, TGlyphSource& source);
    std::uint16_t FaceIndex(const QRawFont& face);
    QPainterPath MakePicture(std::uint8_t byte) const;
    void DrawGlyphs(QPainter& painter, QPoint topLeft, std::string_view bytes,
                    std::uint16_t face) const;
    void DrawPictures(QPainter& painter, QPoint topLeft, std::string_view bytes,
                      const QColor& color) const;

    TFontRequest FRequest;
    QFont FFont;
    TTextMetrics FMetrics;
    std::vector<QRawFont> FFaces;  // [0] is the font itself, the rest fallbacks
    std::array<TGlyphSource, 256> FGlyphs;
    std::array<QPainterPath, 256> FPictures;  // set for bytes of kPictureFace
    mutable TQtGlyphTiles FTiles;
};

}  // namespace wendax
