#pragma once
// A cookbook at its largest for the benchmarks: 30000 recipes over the 22
// types, made by the benchmark itself.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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

// A duration in seconds, and the median of timings (0 for none).
inline double Seconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}
inline double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Times run() against one plain read of the data file just before it, both
// as medians over the iterations: the counters read_ms, timeCounter (in ms),
// ratio, and countCounter (what the last run returned).
template <typename Run>
void MeasureAgainstPlainRead(benchmark::State& state, const std::filesystem::path& dataFile, const char* timeCounter,
                             const char* countCounter, Run run) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> readTimes;
    std::vector<double> runTimes;
    std::size_t count = 0;
    for (auto _ : state) {
        const auto readStart = Clock::now();
        benchmark::DoNotOptimize(ReadSequentially(dataFile));
        const auto runStart = Clock::now();
        count = run();
        const auto runEnd = Clock::now();
        readTimes.push_back(Seconds(runStart - readStart));
        runTimes.push_back(Seconds(runEnd - runStart));
        state.SetIterationTime(Seconds(runEnd - runStart));
    }
    const double read = Median(readTimes);
    const double ran = Median(runTimes);
    state.counters[countCounter] = static_cast<double>(count);
    state.counters["read_ms"] = read * 1000;
    state.counters[timeCounter] = ran * 1000;
    state.counters["ratio"] = read > 0 ? ran / read : 0;
}

}  // namespace bench
