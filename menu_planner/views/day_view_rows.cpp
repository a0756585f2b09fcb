#include "menu_planner/views/day_view_rows.h"

#include <algorithm>
#include <cmath>

#include "menu_planner/printing/menu_dates.h"
#include "menu_planner/store/year_menu_file.h"

namespace menu_planner {

namespace {

constexpr int MealEntries = 7;
// A line of a meal cell, as a share of the main panel's height.
constexpr double LineShare = 0.032;

DayViewRow ReadDayRow(const basic::ProgramFolder& folder, const basic::CalendarDate& date) {
    DayViewRow row;
    row.date = date;
    row.dayText = ShortDayText(date);
    // A file that cannot be read shows its days as unsaved, as a missing one does.
    const LoadedDay day = ReadDayMenu(folder, date.year, DayKey(date));
    if (day.result != DayRead::InUse) {
        row.meals[0] = NoMenuItemsText;
        return row;
    }
    row.saved = true;
    for (int meal = 0; meal < 3; ++meal) {
        int count = 0;
        for (int i = 0; i < MealEntries; ++i) {
            const std::string& entry = day.record.entries[static_cast<std::size_t>(meal * MealEntries + i)];
            if (entry.empty()) continue;
            row.meals[static_cast<std::size_t>(meal)] += entry + "\r";
            ++count;
        }
        row.lines = std::max(row.lines, count);
    }
    return row;
}

}  // namespace

std::vector<DayViewRow> ReadDayRows(const basic::ProgramFolder& folder, const basic::CalendarDate& start,
                                    int followingDays) {
    std::vector<DayViewRow> rows;
    if (followingDays < 0 || !start.valid()) return rows;
    const int days = std::min(followingDays, MostFollowingDays) + 1;
    rows.reserve(static_cast<std::size_t>(days));
    for (int k = 0; k < days; ++k) rows.push_back(ReadDayRow(folder, start.addDays(k)));
    return rows;
}

int DayRowHeight(const DayViewRow& row, int mainPanelHeight) {
    if (!row.saved) return 0;
    return static_cast<int>(std::lround(mainPanelHeight * LineShare * std::max(row.lines, 1)));
}

}  // namespace menu_planner
