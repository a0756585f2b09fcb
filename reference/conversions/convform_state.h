#pragma once
#include <string>

#include "reference/conversions/conversion_numbers.h"
#include "reference/conversions/conversion_table.h"

namespace conversions {

enum class EntryMode { Single = 0, Multiple = 1 };

// What the conversion window knows between events. Reset gives every field
// its value after a reset; the window's controls keep what they show.
struct ConversionState {
    double ConversionAmount = 0;  // the amount being converted
    double ConvertedAmount = 0;   // the last result
    std::string FromUnitText;     // the table's unit labels of the last conversion
    std::string ToUnitText;
    // The option index of the chosen conversion; NoConversion when none is.
    int SelectedConversion = NoConversion;
    // Activation sets hundredths; 0 only between a reset and the next activation.
    int RoundingMode = 0;
    conversions::EntryMode EntryMode = EntryMode::Single;
    double RangeStart = 0;
    double RangeEnd = 0;
    double RangeAmount = 0;
    int ResultRow = 0;  // the last grid row written
    // Whether the Exit button has lost the focus since it last had it.
    bool ExitButtonLeft = false;

    void Reset() { *this = ConversionState(); }
    conversions::RoundingMode rounding() const { return static_cast<conversions::RoundingMode>(RoundingMode); }
};

}  // namespace conversions
