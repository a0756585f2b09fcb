#pragma once
#include <compare>

namespace basic {

// A day of the calendar, as a date picker shows it: no time, no time zone.
struct CalendarDate {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;    // 1-31

    // Whether it names a day that exists (years 100 to 9999).
    bool valid() const;
    // Days since 1 January 1970 (negative before).
    long serial() const;
    static CalendarDate FromSerial(long days);
    // Day of the week, 1 Sunday to 7 Saturday.
    int weekday() const;
    CalendarDate addDays(long days) const { return FromSerial(serial() + days); }

    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

int DaysInMonth(int year, int month);

}  // namespace basic
