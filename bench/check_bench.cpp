// The check of a student's algorithm against its window with 100 series (the teacher's
// and random ones), for the windows whose series are longest or whose presses run
// the most: a bounded series, a sort, the change breakdown, and the slowest of all, found
// among the seventy rather than named, so that it stays the slowest as they change.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "engine/algorithm/compiler.h"
#include "engine/algorithm/sources.h"
#include "engine/solution/check.h"
#include "engine/trial_series.h"
#include "shell/catalog.h"
#include "shell/exercise_check.h"

namespace {

ej::solution::CheckOptions hundredSeries(const std::string& window) {
    ej::solution::CheckOptions options = ej::checkOptions(window);
    options.randomSeries = 100 - static_cast<int>(ej::teacherSeries().size());
    return options;
}

void checkWindow(benchmark::State& state, const std::string& window) {
    const auto program = ej::algorithm::compile(ej::algorithm::source(window)).program;
    const auto maker = ej::windowMaker(window);
    for (auto _ : state) benchmark::DoNotOptimize(ej::solution::check(maker, program, hundredSeries(window)));
}

std::string slowestWindow() {
    std::string slowest;
    auto longest = std::chrono::steady_clock::duration::zero();
    for (const auto& [window, make] : ej::catalog()) {
        const auto maker = ej::windowMaker(window);
        if (!maker({})) continue;
        const auto program = ej::algorithm::compile(ej::algorithm::source(window)).program;
        const auto start = std::chrono::steady_clock::now();
        ej::solution::check(maker, program, hundredSeries(window));
        if (const auto took = std::chrono::steady_clock::now() - start; took > longest) {
            longest = took;
            slowest = window;
        }
    }
    return slowest;
}

void BM_CheckBoundedSeries(benchmark::State& state) { checkWindow(state, "frmej45"); }
void BM_CheckSort(benchmark::State& state) { checkWindow(state, "frmej62"); }
void BM_CheckChange(benchmark::State& state) { checkWindow(state, "frmej66"); }
void BM_CheckSlowestWindow(benchmark::State& state) {
    static const std::string window = slowestWindow();
    state.SetLabel(window);
    checkWindow(state, window);
}

}  // namespace

BENCHMARK(BM_CheckBoundedSeries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSlowestWindow)->Unit(benchmark::kMillisecond);
