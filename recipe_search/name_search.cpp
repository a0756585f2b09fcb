#include "recipe_search/name_search.h"

#include "platform/basic/text.h"
#include "recipes/store/recipe_lists.h"

namespace recipe_search {

std::vector<SearchHit> SearchByName(const recipes::CookbookReader& cookbook, std::string_view phrase) {
    std::vector<SearchHit> hits;
    std::vector<recipes::IndexEntry> found;
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) {
        found.clear();
        cookbook.VisitIndex(type, [&](std::string_view text, long number) {
            const std::string name = " " + basic::UCase(basic::Left(text, recipes::EntryNumberFrom));
            if (basic::InStr(name, phrase) > 0) found.push_back({std::string(text), number});
        });
        // Sorting only the hits keeps the list's order among them, for less work.
        recipes::SortForList(found);
        for (const recipes::IndexEntry& entry : found)
            hits.push_back({type, basic::LTrim(entry.text), entry.recordNumber});
    }
    return hits;
}

}  // namespace recipe_search
