#include "platform/basic/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace basic::detail {

namespace {

void DropTrailingZeros(DecimalDigits& number) {
    const auto last = number.digits.find_last_not_of('0');
    number.digits.erase(last == std::string::npos ? 0 : last + 1);
    if (number.digits.empty()) number = DecimalDigits{};
}

}  // namespace

DecimalDigits ToDecimalDigits(double value, int significant) {
    DecimalDigits number;
    if (!std::isfinite(value) || value == 0) return number;
    // Scientific form "-d.ddddde+XX"; to_chars ignores the locale.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    const std::string text(buffer, result.ptr);
    std::size_t i = 0;
    if (text[i] == '-') {
        number.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] != '.') number.digits += text[i];
    }
    number.point = std::atoi(text.c_str() + i + 1) + 1;
    DropTrailingZeros(number);
    return number;
}

DecimalDigits RoundToDecimals(DecimalDigits number, int decimals) {
    const int keep = number.point + decimals;
    if (keep >= static_cast<int>(number.digits.size())) return number;
    if (keep < 0) return DecimalDigits{};
    const bool roundUp = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.erase(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9') {
            number.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++number.digits[static_cast<std::size_t>(i)];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.point;
        }
    }
    DropTrailingZeros(number);
    return number;
}

}  // namespace basic::detail
