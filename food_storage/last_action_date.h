#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/basic/calendar_date.h"

namespace food_storage {

// The date of a last action as typed or stored: month/day/year, the year in
// two digits or four; nothing when it names no day that exists.
std::optional<basic::CalendarDate> ReadLastActionDate(std::string_view text);

// As the calendar writes it into the grid: "04/12/04".
std::string LastActionDateText(const basic::CalendarDate& date);

}  // namespace food_storage
