#pragma once
#include <string>

#include "platform/basic/calendar_date.h"
#include "platform/services/clock.h"

namespace menu_planner {

// The date caption over the calendar: "January 5, 2004". Empty for a month
// that cannot be named.
std::string DateCaption(const basic::CalendarDate& date);

// The clock's text: "9:05 AM", "12:30 PM".
std::string ClockText(platform::LocalTime now);

}  // namespace menu_planner
