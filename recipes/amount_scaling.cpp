#include "recipes/amount_scaling.h"

#include <cmath>
#include <cstddef>
#include <regex>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "recipes/store/fraction_snapping.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"

namespace recipes {

namespace {

// The amounts the boxes hold stay below this.
constexpr double AmountLimit = 1000;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string_view WithoutLast(std::string_view text, std::size_t count) { return text.substr(0, text.size() - count); }

}  // namespace

double YieldValue(std::string_view text) {
    // Read as a plain number, "1 1/2" would be 11: the blank is skipped and reading stops at the slash.
    static const std::regex fraction(R"(^\s*(?:(\d+)\s+)?(\d+)/(\d+))");
    const std::string t(text);
    std::smatch m;
    if (std::regex_search(t, m, fraction)) {
        const double denominator = basic::Val(m.str(3));
        if (denominator > 0) return basic::Val(m.str(1)) + basic::Val(m.str(2)) / denominator;
    }
    return basic::Val(text);
}

std::optional<float> ScaleFactor(double oldYield, double newYield) {
    if (oldYield == 0) return std::nullopt;
    const auto factor = static_cast<float>(newYield / oldYield);
    if (!std::isfinite(factor) || factor <= 0) return std::nullopt;
    return factor;
}

std::optional<ScaledAmount> ScaleAmount(std::string_view amountText, float factor) {
    ScaledAmount amount;
    amount.scaled = basic::Val(amountText) * static_cast<double>(factor);
    if (!(amount.scaled < AmountLimit)) return std::nullopt;
    const double cut = amount.scaled > 0 ? basic::Val(basic::Format(amount.scaled, "0.00")) : 0;
    const auto whole = static_cast<float>(std::floor(cut));
    const auto part = static_cast<float>(cut - static_cast<double>(whole));
    const double snapped = static_cast<double>(whole) + SnapToKitchenDecimal(part);
    if (!(snapped < AmountLimit)) return std::nullopt;
    if (snapped > 0) amount.text = basic::LTrim(basic::Str(snapped));
    return amount;
}

std::string YieldUnitFor(std::string_view unit, double yield) {
    if (yield <= 1) {
        if (unit.size() > 1 && EndsWith(unit, "s")) return std::string(WithoutLast(unit, 1));
    } else if (!unit.empty() && !EndsWith(unit, "s") && !EndsWith(unit, ")") && basic::UCase(unit) != "DOZEN") {
        return std::string(unit) + "s";
    }
    return std::string(unit);
}

std::optional<std::string> UnitFor(std::string_view unit, double amount) {
    const std::string u = basic::RTrim(unit);
    const std::string upper = basic::UCase(u);
    for (const char* fixed : {"DOZEN", "WHOLE", "SMALL", "MEDIUM", "LARGE"})
        if (upper == fixed) return std::nullopt;
    const bool plural = amount > 1.1;
    // A unit of the pick lists takes the other list's form at the same place ("dash", "dashes").
    for (std::size_t i = 0; i < SingularUnitList.size(); ++i) {
        const std::string_view wanted = plural ? PluralUnitList[i] : SingularUnitList[i];
        if (u == SingularUnitList[i] || u == PluralUnitList[i])
            return u == wanted ? std::nullopt : std::optional<std::string>(wanted);
    }
    std::string changed;
    if (!plural) {
        if (EndsWith(u, "s")) changed = WithoutLast(u, 1);
        else if (EndsWith(u, "s.")) changed = std::string(WithoutLast(u, 2)) + ".";
    } else if (!u.empty() && u.size() < static_cast<std::size_t>(field::UnitWidth)) {
        // Only a unit that still fits the record's field once plural.
        if (!EndsWith(u, "s") && !EndsWith(u, ".")) changed = u + "s";
        else if (EndsWith(u, ".") && !EndsWith(u, "s.")) changed = std::string(WithoutLast(u, 1)) + "s.";
    }
    if (changed.empty() || changed == u) return std::nullopt;
    return changed;
}

}  // namespace recipes
