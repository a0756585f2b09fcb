// One settings record read and one written, each a whole open-use-close operation.
#include <benchmark/benchmark.h>

#include "platform/testing/test_folder.h"
#include "shell/settings_files.h"

namespace {

void BM_SettingsRead(benchmark::State& state) {
    basic::testing::TestFolder folder;
    const basic::ProgramFolder programFolder(folder.path());
    if (!shell::settings::WriteText(programFolder, shell::settings::DisplayModeRecord, "Yes")) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(shell::settings::ReadText(programFolder, shell::settings::DisplayModeRecord));
}
BENCHMARK(BM_SettingsRead);

void BM_SettingsWrite(benchmark::State& state) {
    basic::testing::TestFolder folder;
    const basic::ProgramFolder programFolder(folder.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(shell::settings::WriteText(programFolder, shell::settings::DisplayModeRecord, "No"));
}
BENCHMARK(BM_SettingsWrite);

}  // namespace
