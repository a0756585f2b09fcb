#include "menu_planner/store/meal_item_list.h"

#include <algorithm>

#include "platform/basic/atomic_write.h"
#include "platform/basic/text.h"

namespace menu_planner {

namespace {

std::vector<std::string> Kept(std::vector<std::string> items) {
    if (items.size() > MealListCapacity) items.resize(MealListCapacity);
    return items;
}

}  // namespace

std::string_view MealListFileName(Meal meal) {
    switch (meal) {
        case Meal::Breakfast: return "Menu1.Fil";
        case Meal::Lunch: return "Menu2.Fil";
        case Meal::Dinner: break;
    }
    return "Menu3.Fil";
}

std::string WithoutQuotes(std::string_view text) {
    std::string kept(text);
    std::erase(kept, '"');
    return kept;
}

MealItemList::MealItemList(std::vector<std::string> items) : items_(Kept(std::move(items))) {
    for (auto& item : items_) item = WithoutQuotes(item);
}

ListAdd MealItemList::AddTyped(std::string_view text) {
    std::string item = WithoutQuotes(text);
    if (item.empty()) return ListAdd::TooShort;
    const bool held = std::any_of(items_.begin(), items_.end(),
                                  [&](const std::string& existing) { return basic::EqualsNoCase(existing, item); });
    return held ? ListAdd::Duplicate : Add(std::move(item));
}

ListAdd MealItemList::Remember(std::string_view text) {
    std::string item = WithoutQuotes(text);
    if (item.size() < 2) return ListAdd::TooShort;
    const std::string wanted = basic::RTrim(item);
    const bool held = std::any_of(items_.begin(), items_.end(), [&](const std::string& existing) {
        return basic::EqualsNoCase(basic::RTrim(existing), wanted);
    });
    return held ? ListAdd::Duplicate : Add(std::move(item));
}

ListAdd MealItemList::Add(std::string item) {
    if (Count() >= MealListCapacity) return ListAdd::Full;
    items_.push_back(std::move(item));
    std::stable_sort(items_.begin(), items_.end(),
                     [](const std::string& a, const std::string& b) { return basic::LessNoCase(a, b); });
    return ListAdd::Added;
}

bool MealItemList::Delete(std::string_view text) {
    const std::string wanted = WithoutQuotes(text);
    if (wanted.empty()) return false;
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const std::string& item) { return basic::EqualsNoCase(item, wanted); });
    if (found == items_.end()) return false;
    items_.erase(found);
    return true;
}

namespace {

// A damaged file may hold quotes inside an item; they are left out as they are from typed text.
std::vector<std::string> AllWithoutQuotes(std::vector<std::string> items) {
    for (auto& item : items) item = WithoutQuotes(item);
    return items;
}

}  // namespace

std::string EncodeMealList(const MealItemList& list) {
    return basic::EncodeQuotedLines(list.Items());
}

std::vector<std::string> DecodeMealList(std::string_view bytes) {
    return AllWithoutQuotes(basic::DecodeQuotedItems(bytes));
}

LoadedMealList LoadMealList(const basic::ProgramFolder& folder, Meal meal) {
    auto file = basic::ReadQuotedLineFile(folder.Resolve(MealListFileName(meal)), MaxMealListFileBytes);
    if (file.result != ListRead::Read) return {file.result, {}, 0};
    auto items = AllWithoutQuotes(std::move(file.items));
    const int leftOut = std::max(0, static_cast<int>(items.size()) - MealListCapacity);
    return {ListRead::Read, MealItemList(std::move(items)), leftOut};
}

bool SaveMealList(const basic::ProgramFolder& folder, Meal meal, const MealItemList& list) {
    return basic::AtomicWriteFile(folder.Resolve(MealListFileName(meal)), EncodeMealList(list));
}

}  // namespace menu_planner
