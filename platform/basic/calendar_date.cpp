#include "platform/basic/calendar_date.h"

#include <chrono>

namespace basic {

namespace {
std::chrono::year_month_day Ymd(const CalendarDate& d) {
    return std::chrono::year{d.year} / std::chrono::month{static_cast<unsigned>(d.month)} /
           std::chrono::day{static_cast<unsigned>(d.day)};
}
}  // namespace

bool CalendarDate::valid() const {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && Ymd(*this).ok();
}

long CalendarDate::serial() const { return std::chrono::sys_days(Ymd(*this)).time_since_epoch().count(); }

CalendarDate CalendarDate::FromSerial(long days) {
    const std::chrono::year_month_day ymd{std::chrono::sys_days(std::chrono::days(days))};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int CalendarDate::weekday() const {
    return static_cast<int>(std::chrono::weekday(std::chrono::sys_days(Ymd(*this))).c_encoding()) + 1;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    const auto last = std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} / std::chrono::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

}  // namespace basic
