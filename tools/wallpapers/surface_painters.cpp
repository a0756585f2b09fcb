#include "painters.h"
#include "pixel_tools.h"
#include "value_noise.h"
#include "variation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

struct WoodSegment {
    int top;
    int bottom;
    QRgb tone;
    double ringShift;
};

struct WoodStrip {
    int left;
    int right;
    std::vector<WoodSegment> segments;
};

// Glued strips of wood across the board, each made of segments with staggered end joints.
std::vector<WoodStrip> layOutStrips(QSize size, Variation& variation) {
    const QRgb tones[] = {qRgb(224, 186, 136), qRgb(206, 160, 104), qRgb(190, 138, 86), qRgb(232, 200, 154),
                          qRgb(172, 116, 70)};
    std::vector<WoodStrip> strips;
    int left = 0;
    while (left < size.width()) {
        WoodStrip strip{left, std::min(left + variation.between(32, 58), size.width()), {}};
        int top = -variation.between(0, 300);
        while (top < size.height()) {
            const int length = variation.between(300, 700);
            const QRgb tone = tones[variation.between(0, 4)];
            strip.segments.push_back({top, top + length, tone, variation.between(0.0, 10.0)});
            top += length;
        }
        strips.push_back(strip);
        left = strip.right;
    }
    return strips;
}

}  // namespace

QImage paintButcherBlock(QSize size) {
    Variation variation(202);
    const std::vector<WoodStrip> strips = layOutStrips(size, variation);
    std::vector<std::size_t> stripOfColumn(static_cast<std::size_t>(size.width()));
    for (std::size_t index = 0; index < strips.size(); ++index) {
        for (int x = strips[index].left; x < strips[index].right; ++x)
            stripOfColumn[static_cast<std::size_t>(x)] = index;
    }
    const ValueNoise grain(202);
    const ValueNoise fibre(203);

    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        const WoodStrip& strip = strips[stripOfColumn[static_cast<std::size_t>(x)]];
        const WoodSegment* segment = &strip.segments.front();
        for (const WoodSegment& candidate : strip.segments) {
            if (y >= candidate.top && y < candidate.bottom) segment = &candidate;
        }
        // Growth rings seen from the side: long wavy lines, dark where late wood grew.
        const double rings =
            (x - strip.left) / 9.0 + segment->ringShift + 3.2 * grain.layered(x / 40.0, (y - segment->top) / 260.0, 3);
        const double lateWood = std::pow(rings - std::floor(rings), 5.0);
        const double fibres = fibre.at(x / 1.4, y / 45.0) - 0.5;
        double shade = 1.0 - 0.2 * lateWood + 0.09 * fibres;
        const int toSide = std::min(x - strip.left, strip.right - 1 - x);
        const int toEnd = std::min(y - segment->top, segment->bottom - 1 - y);
        if (toSide < 1 && strip.left > 0) shade *= 0.72;
        if (toEnd < 1) shade *= 0.75;
        // Oiled surface: a broad soft sheen from the top left.
        shade *= 0.94 + 0.1 * (1.0 - (x + y) / static_cast<double>(size.width() + size.height()));
        return scaled(segment->tone, shade);
    });
    return image;
}

QImage paintMarble(QSize size) {
    const ValueNoise flow(206);
    const ValueNoise crossFlow(207);
    const ValueNoise fading(208);
    const ValueNoise clouds(209);
    const QRgb white = qRgb(243, 241, 237);
    const QRgb haze = qRgb(216, 216, 220);
    const QRgb vein = qRgb(100, 104, 116);
    auto veinAt = [](double phase, double sharpness) {
        return std::pow(1.0 - std::abs(std::sin(phase * std::numbers::pi)), sharpness);
    };
    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        // Veins follow a sine across the slab whose phase wanders with the noise;
        // a second, finer set crosses them, and both fade in and out along their length.
        const double phase = x * 0.0055 + y * 0.003 + 1.7 * flow.layered(x / 260.0, y / 260.0, 6);
        const double crossPhase = -x * 0.0028 + y * 0.0075 + 1.4 * crossFlow.layered(x / 200.0, y / 200.0, 6);
        const double presence = smoothstep(0.35, 0.65, fading.layered(x / 300.0, y / 300.0, 3));
        const double mainVein = veinAt(phase, 28.0) * (0.35 + 0.65 * presence);
        const double fineVein = veinAt(crossPhase, 60.0) * (1.0 - presence);
        const double halo = veinAt(phase, 5.0);
        QRgb colour = blend(white, haze, 0.7 * smoothstep(0.4, 0.8, clouds.layered(x / 240.0, y / 240.0, 5)));
        colour = blend(colour, haze, 0.45 * halo);
        return blend(colour, vein, 0.75 * mainVein + 0.4 * fineVein);
    });
    return image;
}

QImage paintHammeredCopper(QSize size) {
    // Hammer dents: each pixel belongs to the nearest dent centre; the dent's
    // slope facing the light (top left) is bright, the far slope dark.
    const double cell = 38.0;
    const int columns = static_cast<int>(size.width() / cell) + 3;
    const int rows = static_cast<int>(size.height() / cell) + 3;
    Variation variation(208);
    std::vector<QPointF> centres(static_cast<std::size_t>(columns * rows));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            centres[static_cast<std::size_t>(row * columns + column)] = QPointF(
                (column - 1 + variation.between(0.15, 0.85)) * cell, (row - 1 + variation.between(0.15, 0.85)) * cell);
        }
    }
    const QRgb copper[] = {qRgb(88, 40, 20), qRgb(150, 76, 38), qRgb(192, 112, 62), qRgb(226, 156, 102),
                           qRgb(252, 214, 176)};
    const ValueNoise patina(208);

    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        const int column = static_cast<int>(x / cell) + 1;
        const int row = static_cast<int>(y / cell) + 1;
        double nearest = std::numeric_limits<double>::max();
        double second = nearest;
        QPointF offset;
        for (int r = row - 1; r <= row + 1; ++r) {
            for (int c = column - 1; c <= column + 1; ++c) {
                const QPointF delta = QPointF(x, y) - centres[static_cast<std::size_t>(r * columns + c)];
                const double distance = std::hypot(delta.x(), delta.y());
                if (distance < nearest) {
                    second = nearest;
                    nearest = distance;
                    offset = delta;
                } else if (distance < second) {
                    second = distance;
                }
            }
        }
        const double lit = (offset.x() + offset.y()) / (cell * std::numbers::sqrt2);
        const double ridge = 1.0 - smoothstep(0.0, 3.0, second - nearest);
        const double sheen = 0.5 + 0.5 * std::sin((x - y) / 230.0 + 0.8);
        const double tone = 0.42 + 0.55 * lit + 0.14 * ridge + 0.2 * (sheen - 0.5) +
                            0.14 * (patina.layered(x / 90.0, y / 90.0, 3) - 0.5);
        return ramp(copper, tone);
    });
    return image;
}

QImage paintFlouredSlate(QSize size) {
    const ValueNoise layers(209);
    const ValueNoise dust(210);
    Variation grit(209);
    const QRgb slate = qRgb(60, 67, 78);
    const QRgb flour = qRgb(240, 236, 228);
    // A floured patch where dough was rolled, with three rounds cut out of it.
    const QPointF patchCentre(size.width() * 0.62, size.height() * 0.52);
    const QSizeF patchRadius(size.width() * 0.34, size.height() * 0.32);
    const QPointF cutouts[] = {{size.width() * 0.52, size.height() * 0.42},
                               {size.width() * 0.7, size.height() * 0.62},
                               {size.width() * 0.78, size.height() * 0.36}};
    const double cutoutRadius = size.height() * 0.085;

    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) {
        // Slate splits in thin layers: stretched noise gives its long faint bands.
        const double banding = layers.layered(x / 260.0, y / 38.0, 5);
        QRgb colour = scaled(slate, 0.78 + 0.42 * banding + grit.between(-0.04, 0.04));

        const double dx = (x - patchCentre.x()) / patchRadius.width();
        const double dy = (y - patchCentre.y()) / patchRadius.height();
        const double ragged = 0.35 * (dust.layered(x / 90.0, y / 90.0, 4) - 0.5);
        double flourCover = 1.0 - smoothstep(0.7, 1.05, std::hypot(dx, dy) + ragged);
        flourCover = std::max(flourCover, 0.5 * smoothstep(0.62, 0.8, dust.layered(x / 160.0 + 40.0, y / 160.0, 4)));
        double rim = 0.0;
        for (const QPointF& cutout : cutouts) {
            const double distance = std::hypot(x - cutout.x(), y - cutout.y()) / cutoutRadius;
            flourCover *= 0.3 + 0.7 * smoothstep(0.96, 1.0, distance);
            rim = std::max(rim, 1.0 - smoothstep(0.0, 0.08, std::abs(distance - 1.04)));
        }
        colour = blend(colour, flour, 0.42 * flourCover + 0.35 * rim * flourCover);
        if (grit.unit() < 0.006 + 0.22 * flourCover) colour = blend(colour, flour, grit.between(0.4, 0.85));
        return colour;
    });
    return image;
}

QImage paintCork(QSize size) {
    const ValueNoise base(211);
    const QRgb cork = qRgb(196, 150, 102);
    QImage image = blankCanvas(size);
    fillPixels(image, [&](int x, int y) { return scaled(cork, 0.86 + 0.28 * base.layered(x / 7.0, y / 7.0, 3)); });

    // Pressed granules, light and dark, then a few deep pores.
    Variation variation(211);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRgb dark = qRgb(128, 84, 46);
    const QRgb light = qRgb(226, 186, 136);
    const int granules = size.width() * size.height() / 70;
    for (int i = 0; i < granules; ++i) {
        QColor colour = QColor::fromRgb(blend(dark, light, variation.unit()));
        colour.setAlpha(variation.between(90, 170));
        painter.setBrush(colour);
        const QPointF centre(variation.between(0.0, size.width() * 1.0), variation.between(0.0, size.height() * 1.0));
        painter.drawEllipse(centre, variation.between(1.2, 4.2), variation.between(1.2, 4.2));
    }
    const int pores = size.width() * size.height() / 900;
    for (int i = 0; i < pores; ++i) {
        painter.setBrush(QColor(82, 52, 28, variation.between(120, 200)));
        const QPointF centre(variation.between(0.0, size.width() * 1.0), variation.between(0.0, size.height() * 1.0));
        painter.drawEllipse(centre, variation.between(0.7, 1.8), variation.between(0.7, 1.8));
    }
    return image;
}
