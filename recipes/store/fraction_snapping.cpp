#include "recipes/store/fraction_snapping.h"

#include <cmath>

#include "platform/basic/numbers.h"

namespace recipes {

namespace {

struct Band {
    float bound;
    bool inclusive;
    const char* fraction;
    double decimal;  // the amount calculator's kitchen decimal for the band
};

// Searched in order; a fraction part above the last band rounds up.
constexpr Band kBands[] = {
    {0.1f, false, "", 0},    {0.2f, false, "1/8", .125}, {0.3f, false, "1/4", .25}, {0.4f, true, "1/3", .33},
    {0.6f, true, "1/2", .5}, {0.7f, true, "2/3", .67},   {0.85f, true, "3/4", .75},
};

const Band* BandOf(float part) {
    for (const Band& band : kBands)
        if (band.inclusive ? part <= band.bound : part < band.bound) return &band;
    return nullptr;
}

// Beyond this a single-precision number no longer holds every whole number,
// and such an amount (only a damaged record has one) is shown as read.
constexpr double kLargestExactWhole = 16777216.0;

std::string WholeText(double whole) { return basic::CStr(whole); }

}  // namespace

KitchenAmount FractionSnapping(std::string_view amountText) {
    const double value = basic::Val(amountText);
    KitchenAmount amount;
    if (!(std::fabs(value) < kLargestExactWhole)) {
        amount.whole = value;
        amount.text = basic::CStr(value);
        return amount;
    }
    float whole = static_cast<float>(std::floor(value));
    const float part = static_cast<float>(value - static_cast<double>(whole));

    if (const Band* band = BandOf(part)) amount.fraction = band->fraction;
    else whole += 1.0f;

    amount.whole = whole;
    if (whole > 0 && part > 0) amount.text = WholeText(whole) + " " + amount.fraction;
    else if (whole > 0) amount.text = WholeText(whole);
    else amount.text = amount.fraction;
    return amount;
}

double SnapToKitchenDecimal(float part) {
    const Band* band = BandOf(part);
    return band ? band->decimal : 1.0;
}

}  // namespace recipes
