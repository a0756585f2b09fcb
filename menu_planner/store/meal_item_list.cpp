#include "menu_planner/store/meal_item_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/sequential_reader.h"
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

std::string EncodeMealList(const MealItemList& list) {
    std::string bytes;
    for (const auto& item : list.Items()) bytes += '"' + item + "\"\r\n";
    return bytes;
}

std::vector<std::string> DecodeMealList(std::string_view bytes) {
    auto reader = basic::SequentialReader::FromBytes(std::string(bytes));
    std::vector<std::string> items;
    while (auto item = reader.Input()) items.push_back(WithoutQuotes(*item));
    return items;
}

LoadedMealList LoadMealList(const basic::ProgramFolder& folder, Meal meal) {
    const auto path = folder.Resolve(MealListFileName(meal));
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {error ? ListRead::Unreadable : ListRead::Missing, {}, 0};
    const auto length = basic::FileLen(path);
    if (length && *length > MaxMealListFileBytes) return {ListRead::TooLarge, {}, 0};
    const auto bytes = basic::ReadWholeFile(path, MaxMealListFileBytes);
    if (!bytes) return {ListRead::Unreadable, {}, 0};
    auto items = DecodeMealList(*bytes);
    const int leftOut = std::max(0, static_cast<int>(items.size()) - MealListCapacity);
    return {ListRead::Read, MealItemList(std::move(items)), leftOut};
}

bool SaveMealList(const basic::ProgramFolder& folder, Meal meal, const MealItemList& list) {
    return basic::AtomicWriteFile(folder.Resolve(MealListFileName(meal)), EncodeMealList(list));
}

}  // namespace menu_planner
