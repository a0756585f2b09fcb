#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace conversions {

// How a result is rounded, by the codes the window's menu items stand for.
enum class RoundingMode { NoRounding = 1, WholeNumber = 2, Tenths = 3, Hundredths = 4, Thousandths = 5 };

// The number at the start of a box's text: blanks first, then a sign,
// digits with "," grouping, one decimal point, more digits and an exponent
// ("1E-5"); reading stops at the first other character ("12abc" is 12,
// "1,234.5" is 1234.5); past the largest double, that one. Nothing when the
// text does not begin with a number.
std::optional<double> ReadNumber(std::string_view text);
// As ReadNumber, with 0 for text that is no number.
double ReadAmount(std::string_view text);

// r + a half unit of the mode's last place, cut toward the lower number at
// that place, as written in decimal to 15 significant digits (0.285 gives
// 0.29 in hundredths, -6.6666 gives -6.67, -2.5 gives -2 as a whole number).
// No Rounding leaves r as it is.
double RoundResult(double r, RoundingMode mode);

// The digit places the window writes numbers with: whole numbers, the
// amount box, the result box and the results table.
enum class Mask { Integer, Box, Result, Grid };

// A number as the mask writes it: at most 15 significant digits, the whole
// part grouped by ",", no zero before the point (".5"), decimals without
// trailing zeros, "0" for zero; the integer mask rounds half away from zero.
// Nothing when the mask cannot show it: infinite, more than 18 whole digits,
// or too small for a mask's decimal places.
std::optional<std::string> MaskedText(double value, Mask mask);
// MaskedText, or what stands in a result's place when it cannot show.
std::string ShownText(double value, Mask mask);
inline constexpr const char* TooLargeText = "Too large";
inline constexpr const char* TooSmallText = "Too small";

// A number written plainly into a box: "." as decimal point, no grouping,
// up to 15 significant digits (4, 2.5).
std::string PlainText(double value);

// The singular of a unit label: a final "s" goes ("Cups" to "Cup"), except
// in "Degrees Celcius"; labels ending otherwise stay.
std::string SingularUnit(const std::string& unit);

}  // namespace conversions
