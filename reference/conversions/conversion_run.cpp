#include "reference/conversions/conversion_run.h"

#include <cmath>

#include "reference/conversions/conversion_table.h"

namespace conversions {

namespace {

constexpr double WidestRange = 1000;  // 1001 amounts; anything wider is cut to 1000

bool IsWhole(double value) { return value == std::floor(value); }

// A box that reads no positive number converts 1 (and says so); the
// temperatures keep what was typed, since 0 and -40 degrees are real.
double AmountOf(int index, std::string& boxText) {
    const double read = ReadAmount(boxText);
    if (IsTemperature(index)) {
        if (!ReadNumber(boxText)) boxText = "0";
        return read;
    }
    if (read > 0) return read;
    boxText = "1";
    return 1;
}

void RunSingle(const RunInput& input, const Converted& converted, RunOutput& out) {
    // The box shows the amount in the window's style where it can; a number
    // too long for it stays as typed.
    if (auto text = MaskedText(out.amount, Mask::Box)) out.amountText = *text;
    const double shown = RoundResult(converted.value, input.rounding);
    out.fromLabel = (out.amount <= 1 ? SingularUnit(converted.fromUnit) : converted.fromUnit) + " = ";
    out.toLabel = shown <= 1 ? SingularUnit(converted.toUnit) : converted.toUnit;
    out.resultText = ShownText(shown, Mask::Result);
}

void RunMultiple(const RunInput& input, RunOutput& out) {
    const bool temperature = IsTemperature(input.index);
    const std::optional<double> typedEnd = ReadNumber(out.endText);
    double end = typedEnd.value_or(0);
    const bool replaceEnd = temperature ? !typedEnd : !(end > 0);
    if (replaceEnd) {
        end = out.amount + 1;
        out.endText = PlainText(end);
    }
    const RangePlan plan = PlanRange(out.amount, end);
    out.range = plan;
    if (plan.endCut) out.endText = PlainText(plan.end);

    const bool whole = input.rounding == RoundingMode::WholeNumber;
    out.rows.reserve(static_cast<std::size_t>(plan.count) + 1);
    out.rows.push_back({out.fromUnit, out.toUnit});
    for (int k = 0; k < plan.count; ++k) {
        const double amount = RangeAmountAt(plan, k);
        double result = ApplyConversion(input.index, amount)->value;
        if (input.rounding != RoundingMode::NoRounding) result = RoundResult(result, input.rounding);
        out.rows.push_back({ShownText(amount, whole || IsWhole(amount) ? Mask::Integer : Mask::Grid),
                            ShownText(result, whole ? Mask::Integer : Mask::Grid)});
        out.amount = amount;
        out.converted = result;
    }
}

}  // namespace

RangePlan PlanRange(double start, double end) {
    RangePlan plan{start, end, false, 0};
    if (plan.start > plan.end) std::swap(plan.start, plan.end);
    double span = plan.end - plan.start;
    if (!(span <= WidestRange)) {  // a span that is no number is cut as well
        plan.end = plan.start + (WidestRange - 1);
        plan.endCut = true;
        span = WidestRange - 1;
    }
    plan.count = static_cast<int>(std::floor(span)) + 1;
    return plan;
}

std::optional<RunOutput> RunConversion(const RunInput& input) {
    const auto converted = ApplyConversion(input.index, 0);
    if (!converted) return std::nullopt;
    RunOutput out;
    out.amountText = input.amountText.empty() ? "0" : input.amountText;
    out.endText = input.endText;
    out.amount = AmountOf(input.index, out.amountText);
    out.fromUnit = converted->fromUnit;
    out.toUnit = converted->toUnit;
    if (input.multipleEntry) {
        RunMultiple(input, out);
    } else {
        const Converted result = *ApplyConversion(input.index, out.amount);
        out.converted = result.value;
        RunSingle(input, result, out);
    }
    return out;
}

}  // namespace conversions
