#include "menu_planner/day_text.h"

#include <array>
#include <cstdio>

namespace menu_planner {

std::string DateCaption(const basic::CalendarDate& date) {
    static constexpr std::array<const char*, 12> months{"January",   "February", "March",    "April",
                                                        "May",       "June",     "July",     "August",
                                                        "September", "October",  "November", "December"};
    if (date.month < 1 || date.month > 12) return {};
    return std::string(months[static_cast<std::size_t>(date.month - 1)]) + " " + std::to_string(date.day) + ", " +
           std::to_string(date.year);
}

std::string ClockText(platform::LocalTime now) {
    const long long minutes = now.count() / 60000;
    const int minuteOfDay = static_cast<int>(((minutes % 1440) + 1440) % 1440);
    const int hour = minuteOfDay / 60;
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d %s", hour12, minuteOfDay % 60, hour < 12 ? "AM" : "PM");
    return text;
}

}  // namespace menu_planner
