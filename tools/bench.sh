#!/usr/bin/env bash
# Builds and runs the benchmarks: the conversions and the heaviest presses of the
# exercise windows (ej_bench), start-up and memory of the real program (ej_bench_ui),
# a press with the desk check open and closed (ej_bench_trace).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target ej_bench ej_bench_ui ej_bench_trace
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
build/bin/ej_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
build/bin/ej_bench_ui
build/bin/ej_bench_trace --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
