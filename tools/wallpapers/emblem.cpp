#include "emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QImage paintStartEmblem(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(250, 246, 236));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 160 x 160 grid, scaled to the size asked for.
    painter.scale(size.width() / 160.0, size.height() / 160.0);
    painter.setPen(Qt::NoPen);

    QRadialGradient plate(QPointF(80, 84), 72);
    plate.setColorAt(0.0, QColor(230, 240, 222));
    plate.setColorAt(1.0, QColor(214, 230, 204));
    painter.setBrush(plate);
    painter.drawEllipse(QPointF(80, 84), 70, 70);

    painter.setBrush(QColor(60, 50, 40, 45));
    painter.drawEllipse(QPointF(80, 134), 50, 6);

    const QColor iron(64, 54, 50);
    painter.setBrush(iron);
    painter.drawRoundedRect(QRectF(14, 80, 22, 10), 5, 5);
    painter.drawRoundedRect(QRectF(124, 80, 22, 10), 5, 5);

    QLinearGradient enamel(30, 0, 130, 0);
    enamel.setColorAt(0.0, QColor(150, 36, 30));
    enamel.setColorAt(0.35, QColor(216, 74, 58));
    enamel.setColorAt(1.0, QColor(136, 30, 26));

    QPainterPath body;
    body.moveTo(34, 74);
    body.lineTo(126, 74);
    body.lineTo(126, 116);
    body.quadTo(126, 132, 110, 132);
    body.lineTo(50, 132);
    body.quadTo(34, 132, 34, 116);
    body.closeSubpath();
    painter.setBrush(enamel);
    painter.drawPath(body);

    painter.setBrush(QColor(255, 255, 255, 80));
    painter.drawRoundedRect(QRectF(44, 82, 9, 38), 4.5, 4.5);

    QPainterPath lid;
    lid.moveTo(30, 72);
    lid.cubicTo(36, 44, 124, 44, 130, 72);
    lid.closeSubpath();
    painter.setBrush(enamel);
    painter.drawPath(lid);
    painter.setBrush(QColor(120, 28, 24));
    painter.drawRoundedRect(QRectF(28, 70, 104, 7), 3.5, 3.5);

    painter.setBrush(iron);
    painter.drawRoundedRect(QRectF(76, 42, 8, 10), 2, 2);
    painter.drawEllipse(QPointF(80, 41), 11, 5);

    // Three curls of steam rising over the lid.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(168, 172, 180), 3.2, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {60.0, 80.0, 100.0}) {
        QPainterPath curl;
        curl.moveTo(x, 32);
        curl.cubicTo(x - 8, 26, x + 8, 20, x, 12);
        curl.cubicTo(x - 5, 8, x + 2, 4, x, 2);
        painter.drawPath(curl);
    }
    return image;
}
