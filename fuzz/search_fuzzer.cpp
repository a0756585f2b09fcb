// The name and ingredient searches over a cookbook of damaged files: the
// input holds three control bytes, then the data file, three index files,
// the ingredient words (boxes apart by '|') and the name phrase, apart by the
// file separator. Every hit names an entry of its type's index, the types come
// in list order, and the ingredient search finds the same on one thread as on
// several.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/scratch_folder.h"
#include "platform/basic/text.h"
#include "recipe_search/ingredient_search.h"
#include "recipe_search/name_search.h"
#include "recipes/store/cookbook_reader.h"
#include "recipes/store/recipe_lists.h"

namespace {

using recipe_search::SearchHit;

// The name search shows an entry without its leading blanks.
enum class Shown { AsStored, LeftTrimmed };

void CheckHitsNameEntries(const recipes::CookbookReader& cookbook, const std::vector<SearchHit>& hits, Shown shown) {
    std::array<std::vector<recipes::IndexEntry>, recipes::RecipeTypeCount + 1> indexes;
    std::array<bool, recipes::RecipeTypeCount + 1> read{};
    int lastType = 1;
    for (const SearchHit& hit : hits) {
        fuzz::Expect(hit.type >= lastType && hit.type <= recipes::RecipeTypeCount, "hits come type by type");
        lastType = hit.type;
        const auto type = static_cast<std::size_t>(hit.type);
        if (!read[type]) indexes[type] = cookbook.ReadIndex(hit.type);
        read[type] = true;
        const bool named = std::any_of(indexes[type].begin(), indexes[type].end(), [&](const recipes::IndexEntry& e) {
            return e.recordNumber == hit.recordNumber &&
                   (shown == Shown::AsStored ? e.text : basic::LTrim(e.text)) == hit.entry;
        });
        fuzz::Expect(named, "every hit names an entry of its type's index");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, 3> control{};
    std::copy_n(data, std::min(size, control.size()), control.begin());
    const auto rest = fuzz::AsText(data, size).substr(std::min(size, control.size()));
    auto parts = fuzz::SplitInput(rest, fuzz::FileSeparator, 6);
    parts.resize(6);

    const auto mode = static_cast<recipe_search::IngredientMode>(control[0] % 3);
    const unsigned threads = 2 + control[0] / 3 % 7;
    const int types[] = {1 + control[1] % recipes::RecipeTypeCount, 1 + control[2] % recipes::RecipeTypeCount,
                         1 + (control[1] + control[2]) % recipes::RecipeTypeCount};
    const fuzz::ScratchFolder folder;
    const recipes::CookbookReader cookbook(folder.programFolder(), 1);
    if (!parts[0].empty()) folder.Write(recipes::RecipeDataFileName(1), parts[0]);
    for (std::size_t i = 0; i < 3; ++i)
        if (!parts[i + 1].empty()) folder.Write(recipes::RecipeIndexFileName(types[i], 1), parts[i + 1]);

    recipe_search::IngredientQuery query{{}, mode};
    const auto boxes = fuzz::SplitInput(parts[4], "|", 3);
    for (std::size_t i = 0; i < boxes.size(); ++i) query.boxes[i] = std::string(boxes[i]);

    const auto alone = recipe_search::SearchAllByIngredient(cookbook, query, 1);
    CheckHitsNameEntries(cookbook, alone, Shown::AsStored);
    fuzz::Expect(recipe_search::SearchAllByIngredient(cookbook, query, threads) == alone,
                 "the ingredient search finds the same on one thread as on several");
    const auto ofType = recipe_search::SearchTypeByIngredient(cookbook, types[0], query, threads);
    CheckHitsNameEntries(cookbook, ofType, Shown::AsStored);
    fuzz::Expect(recipe_search::SearchTypeByIngredient(cookbook, types[0], query, 1) == ofType,
                 "the search of one type finds the same on one thread as on several");

    CheckHitsNameEntries(cookbook, recipe_search::SearchByName(cookbook, basic::UCase(parts[5])), Shown::LeftTrimmed);
    std::size_t entries = 0;
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) entries += cookbook.ReadIndex(type).size();
    const auto everything = recipe_search::SearchByName(cookbook, " ");
    CheckHitsNameEntries(cookbook, everything, Shown::LeftTrimmed);
    fuzz::Expect(everything.size() == entries, "a single blank finds every entry");
    return 0;
}
