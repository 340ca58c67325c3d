// The four conversions, per call.
#include <benchmark/benchmark.h>

#include "engine/conversions.h"

namespace {

const ej::NumberFormat kComma{",", "."};

void NumericTest(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ej::isNumeric(" -1234567,89E+3 ", kComma));
}
BENCHMARK(NumericTest);

void ValueRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ej::readValue("-1234567.89E+3", kComma));
}
BENCHMARK(ValueRead);

void SingleTextForm(benchmark::State& state) {
    float v = 87178291200.0f;
    for (auto _ : state) benchmark::DoNotOptimize(ej::singleText(v, kComma));
}
BENCHMARK(SingleTextForm);

void IntegerTextForm(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ej::integerText(-32768));
}
BENCHMARK(IntegerTextForm);

}  // namespace
