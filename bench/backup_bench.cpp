// Backup and restore of the largest cookbook (30000 recipes) to a folder on
// the same disk, each measured against a plain copy of the same files with
// the program's file copy in the same run; the ratios are the figures that
// matter (target: at most 1.5).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "backup/store/cookbook_backup.h"
#include "bench/large_cookbook.h"
#include "platform/basic/file_commands.h"
#include "platform/testing/test_folder.h"
#include "recipes/store/cookbook_reader.h"
#include "recipes/store/recipe_lists.h"

namespace {

namespace fs = std::filesystem;
using bench::Median;
using bench::Seconds;
using Clock = std::chrono::steady_clock;

struct AnswersYes final : backup::BackupUser {
    backup::Answer Ask(const backup::Prompt&) override { return backup::Answer::Yes; }
};

// The baseline: the named files copied whole from one folder to another.
bool PlainCopy(const fs::path& from, const std::vector<std::string>& names, const fs::path& to) {
    bool ok = true;
    for (const auto& name : names) ok = basic::FileCopy(from / name, to / name) && ok;
    return ok;
}

std::vector<std::string> CookbookFiles() {
    std::vector<std::string> names{recipes::RecipeDataFileName(1)};
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) names.push_back(recipes::RecipeIndexFileName(type, 1));
    return names;
}

std::vector<std::string> BackupFiles() {
    std::vector<std::string> names{backup::CookbookCopyName(1), backup::CookbookDiskInfoName(1)};
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) names.push_back(recipes::RecipeIndexFileName(type, 1));
    return names;
}

// Times run() against copy() just before it, both as medians over the
// iterations: the counters copy_ms, name (in ms) and ratio.
template <typename Copy, typename Run>
void MeasureAgainstCopy(benchmark::State& state, const char* name, Copy copy, Run run) {
    std::vector<double> copies;
    std::vector<double> runs;
    for (auto _ : state) {
        const auto copyStart = Clock::now();
        if (!copy()) state.SkipWithError("plain copy failed");
        const auto runStart = Clock::now();
        const auto outcome = run();
        const auto runEnd = Clock::now();
        if (outcome.result != backup::Result::Completed) state.SkipWithError(outcome.status.c_str());
        copies.push_back(Seconds(runStart - copyStart));
        runs.push_back(Seconds(runEnd - runStart));
        state.SetIterationTime(Seconds(runEnd - runStart));
    }
    const double copied = Median(copies);
    const double ran = Median(runs);
    state.counters["copy_ms"] = copied * 1000;
    state.counters[name] = ran * 1000;
    state.counters["ratio"] = copied > 0 ? ran / copied : 0;
}

void BM_BackupLargeCookbook(benchmark::State& state) {
    const basic::ProgramFolder& folder = bench::Cookbook().store().folder();
    basic::testing::TestFolder target;
    basic::testing::TestFolder plain;
    AnswersYes user;
    MeasureAgainstCopy(
        state, "backup_ms", [&] { return PlainCopy(folder.dir(), CookbookFiles(), plain.path()); },
        [&] { return backup::BackupCookbook(folder, 1, target.path(), user); });
}
BENCHMARK(BM_BackupLargeCookbook)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

void BM_RestoreLargeCookbook(benchmark::State& state) {
    const basic::ProgramFolder& folder = bench::Cookbook().store().folder();
    basic::testing::TestFolder source;
    basic::testing::TestFolder program;
    basic::testing::TestFolder plain;
    AnswersYes user;
    if (backup::BackupCookbook(folder, 1, source.path(), user).result != backup::Result::Completed)
        state.SkipWithError("backup failed");
    MeasureAgainstCopy(
        state, "restore_ms", [&] { return PlainCopy(source.path(), BackupFiles(), plain.path()); },
        [&] { return backup::RestoreCookbook(basic::ProgramFolder(program.path()), 1, source.path(), user); });
}
BENCHMARK(BM_RestoreLargeCookbook)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

}  // namespace
