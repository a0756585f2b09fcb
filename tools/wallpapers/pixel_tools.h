#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

#include <algorithm>
#include <cmath>
#include <cstddef>

// Small helpers shared by the painters that work pixel by pixel.

inline QImage blankCanvas(QSize size, QRgb fill = qRgb(255, 255, 255)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Calls shade(x, y) -> QRgb for every pixel of the image.
template <typename Shade>
void fillPixels(QImage& image, Shade shade) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] = shade(x, y);
    }
}

inline double clamp01(double value) { return std::clamp(value, 0.0, 1.0); }

inline double smoothstep(double edge0, double edge1, double value) {
    const double t = clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

inline int channel(double value) { return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0))); }

// a at t = 0, b at t = 1.
inline QRgb blend(QRgb a, QRgb b, double t) {
    t = clamp01(t);
    return qRgb(channel(qRed(a) + (qRed(b) - qRed(a)) * t), channel(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                channel(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}

// Brightness times factor, clamped to the valid range.
inline QRgb scaled(QRgb colour, double factor) {
    return qRgb(channel(qRed(colour) * factor), channel(qGreen(colour) * factor), channel(qBlue(colour) * factor));
}

// Linear colour ramp through evenly spaced stops, t in [0, 1].
template <std::size_t N>
QRgb ramp(const QRgb (&stops)[N], double t) {
    const double position = clamp01(t) * static_cast<double>(N - 1);
    const auto index = std::min(static_cast<std::size_t>(position), N - 2);
    return blend(stops[index], stops[index + 1], position - static_cast<double>(index));
}
