#include "shopping/printing/shopping_date_text.h"

#include <array>

#include "shopping/store/list_file_name.h"

namespace shopping {

namespace {

constexpr std::array<std::string_view, 7> DayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> MonthNames = {"January",   "February", "March",    "April",
                                                         "May",       "June",     "July",     "August",
                                                         "September", "October",  "November", "December"};

}  // namespace

std::string ShoppingDateLine(std::string_view dateBoxText) {
    const auto date = ParseDateBoxText(dateBoxText);
    if (!date) return std::string(dateBoxText);
    const std::string day = (date->day < 10 ? "0" : "") + std::to_string(date->day);
    return std::string(DayNames[static_cast<std::size_t>(date->weekday() - 1)]) + ", " +
           std::string(MonthNames[static_cast<std::size_t>(date->month - 1)]) + " " + day + ", " +
           std::to_string(date->year);
}

}  // namespace shopping
