#include "program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage paintProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 256 x 256 grid, scaled to the size asked for.
    painter.scale(size / 256.0, size / 256.0);

    // The tile leaves a margin, as desktop icons do, and carries a faint edge
    // so it still stands out on a light panel.
    const QRectF tile(12, 12, 232, 232);
    QLinearGradient sage(0, tile.top(), 0, tile.bottom());
    sage.setColorAt(0.0, QColor(196, 222, 178));
    sage.setColorAt(1.0, QColor(120, 168, 110));
    painter.setPen(QPen(QColor(70, 110, 64), 4));
    painter.setBrush(sage);
    painter.drawRoundedRect(tile, 48, 48);
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(40, 60, 36, 60));
    painter.drawEllipse(QPointF(128, 214), 84, 10);

    const QColor iron(58, 46, 42);
    painter.setBrush(iron);
    painter.drawRoundedRect(QRectF(26, 126, 36, 18), 9, 9);
    painter.drawRoundedRect(QRectF(194, 126, 36, 18), 9, 9);

    QLinearGradient enamel(52, 0, 204, 0);
    enamel.setColorAt(0.0, QColor(158, 36, 30));
    enamel.setColorAt(0.35, QColor(222, 76, 58));
    enamel.setColorAt(1.0, QColor(138, 30, 26));

    QPainterPath body;
    body.moveTo(54, 118);
    body.lineTo(202, 118);
    body.lineTo(202, 182);
    body.quadTo(202, 212, 172, 212);
    body.lineTo(84, 212);
    body.quadTo(54, 212, 54, 182);
    body.closeSubpath();
    painter.setBrush(enamel);
    painter.drawPath(body);

    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawRoundedRect(QRectF(70, 130, 14, 58), 7, 7);

    QPainterPath lid;
    lid.moveTo(46, 116);
    lid.cubicTo(56, 72, 200, 72, 210, 116);
    lid.closeSubpath();
    painter.setBrush(enamel);
    painter.drawPath(lid);
    painter.setBrush(QColor(116, 26, 22));
    painter.drawRoundedRect(QRectF(42, 110, 172, 12), 6, 6);

    painter.setBrush(iron);
    painter.drawRoundedRect(QRectF(120, 70, 16, 16), 4, 4);
    painter.drawEllipse(QPointF(128, 68), 18, 8);

    // Three thick curls of steam: thin ones vanish at the small sizes.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 240), 12, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {90.0, 128.0, 166.0}) {
        QPainterPath curl;
        curl.moveTo(x, 58);
        curl.cubicTo(x - 16, 50, x - 10, 40, x, 36);
        curl.cubicTo(x + 10, 32, x + 12, 24, x + 2, 18);
        painter.drawPath(curl);
    }
    return image;
}
