// The about box's picture, drawn by the program: a sheet of text with a pen across it.
#include <QPainter>
#include <QPainterPath>

#include "app/dialogs/about_box.h"

namespace wendax {

QImage AboutPicture() {
    QImage picture(91, 125, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // The sheet with a folded corner and a shadow.
    QPainterPath sheet;
    sheet.moveTo(10, 8);
    sheet.lineTo(64, 8);
    sheet.lineTo(80, 24);
    sheet.lineTo(80, 116);
    sheet.lineTo(10, 116);
    sheet.closeSubpath();
    p.fillPath(sheet.translated(3, 3), QColor(0, 0, 0, 60));
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.setBrush(QColor(250, 250, 240));
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF{{64, 8}, {64, 24}, {80, 24}});
    // Lines of text, the last one short.
    p.setPen(QPen(QColor(60, 90, 170), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const qreal y = 34 + i * 9;
        p.drawLine(QPointF(18, y), QPointF(i == 8 ? 44 : (i % 3 == 2 ? 60 : 72), y));
    }
    // The pen, lying across the sheet towards the end of the last line.
    p.translate(50, 104);
    p.rotate(-50);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(180, 30, 30));
    p.drawRoundedRect(QRectF(8, -4, 62, 8), 3, 3);
    p.setBrush(QColor(200, 170, 60));
    p.drawPolygon(QPolygonF{{8, -4}, {8, 4}, {-2, 0}});
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(-1, 0), 1.2, 1.2);
    return picture;
}

}  // namespace wendax
