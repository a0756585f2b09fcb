#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "reference/conversions/conversion_numbers.h"

namespace conversions {

// What one run of a conversion starts from: the chosen row, the rounding,
// the entry mode and what the two boxes hold.
struct RunInput {
    int index = 0;
    RoundingMode rounding = RoundingMode::Hundredths;
    bool multipleEntry = false;
    std::string amountText;
    std::string endText;  // multiple entry only
};

// The amounts of a multiple entry: ascending, by whole steps from start,
// at most 1001 of them.
struct RangePlan {
    double start = 0;
    double end = 0;
    bool endCut = false;  // a range wider than 1000 ends 999 after its start
    int count = 0;
};
RangePlan PlanRange(double start, double end);
// The amount of step k (from 0): start + k, never a sum that stops growing.
inline double RangeAmountAt(const RangePlan& plan, int k) { return plan.start + k; }

// What a run shows. The window copies it onto its controls.
struct RunOutput {
    std::string amountText;  // the amount box afterwards
    std::string endText;     // the ending amount box afterwards
    double amount = 0;       // the (last) amount converted
    double converted = 0;    // its result: unrounded in single entry, rounded in multiple entry
    std::string fromUnit;    // the table's labels, plural
    std::string toUnit;
    // Single entry: the labels as shown (singular where the numbers are at
    // most 1, " = " after the first) and the result box's text.
    std::string fromLabel;
    std::string toLabel;
    std::string resultText;
    // Multiple entry: the heading (the plural labels), then amount and
    // result, for the range's amounts.
    std::vector<std::array<std::string, 2>> rows;
    RangePlan range;
};

// Nothing when the index has no row in the table.
std::optional<RunOutput> RunConversion(const RunInput& input);

}  // namespace conversions
