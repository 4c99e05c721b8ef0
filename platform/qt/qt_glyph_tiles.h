// Pre-drawn cells of one screen font: for each colour pair in use, all 256 bytes drawn
// opaque in cells of their own, so that a run of text is a copy of cells, far cheaper than
// drawing its glyphs anew. A glyph is cut at the edges of its cell.
#pragma once

#include <string_view>
#include <vector>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

namespace wendax {

class TQtScreenFont;

class TQtGlyphTiles {
  public:
    explicit TQtGlyphTiles(QSize cell) : FCell(cell) {}

    // Fills `opaque` with `back` and draws `bytes` over it, cut to `opaque`, with the first
    // cell's top left at `topLeft`. The cells are drawn by `font` the first time a colour
    // pair is used.
    void DrawOpaque(const TQtScreenFont& font, QPainter& painter, QPoint topLeft,
                    const QRect& opaque, std::string_view bytes, const QColor& fore,
                    const QColor& back);

  private:
    struct TAtlas {
        QRgb Fore;
        QRgb Back;
        QImage Cells;  // byte b in the cell at x = b * cell width
    };
    static constexpr std::size_t kMaxAtlases = 16;

    const QImage& Atlas(const TQtScreenFont& font, const QColor& fore, const QColor& back);
    QImage Render(const TQtScreenFont& font, const QColor& fore, const QColor& back) const;
    bool Compose(const QImage& atlas, std::string_view bytes);

    QSize FCell;
    std::vector<TAtlas> FAtlases;  // the most recently used last
    QImage FStrip;                 // the cells of the run being drawn
};

}  // namespace wendax
