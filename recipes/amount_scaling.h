#pragma once
#include <optional>
#include <string>
#include <string_view>

// The amount calculator's rules: how a recipe's amounts, units and yield
// unit follow a new yield. Plain functions, so the window only moves texts.
namespace recipes {

// A yield text as a number. A kitchen fraction ("1 1/2", "3/4") counts by
// its value; any other text reads as Basic reads a number ("12", ".5").
double YieldValue(std::string_view text);

// The factor new yield / old yield in single precision, as the amounts have
// always been scaled; nullopt when it is no usable number (an old yield of
// 0, a negative one).
std::optional<float> ScaleFactor(double oldYield, double newYield);

// One amount after scaling.
struct ScaledAmount {
    double scaled = 0;  // amount times factor, unrounded: it decides singular or plural
    std::string text;   // the snapped decimal text (".125", "1.33", "3"), "" for no amount
};

// Scales an amount text: cut to two decimals, then snapped to a kitchen
// decimal. nullopt when the result reaches 1000, which an amount box cannot
// hold.
std::optional<ScaledAmount> ScaleAmount(std::string_view amountText, float factor);

// The yield unit for a new yield: "Pieces" and "Piece" follow the yield,
// "Serving(s)" and "Dozen" never change, a typed "cup" becomes "cups".
std::string YieldUnitFor(std::string_view unit, double yield);

// The unit of an ingredient line for its scaled amount, nullopt when it
// stays as it is. Units of the pick lists take their list forms ("dash",
// "dashes"); others gain or lose an "s".
std::optional<std::string> UnitFor(std::string_view unit, double amount);

}  // namespace recipes
