#pragma once
#include <string>
#include <string_view>

namespace recipes {

// A stored decimal amount as a cook reads it.
struct KitchenAmount {
    double whole = 0;      // the whole number, after rounding up above .85
    std::string fraction;  // "", "1/8", "1/4", "1/3", "1/2", "2/3" or "3/4"
    std::string text;      // what the amount box shows: "1 1/2", "3", "1/3", "2 ", ""
};

// Turns an amount text (".125", "1.34", "2") into whole number and kitchen
// fraction. The fraction part is compared in single precision, as the
// amounts always have been, so 1.3 shows as "1 1/3" and 2.2 as "2 1/4". A
// whole number above 0 with no fraction left after rounding keeps its
// trailing blank ("2 " for 1.86).
KitchenAmount FractionSnapping(std::string_view amountText);
// The same bands with the fraction part compared in double precision, as the
// shopping list's Recipe Select compares it: 1.2 shows as "1 1/8" there, and
// 1.6 as "1 2/3".
KitchenAmount FractionSnappingInDouble(std::string_view amountText);

// The decimal the amount calculator keeps for a fraction part 0 <= part < 1,
// by the same single-precision bands: 0, .125, .25, .33, .5, .67, .75, or 1
// above .85.
double SnapToKitchenDecimal(float part);

}  // namespace recipes
