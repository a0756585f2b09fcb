#include "reference/conversions/conversion_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/basic/numbers.h"

namespace conversions {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A finite number written out in decimal to 15 significant digits.
struct Decimal {
    bool negative = false;
    std::string whole;  // no leading zeros; empty for a whole part of zero
    std::string frac;   // no trailing zeros

    bool zero() const { return whole.empty() && frac.empty(); }
};

void Tidy(Decimal& d) {
    const auto first = d.whole.find_first_not_of('0');
    d.whole = first == std::string::npos ? std::string() : d.whole.substr(first);
    const auto last = d.frac.find_last_not_of('0');
    d.frac = last == std::string::npos ? std::string() : d.frac.substr(0, last + 1);
    if (d.zero()) d.negative = false;
}

Decimal ToDecimal(double value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);  // "-1.23456789012345e+02"
    const std::string text(buffer);
    Decimal d;
    std::size_t at = 0;
    if (text[at] == '-') {
        d.negative = true;
        ++at;
    }
    std::string digits;
    for (; at < text.size() && text[at] != 'e'; ++at)
        if (IsDigit(text[at])) digits += text[at];
    const int exponent = std::stoi(text.substr(at + 1));
    const int point = exponent + 1;  // digits before the decimal point
    const int count = static_cast<int>(digits.size());
    if (point <= 0) {
        d.frac = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= count) {
        d.whole = digits + std::string(static_cast<std::size_t>(point - count), '0');
    } else {
        d.whole = digits.substr(0, static_cast<std::size_t>(point));
        d.frac = digits.substr(static_cast<std::size_t>(point));
    }
    Tidy(d);
    return d;
}

// Adds one unit of the last of `places` decimals to the magnitude.
void AddUnit(Decimal& d, std::size_t places) {
    d.frac.resize(places, '0');
    std::string all = d.whole + d.frac;
    int i = static_cast<int>(all.size()) - 1;
    for (; i >= 0; --i) {
        if (all[static_cast<std::size_t>(i)] == '9') {
            all[static_cast<std::size_t>(i)] = '0';
        } else {
            ++all[static_cast<std::size_t>(i)];
            break;
        }
    }
    if (i < 0) all.insert(all.begin(), '1');
    d.whole = all.substr(0, all.size() - places);
    d.frac = all.substr(all.size() - places);
    Tidy(d);
}

double ToDouble(const Decimal& d) {
    const std::string text = (d.negative ? "-" : "") + (d.whole.empty() ? std::string("0") : d.whole) +
                             (d.frac.empty() ? std::string() : "." + d.frac);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int DecimalPlaces(Mask mask) {
    switch (mask) {
        case Mask::Integer: return 0;
        case Mask::Box: return 24;
        case Mask::Result: return 44;
        case Mask::Grid: return 18;
    }
    return 0;
}

// The masks have 18 whole digit places; past them a number no longer fits its box.
constexpr std::size_t WholeDigitPlaces = 18;

std::string Grouped(const std::string& whole) {
    std::string out;
    const std::size_t n = whole.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    return out;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return std::nullopt;
    std::string number;
    if (text[at] == '+' || text[at] == '-') number += text[at++];
    bool digits = false;
    for (; at < text.size() && (IsDigit(text[at]) || (text[at] == ',' && digits)); ++at) {
        if (text[at] == ',') continue;
        number += text[at];
        digits = true;
    }
    if (at < text.size() && text[at] == '.') {
        number += text[at++];
        for (; at < text.size() && IsDigit(text[at]); ++at) {
            number += text[at];
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    // An exponent counts only with its digits: "1E" is 1.
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        std::size_t e = at + 1;
        std::string exponent = "e";
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) exponent += text[e++];
        const std::size_t first = e;
        for (; e < text.size() && IsDigit(text[e]); ++e) exponent += text[e];
        if (e > first) number += exponent;
    }
    if (number.front() == '+') number.erase(0, 1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Past what a double holds: the largest one there is, or zero.
        const bool large = number.find("e-") == std::string::npos;
        const double largest = std::numeric_limits<double>::max();
        value = large ? (number.front() == '-' ? -largest : largest) : 0.0;
    }
    return value;
}

double ReadAmount(std::string_view text) { return ReadNumber(text).value_or(0.0); }

double RoundResult(double r, RoundingMode mode) {
    if (mode == RoundingMode::NoRounding || !std::isfinite(r)) return r;
    const int places = static_cast<int>(mode) - static_cast<int>(RoundingMode::WholeNumber);
    Decimal d = ToDecimal(r + 0.5 * std::pow(10.0, -places));
    const auto keep = static_cast<std::size_t>(places);
    if (d.frac.size() <= keep) return ToDouble(d);
    // Toward the lower number: a negative sum that lost digits goes one unit further down.
    d.frac.resize(keep);
    if (d.negative) AddUnit(d, keep);
    return ToDouble(d);
}

std::optional<std::string> MaskedText(double value, Mask mask) {
    if (!std::isfinite(value)) return std::nullopt;
    Decimal d = ToDecimal(value);
    const auto places = static_cast<std::size_t>(DecimalPlaces(mask));
    if (d.frac.size() > places) {
        const bool up = d.frac[places] >= '5';
        d.frac.resize(places);
        if (up) AddUnit(d, places);
        else Tidy(d);
        // Too small for the decimal places it has; whole numbers round to 0.
        if (d.zero()) return mask == Mask::Integer ? std::optional<std::string>("0") : std::nullopt;
    }
    if (d.whole.size() > WholeDigitPlaces) return std::nullopt;
    if (d.zero()) return "0";
    return (d.negative ? "-" : "") + Grouped(d.whole) + (d.frac.empty() ? "" : "." + d.frac);
}

std::string ShownText(double value, Mask mask) {
    if (auto text = MaskedText(value, mask)) return *text;
    return std::isfinite(value) && std::fabs(value) < 1 ? TooSmallText : TooLargeText;
}

std::string PlainText(double value) { return basic::CStr(value); }

std::string SingularUnit(const std::string& unit) {
    if (unit == "Degrees Celcius" || unit.empty() || unit.back() != 's') return unit;
    return unit.substr(0, unit.size() - 1);
}

}  // namespace conversions
