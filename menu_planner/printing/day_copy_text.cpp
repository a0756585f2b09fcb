#include "menu_planner/printing/day_copy_text.h"

#include <algorithm>

#include "menu_planner/printing/menu_dates.h"
#include "printing/clipboard_text.h"

namespace menu_planner {

namespace {

const std::string CrLf = "\r\n";
constexpr int Rows = 7;

const std::string& Box(const DayBoxes& boxes, int meal, int row) {
    return boxes[static_cast<std::size_t>(meal * Rows + row)];
}

// The widest of a column's head and its seven cells; the first of equals.
std::string Widest(const DayBoxes& boxes, int meal, std::string_view head, const printing::TextMeasure& measure) {
    std::string widest(head);
    for (int r = 0; r < Rows; ++r) {
        const std::string& cell = Box(boxes, meal, r);
        if (measure.Width(cell) > measure.Width(widest)) widest = cell;
    }
    return widest;
}

}  // namespace

bool AnyDayEntry(const DayBoxes& boxes) {
    return std::any_of(boxes.begin(), boxes.end(), [](const std::string& box) { return !box.empty(); });
}

std::string DayCopyText(const DayBoxes& boxes, const basic::CalendarDate& day, const printing::TextMeasure& measure) {
    const double breakfastWidth = measure.Width(Widest(boxes, 0, "Breakfast", measure));
    const double lunchWidth = measure.Width(Widest(boxes, 1, "Lunch", measure));
    // Fill stops after a bounded number of blanks, whatever the font measures.
    auto line = [&](std::string_view breakfast, std::string_view lunch, std::string_view dinner) {
        return measure.Fill(breakfast, breakfastWidth) + "\t" + measure.Fill(lunch, lunchWidth) + "\t" +
               std::string(dinner) + CrLf;
    };
    std::string text = "Menu Planner for  " + LongDayText(day) + ":" + CrLf + CrLf;
    text += line("Breakfast", "Lunch", "Dinner");
    for (int r = 0; r < Rows; ++r) {
        const std::string& breakfast = Box(boxes, 0, r);
        const std::string& lunch = Box(boxes, 1, r);
        const std::string& dinner = Box(boxes, 2, r);
        if (breakfast.empty() && lunch.empty() && dinner.empty()) continue;
        text += line(breakfast, lunch, dinner);
    }
    return text;
}

bool CopyDayMenu(platform::Clipboard& clipboard, platform::Dialogs& dialogs, const DayBoxes& boxes,
                 const basic::CalendarDate& day, const printing::TextMeasure& measure) {
    using platform::MsgButtons;
    using platform::MsgIcon;
    if (!AnyDayEntry(boxes)) {
        dialogs.MessageBox(
            {"Copy", "There are currently No Entries to Copy!", MsgIcon::Information, MsgButtons::OK, 1});
        return false;
    }
    return printing::PutTextOnClipboard(clipboard, dialogs, DayCopyText(boxes, day, measure),
                                        "Data has been copied to the Windows Clipboard.", "menu");
}

}  // namespace menu_planner
