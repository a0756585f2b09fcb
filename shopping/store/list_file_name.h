#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/basic/calendar_date.h"

// A list file is named after its shopping date: "ddmmmyy.Lst", the month
// spelt in English three-letter form (08Dec04.Lst for 8 December 2004),
// whatever the language of the machine, so a list is found again anywhere.
namespace shopping {

// The name for a date; none for a date that does not exist (never ".Lst").
std::optional<std::string> ListFileName(const basic::CalendarDate& date);

// The date the date box's text names: month, day and year apart by "/",
// a two-digit year 30-99 in the 1900s and 00-29 in the 2000s ("12/8/04" is
// 8 December 2004). None for an empty box or a text that is no date.
std::optional<basic::CalendarDate> ParseDateBoxText(std::string_view text);

// The shopping date a list file's name stands for ("08Dec04.Lst"), month
// case ignored; none when the name is not of that form or no date.
std::optional<basic::CalendarDate> ListFileDate(std::string_view fileName);

// Whether a chosen name may be opened as a list: it starts with a number
// above 0 and ends in ".Lst" (case ignored).
bool IsListFileName(std::string_view fileName);

}  // namespace shopping
