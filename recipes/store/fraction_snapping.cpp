#include "recipes/store/fraction_snapping.h"

#include <cmath>

#include "platform/basic/numbers.h"

namespace recipes {

namespace {

struct Band {
    double bound;
    bool inclusive;
    const char* fraction;
    double decimal;  // the amount calculator's kitchen decimal for the band
};

// Searched in order; a fraction part above the last band rounds up.
constexpr Band kBands[] = {
    {0.1, false, "", 0},    {0.2, false, "1/8", .125}, {0.3, false, "1/4", .25}, {0.4, true, "1/3", .33},
    {0.6, true, "1/2", .5}, {0.7, true, "2/3", .67},   {0.85, true, "3/4", .75},
};

// The part and the bounds both in the precision T.
template <class T>
const Band* BandOf(T part) {
    for (const Band& band : kBands) {
        const T bound = static_cast<T>(band.bound);
        if (band.inclusive ? part <= bound : part < bound) return &band;
    }
    return nullptr;
}

// Beyond this a single-precision number no longer holds every whole number,
// and such an amount (only a damaged record has one) is shown as read.
constexpr double kLargestExactWhole = 16777216.0;

std::string WholeText(double whole) { return basic::CStr(whole); }

// T: the precision the whole number and the fraction part are kept in.
template <class T>
KitchenAmount Snap(std::string_view amountText) {
    const double value = basic::Val(amountText);
    KitchenAmount amount;
    if (!(std::fabs(value) < kLargestExactWhole)) {
        amount.whole = value;
        amount.text = basic::CStr(value);
        return amount;
    }
    T whole = static_cast<T>(std::floor(value));
    const T part = static_cast<T>(value - static_cast<double>(whole));

    if (const Band* band = BandOf(part)) amount.fraction = band->fraction;
    else whole += 1;

    amount.whole = whole;
    if (whole > 0 && part > 0) amount.text = WholeText(whole) + " " + amount.fraction;
    else if (whole > 0) amount.text = WholeText(whole);
    else amount.text = amount.fraction;
    return amount;
}

}  // namespace

KitchenAmount FractionSnapping(std::string_view amountText) { return Snap<float>(amountText); }

KitchenAmount FractionSnappingInDouble(std::string_view amountText) { return Snap<double>(amountText); }

double SnapToKitchenDecimal(float part) {
    const Band* band = BandOf(part);
    return band ? band->decimal : 1.0;
}

}  // namespace recipes
