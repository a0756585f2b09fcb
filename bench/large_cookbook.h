#pragma once
// A cookbook at its largest for the benchmarks: 30000 recipes over the 22
// types, made by the benchmark itself.
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "platform/testing/test_folder.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"
#include "recipes/store/recipe_store.h"

namespace bench {

// 30000 recipes, record k in type (k % 22) + 1; record 30000 is deleted.
class LargeCookbook {
public:
    LargeCookbook() : store_(basic::ProgramFolder(folder_.path()), 1) {
        // Recipes of a dozen lines each, drawn from a kitchen's usual ingredients,
        // so that a search word is found in some recipes, as in a real cookbook.
        static constexpr const char* kIngredients[] = {"all-purpose flour",
                                                       "granulated sugar",
                                                       "brown sugar",
                                                       "butter",
                                                       "eggs",
                                                       "whole milk",
                                                       "salt",
                                                       "baking powder",
                                                       "baking soda",
                                                       "vanilla extract",
                                                       "ground cinnamon",
                                                       "olive oil",
                                                       "garlic cloves",
                                                       "yellow onion",
                                                       "carrots",
                                                       "celery stalks",
                                                       "chicken breasts",
                                                       "ground beef",
                                                       "tomato sauce",
                                                       "diced tomatoes",
                                                       "black pepper",
                                                       "paprika",
                                                       "dried oregano",
                                                       "fresh basil",
                                                       "parmesan cheese",
                                                       "cheddar cheese",
                                                       "sour cream",
                                                       "heavy cream",
                                                       "lemon juice",
                                                       "honey",
                                                       "rolled oats",
                                                       "raisins",
                                                       "walnuts",
                                                       "pecans",
                                                       "chocolate chips",
                                                       "cocoa powder",
                                                       "cornstarch",
                                                       "rice",
                                                       "egg noodles",
                                                       "potatoes",
                                                       "green beans",
                                                       "peas",
                                                       "corn",
                                                       "mushrooms",
                                                       "bell pepper",
                                                       "chili powder",
                                                       "cumin",
                                                       "soy sauce",
                                                       "ginger",
                                                       "apples",
                                                       "bananas",
                                                       "strawberries",
                                                       "blueberries",
                                                       "cream cheese",
                                                       "powdered sugar",
                                                       "shortening",
                                                       "yeast",
                                                       "water",
                                                       "vegetable oil",
                                                       "bread crumbs",
                                                       "ham",
                                                       "bacon",
                                                       "sausage",
                                                       "turkey",
                                                       "shrimp",
                                                       "salmon",
                                                       "cabbage",
                                                       "spinach",
                                                       "zucchini",
                                                       "pumpkin",
                                                       "maple syrup",
                                                       "molasses",
                                                       "coconut",
                                                       "almonds",
                                                       "nutmeg",
                                                       "buttermilk",
                                                       "mayonnaise",
                                                       "mustard",
                                                       "vinegar",
                                                       "thyme"};
        constexpr std::size_t count = std::size(kIngredients);
        auto recipeNumber = [&](long k) {
            recipes::RecipeRecord record;
            for (int line = 0; line < 12; ++line) {
                const auto i = static_cast<std::size_t>(line);
                record.amounts[i] = "1.5";
                record.units[i] = "cups";
                record.ingredients[i] = kIngredients[static_cast<std::size_t>(k * 7919 + line * 104729) % count];
            }
            record.directions = std::string(600, 'd');
            record.marker = "Full1";
            return recipes::EncodeRecipeRecord(record);
        };
        const std::string deleted = recipes::EncodeRecipeRecord(recipes::DeletedRecipeRecord());

        std::string data;
        data.reserve(static_cast<std::size_t>(recipes::MaxRecipeRecords) * recipes::RecipeRecordLength);
        std::vector<std::string> indexes(recipes::RecipeTypeCount);
        for (long k = 1; k <= recipes::MaxRecipeRecords; ++k) {
            data += k == recipes::MaxRecipeRecords ? deleted : recipeNumber(k);
            if (k == recipes::MaxRecipeRecords) continue;
            const std::string entry = recipes::MakeIndexEntry("Recipe " + std::to_string(k * 7919 % 30011), k);
            std::string indexRecord(recipes::IndexRecordLength, '\0');
            indexRecord[0] = static_cast<char>(entry.size());
            indexRecord.replace(2, entry.size(), entry);
            indexes[static_cast<std::size_t>(k % recipes::RecipeTypeCount)] += indexRecord;
        }
        basic::testing::WriteBytes(store_.DataFilePath(), data);
        for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
            basic::testing::WriteBytes(store_.IndexFilePath(type), indexes[static_cast<std::size_t>(type - 1)]);
    }

    recipes::RecipeStore& store() { return store_; }

    // Puts a file back as it was before a benchmark changed it.
    struct Saved {
        std::filesystem::path path;
        std::string bytes;
    };
    Saved save(const std::filesystem::path& path) { return {path, basic::testing::ReadBytes(path)}; }
    static void restore(const Saved& saved) { basic::testing::WriteBytes(saved.path, saved.bytes); }

private:
    basic::testing::TestFolder folder_;
    recipes::RecipeStore store_;
};

inline LargeCookbook& Cookbook() {
    static LargeCookbook cookbook;
    return cookbook;
}

// The baseline: the data file read start to end in 1 MB blocks.
inline long long ReadSequentially(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    std::vector<char> buffer(1 << 20);
    long long total = 0;
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;) total += n;
    ::close(fd);
    return total;
}

}  // namespace bench
