#include "platform/qt/qt_screen_font.h"

#include <algorithm>

#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include "platform/qt/char_table.h"

namespace wendax {

namespace {

// Names shown in the pictures of the control bytes 0x00-0x1F.
constexpr std::array<const char*, 32> kControlNames = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",
};

QString PictureName(std::uint8_t byte) {
    if (byte < 0x20) return QString::fromLatin1(kControlNames[byte]);
    if (byte == 0x7F) return QStringLiteral("DEL");
    return QString::number(byte, 16).toUpper();
}

// A byte that has no glyph of its own in any font: it is always drawn as a picture.
bool HasNoGlyph(std::uint8_t byte) {
    return byte >= 0x80 && ByteToChar(byte) < 0xA0;
}

QString InstalledFixedFamily(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (family.compare(wanted, Qt::CaseInsensitive) == 0 && QFontDatabase::isFixedPitch(family))
            return family;
    }
    return {};
}

QFont ResolveFont(const TFontRequest& request) {
    const QString family = InstalledFixedFamily(request.Name);
    QFont font =
        family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont(family);
    if (request.Size > 0) font.setPointSize(request.Size);
    font.setBold(request.Bold);
    font.setItalic(request.Italic);
    font.setKerning(false);
    return font;
}

TTextMetrics MeasureFont(const QFont& font) {
    const QFontMetrics metrics(font);
    TTextMetrics result;
    result.Ascent = metrics.ascent();
    result.Height = metrics.ascent() + metrics.descent();
    result.ExternalLeading = std::max(0, metrics.leading());
    result.AveCharWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    return result;
}

}  // namespace

TQtScreenFont::TQtScreenFont(const TFontRequest& request)
    : FRequest(request),
      FFont(ResolveFont(request)),
      FMetrics(MeasureFont(FFont)),
      FTiles(QSize(FMetrics.AveCharWidth, FMetrics.Height)) {
    FFaces.push_back(QRawFont::fromFont(FFont));
    for (int byte = 0; byte < 256; ++byte)
        ResolveGlyph(static_cast<std::uint8_t>(byte));
}

// The font's own glyph first, then the glyph Qt's font fallback picks, then a picture for
// control bytes; anything else left shows the font's missing-glyph box.
void TQtScreenFont::ResolveGlyph(std::uint8_t byte) {
    const char16_t ch = ByteToChar(byte);
    TGlyphSource& source = FGlyphs[byte];
    if (!HasNoGlyph(byte) && FFaces[0].supportsCharacter(QChar(ch))) {
        const QList<quint32> glyphs = FFaces[0].glyphIndexesForString(QString(QChar(ch)));
        source = {0, glyphs.value(0)};
        return;
    }
    if (!HasNoGlyph(byte) && FindFallbackGlyph(ch, source)) return;
    if (IsPictureByte(byte)) {
        source = {kPictureFace, 0};
        FPictures[byte] = MakePicture(byte);
        return;
    }
    source = {0, 0};
}

bool TQtScreenFont::FindFallbackGlyph(char16_t ch, TGlyphSource& source) {
    QTextLayout layout(QString(QChar(ch)), FFont);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        if (glyphs.isEmpty() || glyphs[0] == 0 || run.rawFont() == FFaces[0]) continue;
        source = {FaceIndex(run.rawFont()), glyphs[0]};
        return true;
    }
    return false;
}

std::uint16_t TQtScreenFont::FaceIndex(const QRawFont& face) {
    const auto it = std::find(FFaces.begin(), FFaces.end(), face);
    if (it != FFaces.end()) return static_cast<std::uint16_t>(it - FFaces.begin());
    FFaces.push_back(face);
    return static_cast<std::uint16_t>(FFaces.size() - 1);
}

// The byte's short name in small letters running diagonally down the cell.
QPainterPath TQtScreenFont::MakePicture(std::uint8_t byte) const {
    const QString name = PictureName(byte);
    QFont small(FFont);
    small.setBold(false);
    small.setItalic(false);
    small.setPixelSize(std::max(4, FMetrics.Height * 9 / 20));
    const QFontMetrics metrics(small);
    const int spanX =
        std::max(0, FMetrics.AveCharWidth - metrics.horizontalAdvance(QLatin1Char('M')));
    const int spanY = std::max(0, FMetrics.Height - metrics.height());
    const int steps = std::max(1, static_cast<int>(name.size() - 1));
    QPainterPath path;
    for (int i = 0; i < name.size(); ++i) {
        const QPointF origin(spanX * i / steps, spanY * i / steps + metrics.ascent());
        path.addText(origin, small, name.mid(i, 1));
    }
    return path;
}

void TQtScreenFont::DrawOpaque(QPainter& painter, QPoint topLeft, const QRect& opaque,
                               std::string_view bytes, const QColor& fore,
                               const QColor& back) const {
    if (!FFont.italic() && painter.deviceTransform().type() <= QTransform::TxTranslate)
        return FTiles.DrawOpaque(*this, painter, topLeft, opaque, bytes, fore, back);
    painter.fillRect(opaque, back);
    painter.setClipRect(opaque);
    DrawBytes(painter, topLeft, bytes, fore);
    painter.setClipping(false);
}

void TQtScreenFont::DrawBytes(QPainter& painter, QPoint topLeft, std::string_view bytes,
                              const QColor& color) const {
    painter.setPen(color);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::uint16_t face = FGlyphs[static_cast<std::uint8_t>(bytes[start])].Face;
        std::size_t end = start + 1;
        while (end < bytes.size() && FGlyphs[static_cast<std::uint8_t>(bytes[end])].Face == face)
            ++end;
        const QPoint cell(topLeft.x() + static_cast<int>(start) * FMetrics.AveCharWidth,
                          topLeft.y());
        const std::string_view part = bytes.substr(start, end - start);
        if (face == kPictureFace)
            DrawPictures(painter, cell, part, color);
        else
            DrawGlyphs(painter, cell, part, face);
        start = end;
    }
}

void TQtScreenFont::DrawGlyphs(QPainter& painter, QPoint topLeft, std::string_view bytes,
                               std::uint16_t face) const {
    QList<quint32> glyphs(static_cast<qsizetype>(bytes.size()));
    QList<QPointF> positions(static_cast<qsizetype>(bytes.size()));
    const qreal baseline = topLeft.y() + FMetrics.Ascent;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        glyphs[i] = FGlyphs[static_cast<std::uint8_t>(bytes[i])].Glyph;
        positions[i] = QPointF(topLeft.x() + i * FMetrics.AveCharWidth, baseline);
    }
    QGlyphRun run;
    run.setRawFont(FFaces[face]);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0, 0), run);
}

void TQtScreenFont::DrawPictures(QPainter& painter, QPoint topLeft, std::string_view bytes,
                                 const QColor& color) const {
    const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const QPointF cell(topLeft.x() + static_cast<int>(i) * FMetrics.AveCharWidth, topLeft.y());
        painter.fillPath(FPictures[static_cast<std::uint8_t>(bytes[i])].translated(cell), color);
    }
    painter.setRenderHint(QPainter::Antialiasing, smooth);
}

}  // namespace wendax
