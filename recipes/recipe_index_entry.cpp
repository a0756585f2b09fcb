#include "recipes/recipe_index_entry.h"

#include <algorithm>
#include <cmath>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "recipes/recipe_record.h"

namespace recipes {

std::string RecipeNameAsStored(std::string_view name) { return basic::RTrim(basic::Left(name, RecipeNameWidth)); }

std::string MakeIndexEntry(std::string_view name, long recordNumber) {
    std::string entry = RecipeNameAsStored(name);
    entry.resize(EntryNumberFrom, ' ');
    return entry + std::to_string(recordNumber);
}

std::optional<long> EntryRecordNumber(std::string_view entry) {
    const std::string numberText = basic::Mid(entry, EntryNumberFrom);
    if (basic::Trim(numberText).empty()) return std::nullopt;
    const double number = basic::Val(numberText);
    if (number < 1 || number > MaxRecipeRecords || number != std::floor(number)) return std::nullopt;
    return static_cast<long>(number);
}

std::string EntryName(std::string_view entry) { return basic::RTrim(basic::Left(entry, EntryNumberFrom)); }

}  // namespace recipes

namespace recipes {

void SortForList(std::vector<IndexEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const IndexEntry& a, const IndexEntry& b) { return basic::LessNoCase(a.text, b.text); });
}

}  // namespace recipes
