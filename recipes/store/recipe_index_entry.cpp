#include "recipes/store/recipe_index_entry.h"

#include <algorithm>
#include <cmath>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "recipes/store/recipe_record.h"

namespace recipes {

std::string RecipeNameAsStored(std::string_view name) { return basic::RTrim(basic::Left(name, RecipeNameWidth)); }

std::string MakeIndexEntry(std::string_view name, long recordNumber) {
    std::string entry = RecipeNameAsStored(name);
    entry.resize(EntryNumberFrom, ' ');
    return entry + std::to_string(recordNumber);
}

namespace {

// The usual entry: blanks, then digits to its end. Anything else is left to
// the full reading of a number.
std::optional<long> PlainRecordNumber(std::string_view entry) {
    if (entry.size() <= static_cast<std::size_t>(EntryNumberFrom - 1)) return std::nullopt;
    std::size_t at = static_cast<std::size_t>(EntryNumberFrom - 1);
    while (at < entry.size() && entry[at] == ' ') ++at;
    if (at == entry.size() || entry.size() - at > 5) return std::nullopt;
    long number = 0;
    for (; at < entry.size(); ++at) {
        if (entry[at] < '0' || entry[at] > '9') return std::nullopt;
        number = number * 10 + (entry[at] - '0');
    }
    return number;
}

}  // namespace

std::optional<long> EntryRecordNumber(std::string_view entry) {
    if (const auto plain = PlainRecordNumber(entry)) {
        if (*plain < 1 || *plain > MaxRecipeRecords) return std::nullopt;
        return plain;
    }
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
