#include "painters.h"
#include "pixel_tools.h"
#include "value_noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

QImage paintPolkaDots(QSize size) {
    const ValueNoise paper(212);
    const QRgb cream = qRgb(250, 242, 222);
    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) { return scaled(cream, 0.97 + 0.04 * paper.layered(x / 5.0, y / 5.0, 2)); });

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double spacingX = 84.0;
    const double spacingY = 72.0;
    const double radius = 20.0;
    for (int row = 0; row * spacingY < size.height() + spacingY; ++row) {
        for (int column = -1; column * spacingX < size.width() + spacingX; ++column) {
            const QPointF centre(column * spacingX + (row % 2 != 0 ? spacingX / 2.0 : 0.0) + 20.0,
                                 row * spacingY + 20.0);
            painter.setBrush(QColor(120, 60, 40, 36));
            painter.drawEllipse(centre + QPointF(2.0, 3.0), radius, radius);
            QRadialGradient dot(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 1.4);
            dot.setColorAt(0.0, QColor(226, 84, 76));
            dot.setColorAt(1.0, QColor(176, 38, 40));
            painter.setBrush(dot);
            painter.drawEllipse(centre, radius, radius);
        }
    }
    return image;
}

QImage paintCitrusWaves(QSize size) {
    // Bands of lemon, orange, lime and grapefruit, each edge a soft double wave
    // with a pale line like the pith under the peel.
    const QColor bands[] = {QColor(255, 244, 176), QColor(255, 212, 158), QColor(218, 238, 168), QColor(255, 204, 196),
                            QColor(255, 238, 150), QColor(200, 232, 190), QColor(255, 220, 170), QColor(250, 246, 200)};
    const int count = static_cast<int>(std::size(bands));
    const double bandHeight = size.height() / (count - 1.0);

    auto edge = [&](int band) {
        QPainterPath path;
        const double base = (band - 0.5) * bandHeight;
        for (int x = 0; x <= size.width(); x += 4) {
            const double y = base + 16.0 * std::sin(x / 120.0 + band * 1.3) + 7.0 * std::sin(x / 47.0 + band * 2.1);
            if (x == 0) path.moveTo(x, y);
            else path.lineTo(x, y);
        }
        return path;
    };

    QImage image = blankCanvas(size, bands[0].rgb());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int band = 1; band < count; ++band) {
        QPainterPath fill = edge(band);
        fill.lineTo(size.width(), size.height());
        fill.lineTo(0, size.height());
        fill.closeSubpath();
        const double top = (band - 0.5) * bandHeight;
        QLinearGradient shade(0.0, top, 0.0, top + bandHeight);
        shade.setColorAt(0.0, bands[band].lighter(104));
        shade.setColorAt(1.0, bands[band].darker(104));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawPath(fill);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 250, 170), 4.0));
        painter.drawPath(edge(band));
        painter.setPen(QPen(bands[band].darker(112), 1.2));
        painter.drawPath(edge(band).translated(0.0, 3.0));
    }
    return image;
}
