#pragma once
#include <string>

#include "platform/basic/calendar_date.h"

// The dates of the menu planner's views, printouts and copy, in English.
namespace menu_planner {

// "Mon - Dec 20, 2004": a row of the day and range views.
std::string ShortDayText(const basic::CalendarDate& date);
// "Monday - December 20, 2004": a day's heading on paper and in the copy.
std::string LongDayText(const basic::CalendarDate& date);
// "December 20, 2004": the "Printed on" line.
std::string MonthDayYearText(const basic::CalendarDate& date);

}  // namespace menu_planner
