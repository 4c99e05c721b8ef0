#include "platform/qt/qt_drawing_surface.h"

#include <QFontMetricsF>
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

namespace {
bool IsAsciiChar(const TCellChar& c) {
    return c.Utf8.size() == 1 && static_cast<unsigned char>(c.Utf8[0]) < 0x80;
}
}  // namespace

void TQtDrawingSurface::CharsOut(int x, int y, const TRect& opaque,
                                 std::span<const TCellChar> chars, TColor fore, TColor back) {
    if (opaque.IsEmpty()) return;
    if (!FFont) SelectFont(TFontRequest{});
    const QRect clip = ToQRect(opaque);
    const QColor color = ResolveColor(fore, FPalette);
    FPainter.fillRect(clip, ResolveColor(back, FPalette));
    FPainter.save();
    FPainter.setClipRect(clip);
    FPainter.setFont(FFont->Font());
    const QFontMetricsF metrics(FFont->Font());
    const int cell = FFont->Metrics().AveCharWidth;
    const qreal baseline = y + FFont->Metrics().Ascent;
    int left = x;
    for (std::size_t i = 0; i < chars.size();) {
        if (IsAsciiChar(chars[i])) {
            std::string ascii;
            for (; i < chars.size() && IsAsciiChar(chars[i]); ++i)
                ascii += chars[i].Utf8[0];
            FFont->DrawBytes(FPainter, QPoint(left, y), ascii, color);
            left += static_cast<int>(ascii.size()) * cell;
            continue;
        }
        const TCellChar& c = chars[i++];
        const QString text =
            c.Utf8.empty()
                ? QString(QChar(0xFFFD))
                : QString::fromUtf8(c.Utf8.data(), static_cast<qsizetype>(c.Utf8.size()));
        const qreal width = metrics.horizontalAdvance(text);
        FPainter.setPen(color);
        FPainter.drawText(QPointF(left + (c.Cells * cell - width) / 2, baseline), text);
        left += c.Cells * cell;
    }
    FPainter.restore();
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
