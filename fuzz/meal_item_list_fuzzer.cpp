// A meal item list "Menu1.Fil" of any bytes, and a text typed or left in an
// entry box, apart by the file separator. Loading takes what it can, with no
// quote in any item; the list written back loads the same; an addition adds
// one item and leaves the list sorted, a deletion removes one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "menu_planner/store/meal_item_list.h"
#include "platform/basic/text.h"

namespace {

using menu_planner::ListAdd;
using menu_planner::Meal;
using menu_planner::MealItemList;

bool Sorted(const MealItemList& list) {
    return std::is_sorted(list.Items().begin(), list.Items().end(),
                          [](const std::string& a, const std::string& b) { return basic::LessNoCase(a, b); });
}

void CheckSavedLoadsTheSame(const fuzz::ScratchFolder& folder, const MealItemList& list) {
    const auto program = folder.programFolder();
    fuzz::Expect(menu_planner::SaveMealList(program, Meal::Breakfast, list), "the list is written");
    fuzz::Expect(menu_planner::LoadMealList(program, Meal::Breakfast).list.Items() == list.Items(),
                 "written, it loads the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parts = fuzz::SplitInput(fuzz::AsText(data, size), fuzz::FileSeparator, 2);
    parts.resize(2);
    const std::string typed(parts[1].substr(0, 60));
    const fuzz::ScratchFolder folder;
    folder.Write(menu_planner::MealListFileName(Meal::Breakfast), parts[0]);

    const auto loaded = menu_planner::LoadMealList(folder.programFolder(), Meal::Breakfast);
    fuzz::Expect(loaded.result == menu_planner::ListRead::Read, "a meal list of any bytes is read");
    fuzz::Expect(loaded.list.Count() <= menu_planner::MealListCapacity, "at most 1000 items are kept");
    for (const auto& item : loaded.list.Items())
        fuzz::Expect(item.find('"') == std::string::npos, "an item read holds no quote");
    CheckSavedLoadsTheSame(folder, loaded.list);

    for (const bool remembered : {false, true}) {
        MealItemList list = loaded.list;
        const int count = list.Count();
        const auto added = remembered ? list.Remember(typed) : list.AddTyped(typed);
        fuzz::Expect(list.Count() == count + (added == ListAdd::Added ? 1 : 0), "an addition adds one item or none");
        if (added == ListAdd::Added) fuzz::Expect(Sorted(list), "after an addition the list is sorted");
        CheckSavedLoadsTheSame(folder, list);
    }

    MealItemList list = loaded.list;
    const int count = list.Count();
    const bool deleted = list.Delete(typed);
    fuzz::Expect(list.Count() == count - (deleted ? 1 : 0), "a deletion removes one item or none");
    return 0;
}
