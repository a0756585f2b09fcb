#pragma once

#include <cstdint>

// Deterministic pseudo-random numbers (splitmix64), so every build paints the
// same pictures. Each picture starts from its own fixed start value.
class Variation {
public:
    explicit Variation(std::uint64_t startValue) : state_(startValue) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    double between(double low, double high) { return low + (high - low) * unit(); }

    // Uniform integer in [low, high].
    int between(int low, int high) {
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>(next() % span);
    }

private:
    std::uint64_t state_;
};
