// One press of "INGRESO" in a parity window, for the values whose reduction by
// repeated subtraction of 2 would be the longest: it must answer within a frame, the
// window's algorithm run beside it included.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/unit/harness.h"

namespace {

// Presses "INGRESO" with the text typed; a completed series starts again, as it
// does when the student closes the window and opens it again.
void Press(benchmark::State& state, const std::string& window, const std::string& typed) {
    ej::testing::Opened w(window);
    for (auto _ : state) {
        w.enter(typed);
        if (w.complete()) w.reopen();
    }
    if (!w.message().empty()) state.SkipWithError("the value was refused");
}

// Medians of nine runs each.
BENCHMARK_CAPTURE(Press, frmej21_33554438, "frmej21", "33554438")->Repetitions(9)->DisplayAggregatesOnly();
BENCHMARK_CAPTURE(Press, frmej21_16777215, "frmej21", "16777215")->Repetitions(9)->DisplayAggregatesOnly();
BENCHMARK_CAPTURE(Press, frmej31_negative, "frmej31", "-33554438")->Repetitions(9)->DisplayAggregatesOnly();
// From 33554440 up, subtracting 2 rounds back: the written loop could never end.
BENCHMARK_CAPTURE(Press, frmej21_33554440, "frmej21", "33554440")->Repetitions(9)->DisplayAggregatesOnly();

}  // namespace
