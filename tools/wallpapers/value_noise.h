#pragma once

#include <cstdint>

// Smooth 2-D value noise on an integer lattice; the same variation always gives
// the same field. Used for wood grain, stone clouds and cloth folds.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t variation) : variation_(variation) {}

    // In [0, 1]; one lattice cell per unit of x and y.
    double at(double x, double y) const;

    // Octaves each twice as fine and half as strong, normalised to [0, 1].
    double layered(double x, double y, int octaves) const;

    // Sum of |noise - 0.5| over octaves: sharp creases, for marble veins. In [0, 1].
    double turbulence(double x, double y, int octaves) const;

private:
    double corner(std::int32_t ix, std::int32_t iy) const;

    std::uint32_t variation_;
};
