// The menu planner with a full year file (every day saved, every box filled):
// moving to another day (reading its record) and the 31-day range view from
// 20 December into the next year's full file, each against one plain read of
// the year file in the same run. Both must feel instant (well under 50 ms).
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/large_cookbook.h"
#include "menu_planner/store/year_menu_file.h"
#include "menu_planner/views/print_view_panel.h"
#include "platform/testing/scripted_desktop.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"

namespace {

using basic::CalendarDate;

// A year file with every day of the year saved, each box holding 30 characters.
void WriteFullYear(const basic::testing::TestFolder& folder, int year) {
    std::string bytes(static_cast<std::size_t>(menu_planner::FullYearFileBytes), '\0');
    for (auto day = CalendarDate{year, 1, 1}; day.year == year; day = day.addDays(1)) {
        menu_planner::DayMenuRecord record;
        for (int i = 0; i < menu_planner::DayEntryCount; ++i)
            record.entries[static_cast<std::size_t>(i)] = "Dish " + std::to_string(i) + " of the day, with sides";
        const std::string encoded = menu_planner::EncodeDayRecord(record);
        bytes.replace(static_cast<std::size_t>(menu_planner::DayKey(day) - 1) * menu_planner::DayRecordLength,
                      encoded.size(), encoded);
    }
    basic::testing::WriteBytes(folder / menu_planner::YearMenuFileName(year), bytes);
}

struct FullYears {
    FullYears() {
        WriteFullYear(folder, 2004);
        WriteFullYear(folder, 2005);
    }
    basic::testing::TestFolder folder;
    basic::ProgramFolder program{folder.path()};
};

FullYears& Years() {
    static FullYears years;
    return years;
}

void BM_MoveToAnotherDay(benchmark::State& state) {
    const auto& years = Years();
    auto day = CalendarDate{2004, 1, 1};
    bench::MeasureAgainstPlainRead(state, years.folder / " 2004.Mnu", "move_ms", "entries", [&] {
        day = day.addDays(1);
        if (day.year != 2004) day = CalendarDate{2004, 1, 1};
        const auto loaded = menu_planner::ReadDayMenu(years.program, 2004, menu_planner::DayKey(day));
        return loaded.result == menu_planner::DayRead::InUse ? loaded.record.entries.size() : 0;
    });
}
BENCHMARK(BM_MoveToAnotherDay)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(101);

void BM_RangeViewOf31Days(benchmark::State& state) {
    const auto& years = Years();
    constexpr menu_planner::PrintViewDesign Design{nullptr, {0, 0, 9600, 6000}};
    platform::testing::ScriptedDesktop desktop;
    platform::Runtime runtime(desktop.services(), desktop.windows, years.program);
    shell::Application app(runtime);
    ui::Form window(runtime, "Zcalandar");
    window.Move(0, 0, 12000, 9000);
    std::vector<ui::design::ControlRow> rows;
    int tab = 0;
    menu_planner::AddPrintViewRows(rows, Design, tab);
    ui::design::Build(window, rows);
    menu_planner::PrintViewPanel panel(app, window, Design,
                                       {.loadedDay =
                                            [] {
                                                return CalendarDate{2004, 12, 20};
                                            },
                                        .entryTexts = [] { return std::array<std::string, 21>{}; },
                                        .mainPanelHeight = [] { return 7000; },
                                        .viewShown = [] {},
                                        .print = [] {},
                                        .closed = [] {}});
    window.Show();
    panel.Open();
    panel.SSOption1[1]->setValue(true);
    panel.Combo5->setText("31");

    bench::MeasureAgainstPlainRead(state, years.folder / " 2004.Mnu", "view_ms", "rows", [&] {
        panel.ViewDateRange();
        return static_cast<std::size_t>(panel.Grid1->Rows() - 1);
    });
}
BENCHMARK(BM_RangeViewOf31Days)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

}  // namespace
