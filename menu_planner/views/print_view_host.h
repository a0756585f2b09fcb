#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "platform/basic/calendar_date.h"

namespace menu_planner {

// What the Print/View panel needs of the menu planner window that carries
// it. The window fills every member before the panel is used; the panel
// never touches the window's other controls or menus.
struct PrintViewHost {
    // The day the entry boxes were loaded from (the first day of the views);
    // nullopt while no day is loaded.
    std::function<std::optional<basic::CalendarDate>()> loadedDay;
    // The texts of the 21 entry boxes as they stand.
    std::function<std::array<std::string, 21>()> entryTexts;
    // The height of the window's main panel, in twips: rows are sized by it.
    std::function<int()> mainPanelHeight;
    // A view was shown, or the day alone was asked for: "&Edit Lists" gets
    // its check mark, "&Clear Entries" and "&Save" are disabled.
    std::function<void()> viewShown;
    // "&Print", with something to print: the window opens its print preview,
    // which renders through RenderPrintout.
    std::function<void()> print;
    // "&Close" (or Esc) hid the panel: the window takes the check mark off
    // "&Edit Lists", enables "&Clear Entries" and "&Save", loads the
    // calendar's day again, and gives its boxes and buttons back their tab
    // stops and "Calendar &Display Options" its enabling.
    std::function<void()> closed;
};

}  // namespace menu_planner
