#pragma once
#include <cstdint>
#include <optional>

namespace ui {

// A colour as the windows store it: blue * 65536 + green * 256 + red, or,
// with bit 31 set, a reference to one of the desktop's system colours
// (its index in the low byte).
using OleColor = std::int32_t;

constexpr OleColor Rgb(int red, int green, int blue) {
    return static_cast<OleColor>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}
constexpr int RedOf(OleColor c) { return c & 0xFF; }
constexpr int GreenOf(OleColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(OleColor c) { return (c >> 16) & 0xFF; }

constexpr OleColor SystemColor(int index) {
    return static_cast<OleColor>(0x80000000u | static_cast<std::uint32_t>(index));
}
constexpr bool IsSystemColor(OleColor c) { return (static_cast<std::uint32_t>(c) & 0x80000000u) != 0; }
constexpr int SystemColorIndex(OleColor c) { return c & 0xFF; }

namespace colors {
inline constexpr OleColor ButtonFace = SystemColor(0x0F);
inline constexpr OleColor ButtonText = SystemColor(0x12);
inline constexpr OleColor WindowBackground = SystemColor(0x05);
inline constexpr OleColor WindowText = SystemColor(0x08);
inline constexpr OleColor Highlight = SystemColor(0x0D);
inline constexpr OleColor HighlightText = SystemColor(0x0E);
inline constexpr OleColor Black = Rgb(0, 0, 0);
inline constexpr OleColor White = Rgb(255, 255, 255);
inline constexpr OleColor PureBlue = Rgb(0, 0, 255);  // 16711680
inline constexpr OleColor PureRed = Rgb(255, 0, 0);   // 255
inline constexpr OleColor Yellow = Rgb(255, 255, 0);
}  // namespace colors

// A number the windows accept as a colour: a plain RGB value or a known
// system colour reference. Anything else is refused, as the property would be.
inline std::optional<OleColor> ColorFromNumber(double value) {
    // Out of range (or not a number): no colour, and no overflowing cast.
    if (!(value > -4.3e9 && value < 4.3e9)) return std::nullopt;
    if (value != static_cast<double>(static_cast<std::int64_t>(value))) return std::nullopt;
    const auto n = static_cast<std::int64_t>(value);
    if (n >= 0 && n <= 0xFFFFFF) return static_cast<OleColor>(n);
    // system colour references, as signed or as unsigned 32-bit numbers
    const std::int64_t asUnsigned = n < 0 ? n + 0x100000000LL : n;
    if (asUnsigned >= 0x80000000LL && asUnsigned <= 0x80000018LL)
        return static_cast<OleColor>(static_cast<std::uint32_t>(asUnsigned));
    return std::nullopt;
}

}  // namespace ui
