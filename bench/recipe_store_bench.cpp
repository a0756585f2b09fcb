// The recipe store at its largest: a cookbook of 30000 recipes over the 22
// types, made here. The save into the last free record is measured against
// one plain sequential read of the data file in the same run; the ratio is
// the figure that matters (target: at most 1.2).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench/large_cookbook.h"
#include "platform/basic/random_access_file.h"
#include "platform/testing/test_folder.h"
#include "recipes/store/fraction_snapping.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"
#include "recipes/store/recipe_store.h"

namespace {

using bench::Cookbook;
using bench::LargeCookbook;
using bench::ReadSequentially;
using Clock = std::chrono::steady_clock;
using bench::Median;
using bench::Seconds;

constexpr int kDessertType = 9;

void BM_SaveIntoLastFreeRecord(benchmark::State& state) {
    auto& cookbook = Cookbook();
    auto& store = cookbook.store();
    const auto dataPath = store.DataFilePath();
    const auto lastRecord = store.ReadRecordBytes(recipes::MaxRecipeRecords);
    const auto index = cookbook.save(store.IndexFilePath(kDessertType));
    recipes::RecipeRecord record;
    record.ingredients[0] = "flour";

    std::vector<double> readTimes;
    std::vector<double> saveTimes;
    for (auto _ : state) {
        const auto readStart = Clock::now();
        benchmark::DoNotOptimize(ReadSequentially(dataPath));
        const auto saveStart = Clock::now();
        const auto outcome = store.SaveNew(kDessertType, "Lemon tart", record);
        const auto saveEnd = Clock::now();
        if (outcome.recordNumber != recipes::MaxRecipeRecords) state.SkipWithError("the save missed record 30000");
        readTimes.push_back(Seconds(saveStart - readStart));
        saveTimes.push_back(Seconds(saveEnd - saveStart));
        state.SetIterationTime(Seconds(saveEnd - saveStart));

        state.PauseTiming();
        auto file = basic::RandomAccessFile::Open(dataPath, recipes::RecipeRecordLength);
        if (!file || !file->Put(recipes::MaxRecipeRecords, lastRecord)) state.SkipWithError("cannot restore");
        LargeCookbook::restore(index);
        state.ResumeTiming();
    }
    // Medians: a save waits for the disk, whose pauses say nothing of the search.
    const double read = Median(readTimes);
    const double save = Median(saveTimes);
    state.counters["read_ms"] = read * 1000;
    state.counters["save_ms"] = save * 1000;
    state.counters["ratio"] = read > 0 ? save / read : 0;
}
BENCHMARK(BM_SaveIntoLastFreeRecord)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

void BM_FreeRecordSearch(benchmark::State& state) {
    auto& store = Cookbook().store();
    for (auto _ : state) benchmark::DoNotOptimize(store.FindFreeRecord());
}
BENCHMARK(BM_FreeRecordSearch)->Unit(benchmark::kMillisecond);

void BM_ReadSortedIndexOfOneType(benchmark::State& state) {
    auto& store = Cookbook().store();
    std::size_t entries = 0;
    for (auto _ : state) {
        const auto sorted = store.ReadSortedIndex(kDessertType);
        entries = sorted.size();
        benchmark::DoNotOptimize(sorted.data());
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_ReadSortedIndexOfOneType)->Unit(benchmark::kMillisecond);

void BM_DeleteFromOneType(benchmark::State& state) {
    auto& cookbook = Cookbook();
    auto& store = cookbook.store();
    const auto index = cookbook.save(store.IndexFilePath(kDessertType));
    const long victim = store.ReadIndex(kDessertType).at(700).recordNumber;
    const auto record = store.ReadRecordBytes(victim);
    for (auto _ : state) {
        if (!store.Delete(kDessertType, victim).ok()) state.SkipWithError("the delete failed");
        state.PauseTiming();
        auto file = basic::RandomAccessFile::Open(store.DataFilePath(), recipes::RecipeRecordLength);
        if (!file || !file->Put(victim, record)) state.SkipWithError("cannot restore");
        LargeCookbook::restore(index);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteFromOneType)->Unit(benchmark::kMillisecond);

void BM_FractionSnapping(benchmark::State& state) {
    const char* amounts[] = {".125", "1.34", "2", "12.37", "0.05", "1.86"};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(recipes::FractionSnapping(amounts[i++ % 6]));
}
BENCHMARK(BM_FractionSnapping);

void BM_RecordCodec(benchmark::State& state) {
    recipes::RecipeRecord record;
    record.amounts[0] = "1.5";
    record.ingredients[0] = "flour";
    record.directions = std::string(600, 'd');
    const std::string bytes = recipes::EncodeRecipeRecord(record);
    for (auto _ : state) {
        benchmark::DoNotOptimize(recipes::DecodeRecipeRecord(bytes));
        benchmark::DoNotOptimize(recipes::EncodeRecipeRecord(record));
    }
}
BENCHMARK(BM_RecordCodec);

}  // namespace
