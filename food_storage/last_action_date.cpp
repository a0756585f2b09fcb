#include "food_storage/last_action_date.h"

#include <cstdio>
#include <string>

namespace food_storage {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::optional<basic::CalendarDate> ReadLastActionDate(std::string_view text) {
    const std::string t = Trimmed(text);
    int parts[3] = {0, 0, 0};
    int count = 0;
    int digits = 0;
    for (char c : t) {
        if (c == '/') {
            if (digits == 0 || ++count > 2) return std::nullopt;
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            // Four digits at most: a year, or a month or day with leading zeros.
            if (++digits > 4) return std::nullopt;
            parts[count] = parts[count] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (count != 2 || digits == 0) return std::nullopt;
    int year = parts[2];
    // Two-digit years as the calendar writes them: 30 to 99 the 1900s, the rest the 2000s.
    if (digits <= 2) year += year < 30 ? 2000 : 1900;
    const basic::CalendarDate date{year, parts[0], parts[1]};
    if (!date.valid()) return std::nullopt;
    return date;
}

std::string LastActionDateText(const basic::CalendarDate& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%02d", date.month % 100, date.day % 100, date.year % 100);
    return buffer;
}

}  // namespace food_storage
