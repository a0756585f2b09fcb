// Start-up: a new program loading and showing its start window, headless;
// and the real program started to its first painted window beside the
// smallest Qt Widgets program (bench/minimal_window), in the same run
// (target: at most 1.3 times the minimal program), and the smallest window
// that shows text beside the same baseline.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "platform/testing/scripted_desktop.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"

extern char** environ;

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

using Clock = std::chrono::steady_clock;

// Seconds from starting the program to its end after the first paint, or a
// negative number when it did not end that way.
double SecondsToFirstPaint(const char* program, const std::vector<std::string>& environment) {
    std::vector<char*> env;
    for (const std::string& entry : environment) env.push_back(const_cast<char*>(entry.c_str()));
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &quiet, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Starts program and the minimal window in turns, each to its first paint;
// reports both medians and the median of the pairs' ratios.
void MeasureAgainstMinimalWindow(benchmark::State& state, const char* programFile) {
    basic::testing::TestFolder home;
    const std::string homeText = home.path().string();
    const std::vector<std::string> environment{"HOME=" + homeText,
                                               "XDG_DATA_HOME=" + homeText + "/data",
                                               "XDG_CONFIG_HOME=" + homeText + "/config",
                                               "XDG_RUNTIME_DIR=" + homeText,
                                               "QT_QPA_PLATFORM=offscreen",
                                               "PANTRIVO_EXIT_WHEN_SHOWN=1"};
    // The first start makes the data folder; each program starts once unmeasured.
    if (SecondsToFirstPaint(programFile, environment) < 0 ||
        SecondsToFirstPaint(PANTRIVO_MINIMAL_WINDOW, environment) < 0) {
        state.SkipWithError("a program did not end after its first paint");
        return;
    }
    std::vector<double> program;
    std::vector<double> minimal;
    std::vector<double> ratios;
    for (auto _ : state) {
        const double minimalSeconds = SecondsToFirstPaint(PANTRIVO_MINIMAL_WINDOW, environment);
        const double programSeconds = SecondsToFirstPaint(programFile, environment);
        if (minimalSeconds < 0 || programSeconds < 0) {
            state.SkipWithError("a program did not end after its first paint");
            return;
        }
        minimal.push_back(minimalSeconds);
        program.push_back(programSeconds);
        ratios.push_back(programSeconds / minimalSeconds);
        state.SetIterationTime(programSeconds);
    }
    state.counters["program_ms"] = Median(program) * 1000;
    state.counters["minimal_ms"] = Median(minimal) * 1000;
    // Each pair runs back to back, so the machine's load changes the two alike:
    // the median of the pairs' ratios stays steady where the two medians drift.
    state.counters["ratio"] = Median(ratios);
}

void BM_StartUpToFirstPaintAgainstMinimalQtWindow(benchmark::State& state) {
    MeasureAgainstMinimalWindow(state, PANTRIVO_PROGRAM);
}
BENCHMARK(BM_StartUpToFirstPaintAgainstMinimalQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

// No target: how far above the baseline a window with text starts on this
// machine at the least (the font configuration read, one text laid out and
// drawn), for reading the program's ratio.
void BM_TextWindowToFirstPaintAgainstMinimalQtWindow(benchmark::State& state) {
    MeasureAgainstMinimalWindow(state, PANTRIVO_MINIMAL_TEXT_WINDOW);
}
BENCHMARK(BM_TextWindowToFirstPaintAgainstMinimalQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

}  // namespace
