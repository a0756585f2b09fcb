#include "recipe_search/name_search.h"

#include "platform/basic/text.h"
#include "recipes/recipe_lists.h"

namespace recipe_search {

std::vector<SearchHit> SearchByName(const recipes::CookbookReader& cookbook, std::string_view phrase) {
    std::vector<SearchHit> hits;
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) {
        for (const recipes::IndexEntry& entry : cookbook.ReadSortedIndex(type)) {
            const std::string name = " " + basic::UCase(basic::Left(entry.text, recipes::EntryNumberFrom));
            if (basic::InStr(name, phrase) > 0) hits.push_back({type, basic::LTrim(entry.text)});
        }
    }
    return hits;
}

}  // namespace recipe_search
