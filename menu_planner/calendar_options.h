#pragma once
#include "platform/basic/program_folder.h"

namespace ui {
class MonthView;
}

namespace menu_planner {

// How the calendar shows its days, as the records keep them.
struct CalendarOptions {
    int MonthsShown = 0;        // 0, 1, 2: one to three months
    int WeekNumbersOption = 0;  // 0 shown, 1 not
    int FirstWeekday = 1;       // 1 Sunday to 7 Saturday
    int ShowTodayOption = 0;    // 1 marked, 0 not

    friend bool operator==(const CalendarOptions&, const CalendarOptions&) = default;
};

// The stored options. A missing record reads as 0 and a first weekday of 0
// as Sunday; a value no option gives (a damaged file) reads as that option's
// default, so the panel always has one of its choices to show.
CalendarOptions ReadCalendarOptions(const basic::ProgramFolder& folder);
// False when a record could not be written.
[[nodiscard]] bool WriteCalendarOptions(const basic::ProgramFolder& folder, const CalendarOptions& options);

// The months, the week numbers, the first weekday and today's mark on the calendar.
void ApplyCalendarOptions(const CalendarOptions& options, ui::MonthView& calendar);

}  // namespace menu_planner
