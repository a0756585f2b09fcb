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

void BM_NameSearchOverAllTypes(benchmark::State& state) {
    const auto& cookbook = bench::Cookbook().store();
    bench::MeasureAgainstPlainRead(state, cookbook.DataFilePath(), "search_ms", "hits",
                                   [&] { return recipe_search::SearchByName(cookbook, "RECIPE 12").size(); });
}
BENCHMARK(BM_NameSearchOverAllTypes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

void BM_IngredientSearchOverAllTypes(benchmark::State& state) {
    const auto& cookbook = bench::Cookbook().store();
    const recipe_search::IngredientQuery query{{"buttermilk", "nutmeg", ""}, recipe_search::IngredientMode::AllWords};
    bench::MeasureAgainstPlainRead(state, cookbook.DataFilePath(), "search_ms", "hits",
                                   [&] { return recipe_search::SearchAllByIngredient(cookbook, query).size(); });
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
