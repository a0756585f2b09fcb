#include "menu_planner/printing/menu_dates.h"

#include <array>
#include <string_view>

namespace menu_planner {

namespace {

constexpr std::array<std::string_view, 7> DayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> MonthNames = {"January",   "February", "March",    "April",
                                                         "May",       "June",     "July",     "August",
                                                         "September", "October",  "November", "December"};

std::string_view DayName(const basic::CalendarDate& date) {
    return DayNames[static_cast<std::size_t>(date.weekday() - 1)];
}
std::string_view MonthName(const basic::CalendarDate& date) {
    return MonthNames[static_cast<std::size_t>(date.month - 1)];
}
// The day of the month as two digits, the year as it stands.
std::string DayAndYear(const basic::CalendarDate& date) {
    return (date.day < 10 ? "0" : "") + std::to_string(date.day) + ", " + std::to_string(date.year);
}

}  // namespace

std::string ShortDayText(const basic::CalendarDate& date) {
    if (!date.valid()) return {};
    return std::string(DayName(date).substr(0, 3)) + " - " + std::string(MonthName(date).substr(0, 3)) + " " +
           DayAndYear(date);
}

std::string LongDayText(const basic::CalendarDate& date) {
    if (!date.valid()) return {};
    return std::string(DayName(date)) + " - " + MonthDayYearText(date);
}

std::string MonthDayYearText(const basic::CalendarDate& date) {
    if (!date.valid()) return {};
    return std::string(MonthName(date)) + " " + DayAndYear(date);
}

}  // namespace menu_planner
