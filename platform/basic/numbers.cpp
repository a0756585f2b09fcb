#include "platform/basic/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/basic/decimal_digits.h"

namespace basic {

namespace {

// Walks the text, skipping the blanks Val ignores anywhere.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    // The next significant character, or -1 at the end.
    int Peek() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
    }

    bool Take(char c) {
        if (Peek() != static_cast<unsigned char>(c)) return false;
        ++pos_;
        return true;
    }

    std::string TakeDigits() {
        std::string digits;
        for (int c = Peek(); c >= '0' && c <= '9'; c = Peek()) {
            digits += static_cast<char>(c);
            ++pos_;
        }
        return digits;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string FormatExponent(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    const std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) text += '0';
    return text + digits;
}

// The digits of a number without its sign; leadingZero puts "0" before a
// bare decimal point.
std::string UnsignedText(const detail::DecimalDigits& number, bool leadingZero) {
    if (number.digits.empty()) return "0";
    const std::string& digits = number.digits;
    const int count = static_cast<int>(digits.size());
    const int exponent = number.point - 1;
    if (exponent >= 15 || exponent < -4) {
        std::string text(1, digits[0]);
        if (count > 1) text += "." + digits.substr(1);
        return text + FormatExponent(exponent);
    }
    if (number.point <= 0) {
        return (leadingZero ? "0." : ".") + std::string(static_cast<std::size_t>(-number.point), '0') + digits;
    }
    if (number.point >= count) {
        return digits + std::string(static_cast<std::size_t>(number.point - count), '0');
    }
    const auto point = static_cast<std::size_t>(number.point);
    return digits.substr(0, point) + "." + digits.substr(point);
}

double RoundHalfEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

template <typename T>
std::optional<T> RoundToInteger(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(rounded);
}

}  // namespace

double Val(std::string_view s) {
    Cursor cursor(s);
    const bool negative = cursor.Take('-');
    if (!negative) cursor.Take('+');
    std::string text = cursor.TakeDigits();
    if (cursor.Take('.')) {
        const std::string fraction = cursor.TakeDigits();
        if (!fraction.empty()) text += (text.empty() ? "0." : ".") + fraction;
    }
    if (text.empty()) return 0;
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{}) return 0;
    return negative && value != 0 ? -value : value;
}

std::string Str(double value) {
    const auto number = detail::ToDecimalDigits(value, 15);
    return (number.negative ? "-" : " ") + UnsignedText(number, false);
}

std::string CStr(double value) {
    const auto number = detail::ToDecimalDigits(value, 15);
    return (number.negative ? "-" : "") + UnsignedText(number, true);
}

double Int(double value) { return std::floor(value); }

double Fix(double value) { return std::trunc(value); }

std::optional<std::int16_t> CInt(double value) { return RoundToInteger<std::int16_t>(value); }

std::optional<std::int32_t> CLng(double value) { return RoundToInteger<std::int32_t>(value); }

}  // namespace basic
