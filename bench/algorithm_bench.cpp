// The interpreter of algorithms: compiling the largest of the exercises' algorithms,
// which happens each time its window opens, and running a loop-heavy program written
// as a first-year course writes one (bench/primos.psc, the same file tools/bench.sh
// gives PSeInt's own interpreter, so that the two can be compared).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "engine/algorithm/compiler.h"
#include "engine/algorithm/machine.h"
#include "engine/algorithm/sources.h"

namespace {

using ej::algorithm::Machine;

// The exercise whose algorithm is the longest text, found among those built into the
// program rather than named here, so that it stays the largest as they change.
std::string largestAlgorithm() {
    std::string largest;
    std::size_t size = 0;
    for (int k = 1; k <= 99; ++k) {
        char window[16];
        std::snprintf(window, sizeof window, "frmej%02d", k);
        const std::string_view text = ej::algorithm::source(window);
        if (text.size() > size) {
            size = text.size();
            largest = window;
        }
    }
    return largest;
}

void BM_CompileLargestAlgorithm(benchmark::State& state) {
    const std::string window = largestAlgorithm();
    const std::string_view text = ej::algorithm::source(window);
    if (!ej::algorithm::compile(text).ok()) {
        state.SkipWithError("the algorithm has faults");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(ej::algorithm::compile(text));
    state.SetLabel(window);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CompileLargestAlgorithm)->Unit(benchmark::kMicrosecond);

// Sees everything a run tells and only counts it: the least any watcher (the console,
// the desk check) costs on top of the run itself.
class CountingObserver final : public ej::algorithm::Observer {
public:
    void lineRan(int, double) override { ++events; }
    void conditionEvaluated(int, bool, double) override { ++events; }
    void assigned(int) override { ++events; }
    void loopEntered(const ej::algorithm::Loop&) override { ++events; }
    void passEnded(const ej::algorithm::Loop&) override { ++events; }
    void written(const std::string& text, bool) override { output += text; }
    long events = 0;
    std::string output;
};

// Read at run time from the source tree (its path comes from the build), so that the
// benchmark and PSeInt run the very same file.
std::string primesProgram() {
    std::ifstream file(EJ_PRIMES_PROGRAM, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The primes below 30000: 851,056 passes of the trial division's inner loop, and a
// write of the count, 3245, at the end. Argument 0 runs it unwatched, 1 with a counting
// observer.
void BM_PrimesBelow30000(benchmark::State& state) {
    const ej::algorithm::Compiled compiled = ej::algorithm::compile(primesProgram());
    if (!compiled.ok()) {
        state.SkipWithError("bench/primos.psc is missing or has faults");
        return;
    }
    const bool watched = state.range(0) != 0;
    // The whole run between two waits: the default budget stops a loop that long.
    ej::algorithm::Limits limits;
    limits.budget = 1'000'000'000;
    const auto& main = compiled.program->procedures[static_cast<std::size_t>(compiled.program->main)];
    int count = -1;
    for (std::size_t k = 0; k < main.variables.size(); ++k)
        if (main.variables[k].name == "cantidad") count = static_cast<int>(k);
    long events = 0;
    for (auto _ : state) {
        CountingObserver observer;
        Machine machine(compiled.program, ej::NumberFormat{".", ","}, limits);
        machine.setObserver(watched ? &observer : nullptr);
        if (machine.start() != Machine::Status::Ended) {
            state.SkipWithError("the run did not end");
            return;
        }
        // Checked in every run, as cheap as it is beside the run.
        const std::string written = watched ? observer.output : machine.text(machine.variable(count));
        if (written != "3245") {
            state.SkipWithError(("it counted " + written + " primes, not 3245").c_str());
            return;
        }
        events = observer.events;
    }
    if (watched) state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_PrimesBelow30000)->ArgName("observer")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
