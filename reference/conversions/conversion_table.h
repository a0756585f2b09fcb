#pragma once
#include <optional>
#include <span>
#include <string>

namespace conversions {

// The five groups of conversions, each a frame of the conversion window.
enum class ConversionGroup { WeightsAndMeasures, CanSizes, Temperature, EasyEquivalents, HowMuchHowMany };

// How a row computes its result from the amount.
enum class Formula { Factor, CelsiusToFahrenheit, FahrenheitToCelsius };

// One conversion: its option button's index and caption, the frame it sits
// in, how the result is computed, and the units shown beside the amount and
// the result (plural, as written; the window makes them singular).
struct ConversionEntry {
    int index;
    const char* caption;
    ConversionGroup group;
    int column;  // within the group, from 0
    Formula formula;
    double factor;  // the decimal constant as written (0.3334, not a third)
    const char* fromUnit;
    const char* toUnit;
};

inline constexpr int ConversionCount = 43;
// Stands for no conversion chosen.
inline constexpr int NoConversion = 99;

// The table, group by group in the window's order, column by column.
std::span<const ConversionEntry, ConversionCount> Conversions();
// The row of an option index; nullptr for an index without one (99 included).
const ConversionEntry* FindConversion(int index);
// The two temperature rows keep zero and negative amounts as typed.
bool IsTemperature(int index);

// What a conversion gives for an amount, with its unit labels.
struct Converted {
    double value;
    std::string fromUnit;
    std::string toUnit;
};
// Nothing for an index without a row.
std::optional<Converted> ApplyConversion(int index, double amount);

// The group's frame caption.
const char* GroupCaption(ConversionGroup group);

}  // namespace conversions
