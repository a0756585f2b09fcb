#include "menu_planner/calendar_options.h"

#include "menu_planner/menu_planner_settings.h"
#include "platform/ui/month_view.h"

namespace menu_planner {

namespace {

int Read(const basic::ProgramFolder& folder, shell::settings::RecordRef record, int low, int high, int fallback) {
    const int value = shell::settings::ReadInteger(folder, record).value_or(0);
    return value < low || value > high ? fallback : value;
}

}  // namespace

CalendarOptions ReadCalendarOptions(const basic::ProgramFolder& folder) {
    CalendarOptions options;
    options.MonthsShown = Read(folder, MonthsShownRecord, 0, 2, 0);
    options.WeekNumbersOption = Read(folder, WeekNumbersOptionRecord, 0, 1, 0);
    // 0 is a record never written: Sunday, as any other value out of range.
    options.FirstWeekday = Read(folder, FirstWeekdayRecord, 1, 7, 1);
    options.ShowTodayOption = Read(folder, ShowTodayOptionRecord, 0, 1, 0);
    return options;
}

bool WriteCalendarOptions(const basic::ProgramFolder& folder, const CalendarOptions& options) {
    using shell::settings::WriteInteger;
    const bool months = WriteInteger(folder, MonthsShownRecord, static_cast<std::int16_t>(options.MonthsShown));
    const bool weeks =
        WriteInteger(folder, WeekNumbersOptionRecord, static_cast<std::int16_t>(options.WeekNumbersOption));
    const bool first = WriteInteger(folder, FirstWeekdayRecord, static_cast<std::int16_t>(options.FirstWeekday));
    const bool today = WriteInteger(folder, ShowTodayOptionRecord, static_cast<std::int16_t>(options.ShowTodayOption));
    return months && weeks && first && today;
}

void ApplyCalendarOptions(const CalendarOptions& options, ui::MonthView& calendar) {
    if (options.MonthsShown >= 0 && options.MonthsShown <= 2 &&
        (options.WeekNumbersOption == 0 || options.WeekNumbersOption == 1)) {
        calendar.setMonthColumns(options.MonthsShown + 1);
        calendar.setShowWeekNumbers(options.WeekNumbersOption == 0);
    }
    calendar.setStartOfWeek(options.FirstWeekday);
    calendar.setShowToday(options.ShowTodayOption != 0);
}

}  // namespace menu_planner
