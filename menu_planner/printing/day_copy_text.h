#pragma once
#include <array>
#include <string>

#include "menu_planner/store/year_menu_file.h"
#include "platform/basic/calendar_date.h"
#include "platform/services/clipboard.h"
#include "platform/services/dialogs.h"
#include "printing/text_measure.h"

namespace menu_planner {

// The texts of the 21 entry boxes, as they stand: 0-6 breakfast, 7-13 lunch, 14-20 dinner.
using DayBoxes = std::array<std::string, DayEntryCount>;

// The day as clipboard text, every line ending in CR LF: "Menu Planner for  "
// and the day's long date with ":", an empty line, the heads and one line per
// row with an entry, the columns parted by tabs. The breakfast and lunch
// cells are filled with blanks to the widest of their column in the
// measure's font (the printer's); without a measure nothing is filled.
std::string DayCopyText(const DayBoxes& boxes, const basic::CalendarDate& day, const printing::TextMeasure& measure);

// Whether any box holds text; a box of blanks counts.
bool AnyDayEntry(const DayBoxes& boxes);

// The copy command: puts the day on the clipboard and tells the user that it
// went there, that there was nothing to copy, or that the clipboard did not
// take it. True when the day was copied.
bool CopyDayMenu(platform::Clipboard& clipboard, platform::Dialogs& dialogs, const DayBoxes& boxes,
                 const basic::CalendarDate& day, const printing::TextMeasure& measure);

}  // namespace menu_planner
