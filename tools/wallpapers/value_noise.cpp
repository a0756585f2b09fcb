#include "value_noise.h"

#include <cmath>

namespace {

std::uint32_t mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double ValueNoise::corner(std::int32_t ix, std::int32_t iy) const {
    const std::uint32_t h = mix(static_cast<std::uint32_t>(ix) * 0x8DA6B343u ^
                                mix(static_cast<std::uint32_t>(iy) * 0xD8163841u ^ variation_));
    return static_cast<double>(h & 0xFFFFFFu) / static_cast<double>(0xFFFFFFu);
}

double ValueNoise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double top = lerp(corner(ix, iy), corner(ix + 1, iy), tx);
    const double bottom = lerp(corner(ix, iy + 1), corner(ix + 1, iy + 1), tx);
    return lerp(top, bottom, ty);
}

double ValueNoise::layered(double x, double y, int octaves) const {
    double sum = 0.0;
    double total = 0.0;
    double strength = 1.0;
    double scale = 1.0;
    for (int octave = 0; octave < octaves; ++octave) {
        // Shift each octave so their lattices do not line up at the origin.
        sum += strength * at(x * scale + 17.3 * octave, y * scale + 41.9 * octave);
        total += strength;
        strength *= 0.5;
        scale *= 2.0;
    }
    return sum / total;
}

double ValueNoise::turbulence(double x, double y, int octaves) const {
    double sum = 0.0;
    double total = 0.0;
    double strength = 1.0;
    double scale = 1.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += strength * 2.0 * std::abs(at(x * scale + 7.1 * octave, y * scale + 3.7 * octave) - 0.5);
        total += strength;
        strength *= 0.5;
        scale *= 2.0;
    }
    return sum / total;
}
