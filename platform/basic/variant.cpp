#include "platform/basic/variant.h"

#include <string_view>

#include "platform/basic/numbers.h"

namespace basic {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsRadixDigit(char c, bool hex) {
    if (hex) return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    return c >= '0' && c <= '7';
}

// The whole of text is one number in a form Val reads.
bool IsNumericText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    const auto last = text.find_last_not_of(" \t");
    text = text.substr(first, last - first + 1);

    std::size_t i = 0;
    auto takeDigits = [&](auto isDigit) {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        return i - start;
    };
    if (text[0] == '&' && text.size() > 2) {
        const char kind = text[1];
        const bool hex = kind == 'H' || kind == 'h';
        if (!hex && kind != 'O' && kind != 'o') return false;
        i = 2;
        takeDigits([hex](char c) { return IsRadixDigit(c, hex); });
        return i == text.size();
    }
    if (text[i] == '+' || text[i] == '-') ++i;
    std::size_t digits = takeDigits(IsDigit);
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += takeDigits(IsDigit);
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (takeDigits(IsDigit) == 0) return false;
    }
    return i == text.size();
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
