// Recipe Select's recipe list filled with one type of the largest cookbook
// (about 1,360 recipes, in a sorted list), against one plain sequential read
// of the cookbook's data file in the same run. It must feel instant.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/large_cookbook.h"
#include "platform/testing/scripted_desktop.h"
#include "shell/application.h"
#include "shopping/select/recipe_select_panel.h"

namespace {

constexpr shopping::SelectPanelDesign Design{nullptr,
                                             {0, 0, shopping::RecipeSelectMinWidth, shopping::RecipeSelectMinHeight}};

void BM_RecipeSelectFillsTheRecipeList(benchmark::State& state) {
    const auto& cookbook = bench::Cookbook().store();
    platform::testing::ScriptedDesktop desktop;
    platform::Runtime runtime(desktop.services(), desktop.windows, cookbook.folder());
    shell::Application app(runtime);
    ui::Form window(runtime, "Shoplist");
    window.Move(0, 0, 12000, 9000);
    std::vector<ui::design::ControlRow> rows;
    int tab = 0;
    shopping::AddRecipeSelectRows(rows, Design, tab);
    ui::design::Build(window, rows);
    shopping::RecipeSelectPanel panel(app, window, Design,
                                      {[](const auto&) { return 0; }, [](auto, bool) {}, [] {}, [](const auto&) {}});
    window.Show();
    panel.mOR_Click();
    panel.Combo2->setListIndex(0);

    bench::MeasureAgainstPlainRead(state, cookbook.DataFilePath(), "fill_ms", "recipes", [&] {
        panel.Combo2_Click();
        return static_cast<std::size_t>(panel.Combo3->ListCount());
    });
}
BENCHMARK(BM_RecipeSelectFillsTheRecipeList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

}  // namespace
