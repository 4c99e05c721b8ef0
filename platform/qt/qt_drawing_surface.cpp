#include "platform/qt/qt_drawing_surface.h"

#include <QImage>
#include <QPainter>
#include <QPalette>

#include "platform/qt/qt_font_cache.h"
#include "platform/qt/system_colors.h"

namespace wendax {

namespace {

QRect ToQRect(const TRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

}  // namespace

TQtDrawingSurface::TQtDrawingSurface(QPainter& painter, TQtFontCache& fonts,
                                     const QPalette& palette)
    : FPainter(painter), FFonts(fonts), FPalette(palette) {}

void TQtDrawingSurface::SelectFont(const TFontRequest& font) {
    FFont = &FFonts.Find(font);
}

void TQtDrawingSurface::FillRect(const TRect& rect, TColor color) {
    if (!rect.IsEmpty()) FPainter.fillRect(ToQRect(rect), ResolveColor(color, FPalette));
}

void TQtDrawingSurface::TextOut(int x, int y, const TRect& opaque, std::string_view text,
                                TColor fore, TColor back) {
    if (opaque.IsEmpty()) return;
    if (!FFont) SelectFont(TFontRequest{});
    FFont->DrawOpaque(FPainter, QPoint(x, y), ToQRect(opaque), text, ResolveColor(fore, FPalette),
                      ResolveColor(back, FPalette));
}

void TQtDrawingSurface::DrawBitmap(const TBitmap& bitmap, const TRect& source, TPoint dest) {
    if (bitmap.IsEmpty() || source.IsEmpty()) return;
    if (bitmap.Pixels.size() < static_cast<std::size_t>(bitmap.Width) * bitmap.Height) return;
    // A view of the pixels as they are: 0xAARRGGBB with alpha 0 or 255.
    const QImage image(reinterpret_cast<const uchar*>(bitmap.Pixels.data()), bitmap.Width,
                       bitmap.Height, bitmap.Width * 4, QImage::Format_ARGB32);
    FPainter.drawImage(QPoint(dest.X, dest.Y), image, ToQRect(source));
}

}  // namespace wendax
