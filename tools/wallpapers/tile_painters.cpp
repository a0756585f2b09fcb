#include "painters.h"
#include "pixel_tools.h"
#include "value_noise.h"
#include "variation.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Random tone per tile, picked once so it stays fixed across the tile.
std::vector<QRgb> tileTones(int count, const std::vector<QRgb>& palette, Variation& variation) {
    std::vector<QRgb> tones(static_cast<std::size_t>(count));
    for (QRgb& tone : tones) {
        const QRgb a = palette[static_cast<std::size_t>(variation.between(0, static_cast<int>(palette.size()) - 1))];
        const QRgb b = palette[static_cast<std::size_t>(variation.between(0, static_cast<int>(palette.size()) - 1))];
        tone = blend(a, b, variation.unit());
    }
    return tones;
}

QPolygonF hexagon(QPointF centre, double radius) {
    QPolygonF corners;
    for (int corner = 0; corner < 6; ++corner) {
        const double angle = std::numbers::pi / 3.0 * corner + std::numbers::pi / 6.0;
        corners << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return corners;
}

}  // namespace

QImage paintTerracottaTiles(QSize size) {
    const int tile = 100;
    const int grout = 6;
    const int across = size.width() / tile + 1;
    Variation variation(203);
    const std::vector<QRgb> tones = tileTones(
        across * (size.height() / tile + 1),
        {qRgb(196, 98, 58), qRgb(178, 84, 48), qRgb(208, 118, 72), qRgb(168, 78, 46), qRgb(214, 130, 84)}, variation);
    const ValueNoise mottle(203);
    const QRgb groutColour = qRgb(222, 212, 192);

    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        const int lx = x % tile;
        const int ly = y % tile;
        const int toEdge = std::min({lx, ly, tile - 1 - lx, tile - 1 - ly}) - grout / 2;
        const double fleck = variation.between(-0.03, 0.03);
        if (toEdge < 0) return scaled(groutColour, 0.97 + fleck);
        const QRgb tone = tones[static_cast<std::size_t>((y / tile) * across + x / tile)];
        // Fired clay: cloudy patches, worn darker toward the edges.
        const double clouds = 0.84 + 0.3 * mottle.layered(x / 28.0, y / 28.0, 4);
        const double rim = 0.9 + 0.1 * smoothstep(0.0, 9.0, toEdge);
        return scaled(tone, clouds * rim + fleck);
    });
    return image;
}

QImage paintSubwayTiles(QSize size) {
    const int width = 100;
    const int height = 50;
    const int grout = 2;
    const int across = size.width() / width + 2;
    Variation variation(205);
    const std::vector<QRgb> tones =
        tileTones(across * (size.height() / height + 1),
                  {qRgb(206, 230, 224), qRgb(214, 234, 228), qRgb(198, 224, 220)}, variation);
    const QRgb groutColour = qRgb(236, 238, 234);

    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        const int row = y / height;
        const int shifted = x + (row % 2) * width / 2;
        const int u = shifted % width - grout;
        const int v = y % height - grout;
        const int inner = width - 2 * grout;
        const int innerHeight = height - 2 * grout;
        if (u < 0 || v < 0 || u >= inner || v >= innerHeight) return groutColour;
        const QRgb tone = tones[static_cast<std::size_t>(row * across + shifted / width)];
        // Bevelled glaze: lit top and left rims, shaded bottom and right, and a soft gloss streak.
        const double litRim = 1.0 - smoothstep(0.0, 6.0, std::min(u, v));
        const double shadedRim = 1.0 - smoothstep(0.0, 6.0, std::min(inner - 1 - u, innerHeight - 1 - v));
        const double streak = u - 1.6 * v - 18.0;
        const double gloss = std::exp(-streak * streak / 150.0);
        return scaled(tone, 1.0 + 0.08 * litRim - 0.14 * shadedRim + 0.06 * gloss);
    });
    return image;
}

QImage paintHoneycomb(QSize size) {
    const double radius = 40.0;
    const double stepX = std::numbers::sqrt3 * radius;
    const double stepY = 1.5 * radius;
    Variation variation(213);
    QImage image = blankCanvas(size, qRgb(226, 178, 92));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    for (int row = -1; row * stepY < size.height() + radius; ++row) {
        for (int column = -1; column * stepX < size.width() + radius; ++column) {
            const QPointF centre(column * stepX + (row % 2 != 0 ? stepX / 2.0 : 0.0), row * stepY);
            const QPolygonF cell = hexagon(centre, radius - 4.0);
            const bool capped = variation.unit() < 0.22;
            QRadialGradient fill(centre, radius);
            if (capped) {
                fill.setColorAt(0.0, QColor(250, 230, 176));
                fill.setColorAt(1.0, QColor(226, 192, 122));
            } else {
                const double depth = variation.between(-0.08, 0.08);
                fill.setColorAt(0.0, QColor::fromRgb(scaled(qRgb(252, 196, 72), 1.0 + depth)));
                fill.setColorAt(0.7, QColor::fromRgb(scaled(qRgb(226, 146, 30), 1.0 + depth)));
                fill.setColorAt(1.0, QColor::fromRgb(scaled(qRgb(170, 98, 16), 1.0 + depth)));
            }
            painter.setPen(QPen(QColor(168, 112, 34), 1.5));
            painter.setBrush(fill);
            painter.drawPolygon(cell);
            if (!capped) {
                // Light caught on the honey's surface.
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(255, 250, 230, 90));
                painter.drawEllipse(centre + QPointF(-radius * 0.3, -radius * 0.32), radius * 0.22, radius * 0.12);
            }
        }
    }
    return image;
}

namespace {

void paintDelftMotif(QPainter& painter, QRectF tile, QColor ink, QColor wash) {
    const QPointF centre = tile.center();
    const double half = tile.width() / 2.0;
    painter.setPen(Qt::NoPen);

    // Quarter circles in the corners join into round flowers across four tiles.
    painter.setBrush(ink);
    for (const QPointF corner : {tile.topLeft(), tile.topRight(), tile.bottomLeft(), tile.bottomRight()})
        painter.drawEllipse(corner, half * 0.42, half * 0.42);
    painter.setBrush(QColor(246, 246, 240));
    for (const QPointF corner : {tile.topLeft(), tile.topRight(), tile.bottomLeft(), tile.bottomRight()})
        painter.drawEllipse(corner, half * 0.26, half * 0.26);
    painter.setBrush(wash);
    for (const QPointF corner : {tile.topLeft(), tile.topRight(), tile.bottomLeft(), tile.bottomRight()})
        painter.drawEllipse(corner, half * 0.14, half * 0.14);

    // Eight petals around the middle, alternating deep and light blue.
    for (int petal = 0; petal < 8; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.rotate(45.0 * petal);
        painter.setBrush(petal % 2 == 0 ? ink : wash);
        painter.drawEllipse(QPointF(0.0, -half * 0.36), half * 0.12, half * 0.3);
        painter.restore();
    }
    painter.setBrush(QColor(246, 246, 240));
    painter.drawEllipse(centre, half * 0.14, half * 0.14);
    painter.setBrush(ink);
    painter.drawEllipse(centre, half * 0.07, half * 0.07);

    // A thin diamond from edge middle to edge middle.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(wash, 2.0));
    painter.drawPolygon(
        QPolygonF({QPointF(centre.x(), tile.top() + half * 0.1), QPointF(tile.right() - half * 0.1, centre.y()),
                   QPointF(centre.x(), tile.bottom() - half * 0.1), QPointF(tile.left() + half * 0.1, centre.y())}));
}

}  // namespace

QImage paintBlueWhiteTiles(QSize size) {
    const int tile = 100;
    QImage image = blankCanvas(size, qRgb(246, 246, 240));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int top = 0; top < size.height(); top += tile) {
            for (int left = 0; left < size.width(); left += tile) {
                const QRectF cell(left, top, tile, tile);
                painter.save();
                painter.setClipRect(cell);
                paintDelftMotif(painter, cell, QColor(28, 66, 148), QColor(96, 136, 200));
                painter.restore();
            }
        }
        painter.setPen(QPen(QColor(214, 216, 214), 3.0));
        for (int x = 0; x <= size.width(); x += tile) painter.drawLine(x, 0, x, size.height());
        for (int y = 0; y <= size.height(); y += tile) painter.drawLine(0, y, size.width(), y);
    }

    // Hand-made glaze is never quite even.
    const ValueNoise glaze(214);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = scaled(line[x], 0.97 + 0.05 * glaze.layered(x / 40.0, y / 40.0, 3));
    }
    return image;
}
