#include "platform/basic/variant.h"

#include <string_view>

#include "platform/basic/numbers.h"

namespace basic {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The whole of text is one number in a form Val reads: a sign, digits and at
// most one decimal point, with blanks around it.
bool IsNumericText(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    const auto last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);

    std::size_t i = 0;
    auto takeDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        return i - start;
    };
    if (text[i] == '+' || text[i] == '-') ++i;
    std::size_t digits = takeDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += takeDigits();
    }
    return digits > 0 && i == text.size();
}

}  // namespace

VariantType Variant::type() const {
    switch (value_.index()) {
        case 1: return VariantType::Integer;
        case 2: return VariantType::Long;
        case 3: return VariantType::Double;
        case 4: return VariantType::String;
        default: return VariantType::Empty;
    }
}

bool Variant::isNumeric() const {
    if (const auto* text = std::get_if<std::string>(&value_)) return IsNumericText(*text);
    return !isEmpty();
}

double Variant::toDouble() const {
    if (const auto* text = std::get_if<std::string>(&value_)) return Val(*text);
    if (const auto* value = std::get_if<std::int16_t>(&value_)) return *value;
    if (const auto* value = std::get_if<std::int32_t>(&value_)) return *value;
    if (const auto* value = std::get_if<double>(&value_)) return *value;
    return 0;
}

std::string Variant::toText() const {
    if (const auto* text = std::get_if<std::string>(&value_)) return *text;
    if (isEmpty()) return {};
    return CStr(toDouble());
}

}  // namespace basic
