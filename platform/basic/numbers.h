#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number conversions of the Basic language. Text is Windows-1252; number
// text never depends on the process locale.
namespace basic {

// The number at the start of s: blanks are ignored anywhere, then an
// optional sign, digits and at most one decimal point are taken; reading
// stops at the first other character, so "2 1/2" reads as 21, "1,234" as 1
// and "1e2" as 1. Empty, non-numeric or out-of-range text reads as 0.
double Val(std::string_view s);

// Up to 15 significant digits, a leading blank for non-negative values, no
// zero before the decimal point (" .5", "-.25", " 12") and E notation below
// 1E-4 and from 1E+15 on (" 1E+16", " 1.5E-05").
std::string Str(double value);

// As Str without the leading blank and with a zero before the point ("0.5").
std::string CStr(double value);

// Largest whole number <= value.
double Int(double value);
// Whole part, rounded toward zero.
double Fix(double value);

// Rounded half to even; nullopt when the result does not fit.
std::optional<std::int16_t> CInt(double value);
std::optional<std::int32_t> CLng(double value);

// Formats value by a numeric mask made of '0' (digit always shown), '#'
// (digit shown when significant), ',' in the whole part (thousands
// separators), one '.' and a trailing '%' (value shown times 100), such as
// "0", "0.00", "#,##0.00", "0.0%", "#.##". Rounds half away from zero. A '#'
// whole part prints nothing for zero and the point stays even when no
// decimals follow (Format(0.5, "#.##") = ".5", Format(5, "#.##") = "5.").
// Any other mask gives CStr(value).
std::string Format(double value, std::string_view mask);

}  // namespace basic
