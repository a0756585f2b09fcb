// Start-up: a new program loading and showing its start window, headless.
#include <benchmark/benchmark.h>

#include "platform/testing/scripted_desktop.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"

namespace {

void BM_StartUp(benchmark::State& state) {
    basic::testing::TestFolder folder;
    for (auto _ : state) {
        platform::testing::ScriptedDesktop desktop;
        platform::Runtime runtime(desktop.services(), desktop.windows, basic::ProgramFolder(folder.path()));
        shell::Application app(runtime);
        app.Start();
        benchmark::DoNotOptimize(app.vars.StartWidth);
    }
}
BENCHMARK(BM_StartUp);

}  // namespace
