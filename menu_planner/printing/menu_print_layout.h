#pragma once
#include <string>
#include <string_view>

#include "platform/basic/calendar_date.h"
#include "platform/basic/program_folder.h"
#include "platform/ui/print_document.h"
#include "printing/print_font.h"

// The menu planner on paper: one block per day with its breakfast, lunch and
// dinner entries in three columns, under a page header with the family name
// and the date printed on. The days are read from the year files as they
// stand on disk.
namespace menu_planner {

// The most days that may follow the first in a range.
inline constexpr int MostFollowingDays = 31;

// The captions of the preview's "Print Range" option for each layout.
inline constexpr std::string_view CurrentDatePrintCaption = "Current Date will be printed";
inline constexpr std::string_view DateRangePrintCaption = "Current Date Plus will be printed";

// What every page shows besides the days.
struct MenuPrintSetup {
    std::string familyName;         // before "Menu Planner" in the title, when not empty
    basic::CalendarDate printedOn;  // today: the "Printed on" line
    bool PrintDateOn = true;        // "Print Date on each page" checked; unchecked the line stays, empty
    bool GridLinesOn = true;        // "Print Grid Lines" checked: rules, column lines and the page frame
};

// Lays one day out as a new document, replacing what doc held. False when
// the day has no saved record (the window then says "There are no Entries
// to print."); the document is ended either way, holding the page header.
[[nodiscard]] bool LayoutCurrentDate(ui::PrintDocument& doc, const printing::PrintFontSettings& font,
                                     const basic::ProgramFolder& folder, const basic::CalendarDate& day,
                                     const MenuPrintSetup& setup);

// Lays the start day and the followingDays days after it out as a new
// document, each day from the year file of its own year; a day without a
// saved record prints as "No menu items were found for this date.". Pages
// break between and within days; a document of more than one page has its
// pages numbered. A count above 31 is taken as 31; a negative one prints
// the page header alone.
void LayoutDateRange(ui::PrintDocument& doc, const printing::PrintFontSettings& font,
                     const basic::ProgramFolder& folder, const basic::CalendarDate& start, int followingDays,
                     const MenuPrintSetup& setup);

}  // namespace menu_planner
