// Searching the largest cookbook: by name over all 22 types, which reads the
// index files only, and by ingredient over all types, which reads every
// record. Both are measured against one plain sequential read of the data
// file in the same run (targets: at most 0.5 for the name search, 1.2 for the
// ingredient search).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "bench/large_cookbook.h"
#include "platform/testing/scripted_desktop.h"
#include "platform/ui/grid.h"
#include "recipe_search/ingredient_search.h"
#include "recipe_search/name_search.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// The search timed against one plain read of the data file just before it,
// both as medians over the iterations.
template <typename Search>
void MeasureAgainstPlainRead(benchmark::State& state, const std::filesystem::path& dataFile, Search search) {
    std::vector<double> readTimes;
    std::vector<double> searchTimes;
    std::size_t hits = 0;
    for (auto _ : state) {
        const auto readStart = Clock::now();
        benchmark::DoNotOptimize(bench::ReadSequentially(dataFile));
        const auto searchStart = Clock::now();
        hits = search().size();
        const auto searchEnd = Clock::now();
        readTimes.push_back(Seconds(searchStart - readStart));
        searchTimes.push_back(Seconds(searchEnd - searchStart));
        state.SetIterationTime(Seconds(searchEnd - searchStart));
    }
    const double read = Median(readTimes);
    const double searched = Median(searchTimes);
    state.counters["hits"] = static_cast<double>(hits);
    state.counters["read_ms"] = read * 1000;
    state.counters["search_ms"] = searched * 1000;
    state.counters["ratio"] = read > 0 ? searched / read : 0;
}

void BM_NameSearchOverAllTypes(benchmark::State& state) {
    const auto& cookbook = bench::Cookbook().store();
    MeasureAgainstPlainRead(state, cookbook.DataFilePath(),
                            [&] { return recipe_search::SearchByName(cookbook, "RECIPE 12"); });
}
BENCHMARK(BM_NameSearchOverAllTypes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

void BM_IngredientSearchOverAllTypes(benchmark::State& state) {
    const auto& cookbook = bench::Cookbook().store();
    const recipe_search::IngredientQuery query{{"buttermilk", "nutmeg", ""}, recipe_search::IngredientMode::AllWords};
    MeasureAgainstPlainRead(state, cookbook.DataFilePath(),
                            [&] { return recipe_search::SearchAllByIngredient(cookbook, query); });
}
BENCHMARK(BM_IngredientSearchOverAllTypes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

}  // namespace

namespace {

// Every recipe of the cookbook into a result grid, as "View All Recipes" does.
void BM_FillResultGridWithAllRecipes(benchmark::State& state) {
    const auto hits = recipe_search::SearchByName(bench::Cookbook().store(), " ");
    basic::testing::TestFolder folder;
    platform::testing::ScriptedDesktop desktop;
    platform::Runtime runtime(desktop.services(), desktop.windows, basic::ProgramFolder(folder.path()));
    ui::Form form(runtime, "Results");
    auto& grid = form.add<ui::Grid>("Grid1");
    for (auto _ : state) {
        grid.setRows(1);
        grid.setCols(2);
        for (const auto& hit : hits) grid.AddRow({std::string(recipes::RecipeTypeName(hit.type)), hit.entry});
    }
    state.counters["rows"] = static_cast<double>(hits.size());
}
BENCHMARK(BM_FillResultGridWithAllRecipes)->Unit(benchmark::kMillisecond);

}  // namespace
