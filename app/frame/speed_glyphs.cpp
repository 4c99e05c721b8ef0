#include "app/frame/speed_glyphs.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace wendax {
namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kBlue(36, 92, 188);
const QColor kYellow(236, 190, 72);
const QColor kRed(196, 44, 44);
const QColor kGreen(40, 150, 60);
const QColor kMetal(168, 168, 176);
const QColor kBrown(150, 100, 50);

QPen Ink(qreal width = 1) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper with its top-right corner folded.
void Page(QPainter& p, const QRectF& r) {
    const qreal fold = 3.5;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF{{r.right() - fold, r.top()},
                             {r.right() - fold, r.top() + fold},
                             {r.right(), r.top() + fold}});
}

// Text lines on a sheet.
void Lines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal step = 2) {
    p.setPen(QPen(kBlue, 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

// A small window with a title bar.
void Window(QPainter& p, const QRectF& r) {
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 0.5, 2.5), kBlue);
}

// A filled arrow head at `tip` pointing along (dx, dy).
void ArrowHead(QPainter& p, QPointF tip, qreal dx, qreal dy, const QColor& color) {
    const QPointF back(tip.x() - 3.5 * dx, tip.y() - 3.5 * dy);
    const QPointF side(-dy * 3, dx * 3);
    p.setPen(QPen(color, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    p.drawPolygon(QPolygonF{tip, back + side, back - side});
}

void Exit(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kBrown);
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(8, 8.5), 0.8, 0.8);
    p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(9, 8), QPointF(12, 8));
    ArrowHead(p, QPointF(15, 8), 1, 0, kRed);
}

void New(QPainter& p) {
    Page(p, QRectF(3.5, 1.5, 10, 13));
    p.setPen(QPen(kYellow.darker(120), 1));
    p.drawLine(QPointF(2, 2), QPointF(5, 5));
    p.drawLine(QPointF(5, 2), QPointF(2, 5));
    p.drawLine(QPointF(3.5, 1), QPointF(3.5, 6));
}

void Open(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kYellow.darker(115));
    p.drawPolygon(
        QPolygonF{{1.5, 3.5}, {5.5, 3.5}, {6.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}});
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF{{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13.5, 13.5}});
}

void Save(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF{{1.5, 1.5}, {13, 1.5}, {14.5, 3}, {14.5, 14.5}, {1.5, 14.5}});
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kMetal);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.fillRect(QRectF(9, 2.5, 1.5, 3), kInk);
}

void Print(QPainter& p) {
    Page(p, QRectF(4.5, 0.5, 7, 6));
    p.setPen(Ink());
    p.setBrush(kMetal);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    Lines(p, 5.5, 10.5, 11.5, 2);
    p.fillRect(QRectF(11.5, 7, 1.5, 1.5), kGreen);
}

// A curved arrow; `mirror` turns the undo arrow into the redo arrow.
void TurnArrow(QPainter& p, bool mirror) {
    if (mirror) p.setTransform(QTransform(-1, 0, 0, 1, kGlyphSize, 0), true);
    QPainterPath bend;
    bend.moveTo(4, 6);
    bend.cubicTo(10, 2, 16, 8, 12, 13.5);
    p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bend);
    ArrowHead(p, QPointF(1, 7), -1, 0.3, kBlue);
}

void Cut(QPainter& p) {
    p.setPen(QPen(kMetal.darker(140), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 1), QPointF(10, 10));
    p.drawLine(QPointF(11, 1), QPointF(6, 10));
    p.setPen(QPen(kRed, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

void Copy(QPainter& p) {
    Page(p, QRectF(1.5, 1.5, 8, 10));
    Page(p, QRectF(6.5, 4.5, 8, 10));
    Lines(p, 8, 13, 9, 3);
}

void Paste(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kBrown);
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(kMetal);
    p.drawRect(QRectF(4.5, 1.5, 4, 2.5));
    Page(p, QRectF(6.5, 6.5, 8, 9));
    Lines(p, 8, 13, 10, 2);
}

void Magnifier(QPainter& p, QPointF centre) {
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(3, 3), centre + QPointF(6.5, 6.5));
    p.setPen(Ink(1.5));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(centre, 4, 4);
}

void Search(QPainter& p) {
    Magnifier(p, QPointF(6.5, 6.5));
}

void SearchAgain(QPainter& p) {
    Magnifier(p, QPointF(5.5, 5.5));
    p.setPen(QPen(kGreen, 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(9, 14), QPointF(12, 14));
    ArrowHead(p, QPointF(15.5, 14), 1, 0, kGreen);
}

void Cascade(QPainter& p) {
    Window(p, QRectF(0.5, 0.5, 9, 8));
    Window(p, QRectF(3.5, 3.5, 9, 8));
    Window(p, QRectF(6.5, 6.5, 9, 8));
}

void TileVert(QPainter& p) {
    Window(p, QRectF(0.5, 1.5, 7, 13));
    Window(p, QRectF(8.5, 1.5, 7, 13));
}

void TileHorz(QPainter& p) {
    Window(p, QRectF(0.5, 0.5, 15, 7));
    Window(p, QRectF(0.5, 8.5, 15, 7));
}

void NextWindow(QPainter& p) {
    Window(p, QRectF(0.5, 1.5, 10, 9));
    p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(6, 13), QPointF(11.5, 13));
    ArrowHead(p, QPointF(15.5, 13), 1, 0, kGreen);
}

void Split(QPainter& p) {
    Window(p, QRectF(0.5, 0.5, 15, 15));
    p.fillRect(QRectF(1, 8, 14.5, 1.5), kMetal.darker(130));
    Lines(p, 2.5, 12.5, 5, 2, 1.5);
    Lines(p, 2.5, 12.5, 11.5, 2, 2);
}

void WordWrap(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(1, 2.5), QPointF(15, 2.5));
    p.drawLine(QPointF(1, 12.5), QPointF(7, 12.5));
    QPainterPath bend;
    bend.moveTo(1, 7.5);
    bend.lineTo(12, 7.5);
    bend.cubicTo(16, 7.5, 16, 12.5, 12, 12.5);
    bend.lineTo(11, 12.5);
    p.setPen(QPen(kBlue, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bend);
    ArrowHead(p, QPointF(8.5, 12.5), -1, 0, kBlue);
}

using TDrawing = std::function<void(QPainter&)>;

TDrawing DrawingOf(TSpeedGlyph glyph) {
    static const TDrawing drawings[] = {
        Exit,
        New,
        Open,
        Save,
        Print,
        [](QPainter& p) { TurnArrow(p, false); },
        [](QPainter& p) { TurnArrow(p, true); },
        Cut,
        Copy,
        Paste,
        Search,
        SearchAgain,
        Cascade,
        TileVert,
        TileHorz,
        NextWindow,
        Split,
        WordWrap,
    };
    return drawings[glyph];
}

int Pixels(qreal scale) {
    return qRound(kGlyphSize * scale);
}

}  // namespace

QImage DrawSpeedGlyph(TSpeedGlyph glyph, qreal scale) {
    QImage picture(Pixels(scale), Pixels(scale), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    DrawingOf(glyph)(painter);
    return picture;
}

QImage DisabledVariant(const QImage& picture, qreal scale) {
    QImage ink(picture.size(), QImage::Format_ARGB32);
    ink.fill(Qt::transparent);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.alpha() > 96 && qGray(pixel.rgb()) < 200)
                ink.setPixelColor(x, y, QColor(0, 0, 0, pixel.alpha()));
        }
    QImage result(picture.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    const auto stamp = [&](const QColor& color, int offset) {
        QImage tinted = ink;
        QPainter tint(&tinted);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(tinted.rect(), color);
        tint.end();
        painter.drawImage(offset, offset, tinted);
    };
    stamp(Qt::white, qMax(1, qRound(scale)));
    stamp(QColor(128, 128, 128), 0);
    return result;
}

QIcon SpeedButtonIcon(TSpeedGlyph glyph) {
    const qreal scale = qGuiApp ? qGuiApp->devicePixelRatio() : 1;
    QImage normal = DrawSpeedGlyph(glyph, scale);
    QImage disabled = DisabledVariant(normal, scale);
    normal.setDevicePixelRatio(scale);
    disabled.setDevicePixelRatio(scale);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
    return icon;
}

}  // namespace wendax
