#include <optional>

#include "platform/basic/decimal_digits.h"
#include "platform/basic/numbers.h"

namespace basic {

namespace {

struct NumberMask {
    int minWholeDigits = 0;  // '0' placeholders before the point
    bool thousands = false;  // ',' among the whole-part placeholders
    bool hasPoint = false;
    int decimals = 0;          // placeholders after the point
    int requiredDecimals = 0;  // up to and including the last '0' after the point
    bool percent = false;
};

std::optional<NumberMask> ParseMask(std::string_view mask) {
    NumberMask parsed;
    if (!mask.empty() && mask.back() == '%') {
        parsed.percent = true;
        mask.remove_suffix(1);
    }
    if (mask.empty()) return std::nullopt;
    for (char c : mask) {
        if (c == '.') {
            if (parsed.hasPoint) return std::nullopt;
            parsed.hasPoint = true;
        } else if (c == '0' || c == '#') {
            if (!parsed.hasPoint) {
                if (c == '0') ++parsed.minWholeDigits;
            } else {
                ++parsed.decimals;
                if (c == '0') parsed.requiredDecimals = parsed.decimals;
            }
        } else if (c == ',' && !parsed.hasPoint) {
            parsed.thousands = true;
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

std::string GroupThousands(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string Format(double value, std::string_view mask) {
    const auto parsed = ParseMask(mask);
    if (!parsed) return CStr(value);
    if (parsed->percent) value *= 100;
    const auto number = detail::RoundToDecimals(detail::ToDecimalDigits(value, 15), parsed->decimals);

    // Whole and fraction digits of the rounded number.
    const int point = number.point;
    std::string whole;
    std::string fraction;
    for (int i = 0; i < point; ++i) {
        whole += i < static_cast<int>(number.digits.size()) ? number.digits[static_cast<std::size_t>(i)] : '0';
    }
    for (int i = point; i < point + parsed->decimals; ++i) {
        const bool inDigits = i >= 0 && i < static_cast<int>(number.digits.size());
        fraction += inDigits ? number.digits[static_cast<std::size_t>(i)] : '0';
    }

    if (static_cast<int>(whole.size()) < parsed->minWholeDigits) {
        whole.insert(0, static_cast<std::size_t>(parsed->minWholeDigits) - whole.size(), '0');
    }
    if (parsed->thousands) whole = GroupThousands(whole);
    while (static_cast<int>(fraction.size()) > parsed->requiredDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }

    std::string text = number.negative ? "-" : "";
    text += whole;
    if (parsed->hasPoint) text += "." + fraction;
    if (parsed->percent) text += '%';
    return text;
}

}  // namespace basic
