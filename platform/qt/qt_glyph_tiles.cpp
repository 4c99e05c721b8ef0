#include "platform/qt/qt_glyph_tiles.h"

#include <algorithm>
#include <cstring>

#include <QPainter>

#include "platform/qt/qt_screen_font.h"

namespace wendax {

namespace {

// Fills what lies in `outer` but outside `inner`, which is empty or inside `outer`.
void FillAround(QPainter& painter, const QRect& outer, const QRect& inner, const QColor& color) {
    if (inner.isEmpty()) return painter.fillRect(outer, color);
    painter.fillRect(QRect(outer.topLeft(), QPoint(outer.right(), inner.top() - 1)), color);
    painter.fillRect(QRect(QPoint(outer.left(), inner.bottom() + 1), outer.bottomRight()), color);
    painter.fillRect(QRect(QPoint(outer.left(), inner.top()), inner.bottomLeft() - QPoint(1, 0)),
                     color);
    painter.fillRect(QRect(inner.topRight() + QPoint(1, 0), QPoint(outer.right(), inner.bottom())),
                     color);
}

}  // namespace

void TQtGlyphTiles::DrawOpaque(const TQtScreenFont& font, QPainter& painter, QPoint topLeft,
                               const QRect& opaque, std::string_view bytes, const QColor& fore,
                               const QColor& back) {
    const int width = FCell.width();
    const auto count = static_cast<int>(bytes.size());
    const int first = std::clamp((opaque.left() - topLeft.x()) / width, 0, count);
    const int last = std::clamp((opaque.right() - topLeft.x()) / width + 1, first, count);
    const QRect cells(topLeft.x() + first * width, topLeft.y(), (last - first) * width,
                      FCell.height());
    const QRect visible = cells & opaque;
    FillAround(painter, opaque, visible, back);
    if (visible.isEmpty()) return;
    if (!Compose(Atlas(font, fore, back), bytes.substr(first, last - first)))
        return painter.fillRect(visible, back);  // out of memory: no text rather than garbage
    painter.drawImage(visible.topLeft(), FStrip, visible.translated(-cells.topLeft()));
}

const QImage& TQtGlyphTiles::Atlas(const TQtScreenFont& font, const QColor& fore,
                                   const QColor& back) {
    const auto it = std::find_if(FAtlases.begin(), FAtlases.end(), [&](const TAtlas& atlas) {
        return atlas.Fore == fore.rgb() && atlas.Back == back.rgb();
    });
    if (it != FAtlases.end()) {
        std::rotate(it, it + 1, FAtlases.end());
        return FAtlases.back().Cells;
    }
    if (FAtlases.size() == kMaxAtlases) FAtlases.erase(FAtlases.begin());
    QImage cells = Render(font, fore, back);
    FAtlases.push_back({fore.rgb(), back.rgb(), std::move(cells)});
    return FAtlases.back().Cells;
}

// All 256 cells for one colour pair; null when there is no memory for them.
QImage TQtGlyphTiles::Render(const TQtScreenFont& font, const QColor& fore,
                             const QColor& back) const {
    QImage cells(256 * FCell.width(), FCell.height(), QImage::Format_RGB32);
    if (cells.isNull()) return cells;
    cells.fill(back);
    QPainter painter(&cells);
    for (int byte = 0; byte < 256; ++byte) {
        const char ch = static_cast<char>(byte);
        const QPoint corner(byte * FCell.width(), 0);
        painter.setClipRect(QRect(corner, FCell));
        font.DrawBytes(painter, corner, std::string_view(&ch, 1), fore);
    }
    return cells;
}

// Copies the cells of `bytes` side by side into the strip, row by row; false when there
// was no memory for the pictures.
bool TQtGlyphTiles::Compose(const QImage& atlas, std::string_view bytes) {
    const int width = FCell.width();
    const auto needed = static_cast<int>(bytes.size()) * width;
    if (FStrip.width() < needed || FStrip.height() != FCell.height())
        FStrip = QImage(std::max(needed, 128 * width), FCell.height(), QImage::Format_RGB32);
    if (FStrip.isNull() || atlas.isNull()) return false;
    const std::size_t cellBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < FCell.height(); ++y) {
        const uchar* source = atlas.constScanLine(y);
        uchar* target = FStrip.scanLine(y);
        for (const char byte : bytes) {
            std::memcpy(target, source + static_cast<std::uint8_t>(byte) * cellBytes, cellBytes);
            target += cellBytes;
        }
    }
    return true;
}

}  // namespace wendax
