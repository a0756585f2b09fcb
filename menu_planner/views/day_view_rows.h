#pragma once
#include <array>
#include <string>
#include <vector>

#include "menu_planner/printing/menu_print_layout.h"
#include "platform/basic/calendar_date.h"
#include "platform/basic/program_folder.h"

// The rows of the day and range views, read from the year files.
namespace menu_planner {

inline constexpr std::string_view NoMenuItemsText = "No menu items were found";

struct DayViewRow {
    basic::CalendarDate date;
    std::string dayText;  // "Mon - Dec 20, 2004"
    // Breakfast, lunch, dinner: the non-blank entries in order, each followed
    // by a carriage return. A day without a saved record has "No menu items
    // were found" as its breakfast and the other two empty.
    std::array<std::string, 3> meals;
    bool saved = false;  // the day's record is marked "Full"
    int lines = 0;       // the most entries of one meal
};

// The start day and the followingDays days after it (none for a negative
// count), each from the year file of its own year. Creates no file.
std::vector<DayViewRow> ReadDayRows(const basic::ProgramFolder& folder, const basic::CalendarDate& start,
                                    int followingDays);

// The height of a saved day's row in twips: a share of the window's main
// panel for each line of its longest meal, one line at least, so that a day
// saved with blank entries still shows. 0 (the grid's own) for other days.
int DayRowHeight(const DayViewRow& row, int mainPanelHeight);

}  // namespace menu_planner
