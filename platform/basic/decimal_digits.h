#pragma once
#include <string>

// Internal: a double as its decimal digits, shared by Str and Format.
namespace basic::detail {

// value = (negative ? -1 : 1) * 0.d1d2...dn * 10^point, with no trailing
// zeros in digits; zero has no digits.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// Rounded to `significant` digits (1 to 17). Non-finite values give zero.
DecimalDigits ToDecimalDigits(double value, int significant);

// Rounds half away from zero to `decimals` digits after the point.
DecimalDigits RoundToDecimals(DecimalDigits number, int decimals);

}  // namespace basic::detail
