// Laying recipes out for the printer and painting the pages, with the real
// printer's font metrics: a full-page recipe (20 ingredient lines, 1000
// characters of directions) and ten selected recipes on five pages, then one
// page painted into an image as the preview and the clipboard do. Each
// figure should stay far below what a user notices (well under 50 ms a page).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "bench/qt_printer.h"
#include "platform/qt/page_painter.h"
#include "platform/testing/test_folder.h"
#include "platform/ui/units.h"
#include "recipes/printing/recipe_print_layout.h"
#include "recipes/printing/selected_recipes_layout.h"
#include "recipes/store/tests/cookbook_bytes.h"

namespace {

using bench::Printer;

printing::PrintFontSettings Font() {
    printing::PrintFontSettings f;
    f.PrintFontName = "Times New Roman";
    f.PrintFontSize = 12;
    return f;
}

recipes::RecipeDraft FullRecipe() {
    recipes::RecipeDraft r;
    r.type = "Breads";
    r.name = "Country Loaf";
    r.name.resize(51, ' ');
    r.name += "1";
    for (std::size_t i = 0; i < r.shownAmounts.size(); ++i) {
        r.shownAmounts[i] = "1 1/2";
        r.units[i] = "cups";
        r.ingredients[i] = "unbleached all-purpose flour " + std::to_string(i);
    }
    while (r.directions.size() < 1000) r.directions += "Knead the dough until smooth and let it rise. ";
    r.directions.resize(1000);
    r.ovenTemperature = "375";
    r.cookingTime = "45 minutes";
    r.yield = "2";
    r.yieldUnit = "Loaves";
    return r;
}

void BM_LayoutFullPageRecipe(benchmark::State& state) {
    ui::PrintDocument doc(Printer());
    const auto font = Font();
    const auto recipe = FullRecipe();
    for (auto _ : state) printing::LayoutRecipe(doc, font, recipe, {1, 0}, "12-10-2026");
    state.counters["pages"] = doc.PageCount();
}
BENCHMARK(BM_LayoutFullPageRecipe)->Unit(benchmark::kMillisecond);

void BM_LayoutTenSelectedRecipes(benchmark::State& state) {
    basic::testing::TestFolder folder;
    std::string records;
    printing::RecipePicks picks;
    for (int k = 0; k < 10; ++k) {
        auto bytes = recipes::testing::RecordBytes();
        for (int line = 1; line <= 20; ++line) bytes.line(line, "1.5", "cups", "flour");
        records += bytes.directions(FullRecipe().directions);
        picks[static_cast<std::size_t>(k)] = {"Breads",
                                              recipes::testing::EntryText("Loaf " + std::to_string(k), k + 1)};
    }
    basic::testing::WriteBytes(folder / "Recipe2.db1", records);
    const recipes::CookbookReader cookbook(basic::ProgramFolder(folder.path()), 1);
    ui::PrintDocument doc(Printer());
    const auto font = Font();
    for (auto _ : state) benchmark::DoNotOptimize(printing::LayoutSelectedRecipes(doc, font, cookbook, picks, 0));
    state.counters["pages"] = doc.PageCount();
}
BENCHMARK(BM_LayoutTenSelectedRecipes)->Unit(benchmark::kMillisecond);

void BM_PaintPageIntoImage(benchmark::State& state) {
    ui::PrintDocument doc(Printer());
    printing::LayoutRecipe(doc, Font(), FullRecipe(), {1, 0}, "12-10-2026");
    // The size a page has on the clipboard, 150 dots an inch.
    constexpr double scale = 150.0 / ui::TwipsPerInch;
    QImage image(static_cast<int>(doc.PageWidth() * scale), static_cast<int>(doc.PageHeight() * scale),
                 QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        platform::qt::PaintPage(painter, doc.pages()[0], scale);
    }
    state.counters["runs"] = static_cast<double>(doc.pages()[0].runs.size());
}
BENCHMARK(BM_PaintPageIntoImage)->Unit(benchmark::kMillisecond);

}  // namespace
