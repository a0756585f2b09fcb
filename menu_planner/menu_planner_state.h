#pragma once
#include <array>

#include "menu_planner/calendar_options.h"
#include "menu_planner/store/meal_item_list.h"
#include "menu_planner/store/year_menu_file.h"
#include "platform/basic/calendar_date.h"

namespace menu_planner {

// The list the Edit Lists panel shows, if any.
enum class EditList { None = 0, Breakfast = 1, Lunch = 2, Dinner = 3 };

// What the menu planner window knows between events, apart from what its
// boxes show. The window keeps it here, never in its controls; tests read
// it. A variable the window's documents name keeps its name.
struct MenuPlannerState {
    // --- the day in the boxes
    int CurrentYear = 0;    // year of the calendar's day at the last load or save
    int CurrentDayKey = 0;  // DayKey of that day
    int LoadedYear = 0;     // the day the boxes were loaded from
    int LoadedDayKey = 0;
    basic::CalendarDate LoadedDate;     // the calendar's day at the last load
    basic::CalendarDate MenuStartDate;  // first day of the views and printouts
    bool DayLoaded = false;             // false after a load failed: the day commands are off
    bool EntriesChanged = false;        // the boxes differ from what was loaded or saved
    DayMenuRecord DayRecord;            // the record of the last load or save

    // --- the entry boxes and pick lists
    int CurrentBox = 0;  // 0-20: the box that has, or last had, the focus
    // 1 breakfast, 2 lunch, 3 dinner: the meal of that box.
    Meal CurrentMeal = Meal::Breakfast;
    // The box being left is to be remembered in its meal's list when the
    // next entry box takes the focus (it was clicked into, or left by Enter).
    bool RememberPending = false;
    // The three meal lists in file order: breakfast, lunch, dinner.
    std::array<MealItemList, 3> MealLists;

    // --- panels over the day's area
    bool OptionsOpen = false;  // "Calendar Display Options"
    EditList EditListOpen = EditList::None;
    CalendarOptions Options;

    // --- colours and leaving
    bool ColorsChanged = false;  // the text colour changed in this opening
    int ClosedByExit = 0;        // 9 right after "E&xit" unloaded the window, for the Options popup

    MealItemList& list(Meal meal) { return MealLists[static_cast<std::size_t>(meal) - 1]; }
};

}  // namespace menu_planner
