// A shopping list at its largest, 1000 items with amounts: opening it (read,
// decode, sorted copy, grid rows) and saving it (encode, temporary file,
// sync, rename), each against one plain read of the same file in the same
// run. Both must feel instant; the ratios show what the list costs beyond
// the disk.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench/large_cookbook.h"
#include "platform/testing/test_folder.h"
#include "shopping/store/list_file.h"
#include "shopping/store/shopping_list.h"

namespace {

using Clock = std::chrono::steady_clock;
using bench::Median;
using bench::Seconds;

shopping::ShoppingList FullList() {
    shopping::ShoppingList list;
    for (int i = 0; i < shopping::MaxListLines; ++i)
        list.AppendItem("Grocery item number " + std::to_string(i), std::to_string(i % 12 + 1) + " Can(s)");
    return list;
}

void Report(benchmark::State& state, const std::vector<double>& reads, const std::vector<double>& work) {
    const double read = Median(reads);
    const double done = Median(work);
    state.counters["read_ms"] = read * 1000;
    state.counters["list_ms"] = done * 1000;
    state.counters["ratio"] = read > 0 ? done / read : 0;
}

void BM_OpenFullShoppingList(benchmark::State& state) {
    basic::testing::TestFolder folder;
    const auto path = folder.path() / "08Dec04.Lst";
    if (!shopping::SaveListFile(path, FullList())) {
        state.SkipWithError("cannot write the list");
        return;
    }
    std::vector<double> reads;
    std::vector<double> opens;
    for (auto _ : state) {
        shopping::ShoppingList list;
        const auto readStart = Clock::now();
        benchmark::DoNotOptimize(bench::ReadSequentially(path));
        const auto openStart = Clock::now();
        const auto opened = shopping::OpenListFile(path, list);
        const auto openEnd = Clock::now();
        if (opened.result != basic::FileRead::Read || list.LineCount() != shopping::MaxListLines)
            state.SkipWithError("the list did not open whole");
        reads.push_back(Seconds(openStart - readStart));
        opens.push_back(Seconds(openEnd - openStart));
        state.SetIterationTime(Seconds(openEnd - openStart));
    }
    Report(state, reads, opens);
}
BENCHMARK(BM_OpenFullShoppingList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

void BM_SaveFullShoppingList(benchmark::State& state) {
    basic::testing::TestFolder folder;
    const auto path = folder.path() / "08Dec04.Lst";
    const auto list = FullList();
    if (!shopping::SaveListFile(path, list)) {
        state.SkipWithError("cannot write the list");
        return;
    }
    std::vector<double> reads;
    std::vector<double> saves;
    for (auto _ : state) {
        const auto readStart = Clock::now();
        benchmark::DoNotOptimize(bench::ReadSequentially(path));
        const auto saveStart = Clock::now();
        const bool saved = shopping::SaveListFile(path, list);
        const auto saveEnd = Clock::now();
        if (!saved) state.SkipWithError("the save failed");
        reads.push_back(Seconds(saveStart - readStart));
        saves.push_back(Seconds(saveEnd - saveStart));
        state.SetIterationTime(Seconds(saveEnd - saveStart));
    }
    Report(state, reads, saves);
}
BENCHMARK(BM_SaveFullShoppingList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

}  // namespace
