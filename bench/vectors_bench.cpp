// A whole series of a vector window, typed and completed: the completion step sorts,
// classes or breaks down in the press of the last value, which must answer at once.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tests/unit/harness.h"

namespace {

// Types the values one by one until the window completes, then starts again as
// closing and opening the window does.
void Series(benchmark::State& state, const std::string& window, const std::vector<std::string>& values) {
    ej::testing::Opened w(window);
    for (auto _ : state) {
        w.reopen().enterAll(values);
        if (!w.complete()) state.SkipWithError("the series did not complete");
    }
}

// n values counting up from 1: the worst order for a descending sort.
std::vector<std::string> ascending(int n) {
    std::vector<std::string> v;
    for (int i = 1; i <= n; ++i) v.push_back(std::to_string(i));
    return v;
}

// 2^31, the largest amount whose breakdown ends: about 18 million subtractions of 100.
std::vector<std::string> largestWage() {
    std::vector<std::string> v{"2147483648"};
    v.resize(18, "0");
    return v;
}

BENCHMARK_CAPTURE(Series, frmej62_bubble_33, "frmej62", ascending(33));
BENCHMARK_CAPTURE(Series, frmej69_limits_35, "frmej69", ascending(35));
BENCHMARK_CAPTURE(Series, frmej58_breakdown_2e31, "frmej58", largestWage());

}  // namespace
