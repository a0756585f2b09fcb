#pragma once

namespace ui {

// Distances on forms are in twips; the screen has 15 of them to a pixel.
inline constexpr int TwipsPerPixel = 15;
// On paper: 1440 twips to the inch, 20 to a point.
inline constexpr double TwipsPerInch = 1440;
inline constexpr double TwipsPerPoint = 20;

struct TextExtent {
    int width = 0;
    int height = 0;

    bool operator==(const TextExtent&) const = default;
};

// What the desktop puts around a window's inside, in twips: its frame (the
// top one holding the title bar) and the menu bar below it.
struct FrameMetrics {
    int left = 60;
    int top = 405;
    int right = 60;
    int bottom = 60;
    int menuBar = 300;

    bool operator==(const FrameMetrics&) const = default;
};

}  // namespace ui
