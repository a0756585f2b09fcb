#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/basic/program_folder.h"
#include "platform/basic/quoted_line_file.h"

// The three meal item lists "Menu1.Fil" (breakfast), "Menu2.Fil" (lunch) and
// "Menu3.Fil" (dinner) that fill the meal pick lists. One quoted item a line,
// in the order of the last write: sorted after an addition, the stored order
// less the entry after a deletion.
namespace menu_planner {

enum class Meal { Breakfast = 1, Lunch = 2, Dinner = 3 };

std::string_view MealListFileName(Meal meal);

inline constexpr int MealListCapacity = 1000;
// 1000 items of the boxes' 30 characters are some 34 kilobytes.
inline constexpr std::uintmax_t MaxMealListFileBytes = 2 << 20;

enum class ListAdd {
    Added,
    Duplicate,  // the list holds it already
    Full,       // the list holds MealListCapacity items
    TooShort,   // empty (typed), or under two characters (remembered)
};

class MealItemList {
public:
    MealItemList() = default;
    // Items in file order, quotes left out; up to MealListCapacity are kept.
    explicit MealItemList(std::vector<std::string> items);

    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }

    // An entry typed into the Edit Lists panel. A duplicate is an item equal
    // to it but for case; blanks count ("Toast " is not "toast"). Once added
    // the list is in alphabetical order without regard to case, as the pick
    // list shows it and as the file is then written.
    ListAdd AddTyped(std::string_view text);

    // An entry box's text remembered as the user moves on from the box. Held
    // already when an item equals it with trailing blanks removed from both
    // and case ignored; leading blanks count. Added as typed, then sorted as
    // AddTyped does. Single characters are never remembered.
    ListAdd Remember(std::string_view text);

    // Removes the first item equal to text but for case (blanks count),
    // keeping the order of the others; the last item too. False when none
    // matched.
    bool Delete(std::string_view text);

private:
    ListAdd Add(std::string item);

    std::vector<std::string> items_;
};

// Double quotes cannot be stored: the file puts every item between quotes,
// and one inside would end it early. Every text that enters a list passes
// through here.
std::string WithoutQuotes(std::string_view text);

std::string EncodeMealList(const MealItemList& list);
// Every item of the bytes, whatever they hold, quotes left out.
std::vector<std::string> DecodeMealList(std::string_view bytes);

// How a meal list file was read (missing: an empty list).
using ListRead = basic::FileRead;

struct LoadedMealList {
    ListRead result = ListRead::Read;
    MealItemList list;  // empty unless Read
    int leftOut = 0;    // items past MealListCapacity, not kept
};

LoadedMealList LoadMealList(const basic::ProgramFolder& folder, Meal meal);

// Rewrites the meal's file whole through a temporary file, so a failure
// leaves the old file whole; false when it failed.
[[nodiscard]] bool SaveMealList(const basic::ProgramFolder& folder, Meal meal, const MealItemList& list);

}  // namespace menu_planner
