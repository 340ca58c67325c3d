#!/usr/bin/env bash
# Builds and runs the benchmarks: the conversions and the heaviest presses of the
# exercise windows (ej_bench), start-up and memory of the real program (ej_bench_ui),
# a press with the desk check open and closed (ej_bench_trace); and, where PSeInt's
# console interpreter is at hand, the console runner beside it on the same algorithm.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target ej_bench ej_bench_ui ej_bench_trace ejercicios2005-algoritmo
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
build/bin/ej_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
build/bin/ej_bench_ui
build/bin/ej_bench_trace --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The console runner beside PSeInt's own interpreter on a loop-heavy algorithm
# (bench/primos.psc), best of three runs each. PSeInt is a developer's tool kept beside
# the repository, never a requirement: without it this step is left out.
pseint=../shared/tools/pseint/pseint
if [ -x "$pseint" ]; then
  # The fastest of three runs of the command, in milliseconds, and what it printed.
  best_of_three() {
    best_ms=
    for _ in 1 2 3; do
      local start ms
      start=$(date +%s%N)
      printed=$("$@" </dev/null | tr -d '\r')
      ms=$((($(date +%s%N) - start) / 1000000))
      if [ -z "$best_ms" ] || [ "$ms" -lt "$best_ms" ]; then best_ms=$ms; fi
    done
  }
  best_of_three "$pseint" --nouser bench/primos.psc
  pseint_ms=$best_ms pseint_printed=$printed
  best_of_three build/bin/ejercicios2005-algoritmo bench/primos.psc
  # A time says nothing of a run that counted wrong.
  if [ "$pseint_printed" != 3245 ] || [ "$printed" != 3245 ]; then
    echo "bench/primos.psc: PSeInt printed '$pseint_printed', ejercicios2005-algoritmo '$printed'; both should print 3245" >&2
    exit 1
  fi
  ratio=$(awk -v ours="$best_ms" -v theirs="$pseint_ms" 'BEGIN { printf "%.2f", ours / (theirs > 0 ? theirs : 1) }')
  printf 'bench/primos.psc, best of 3: PSeInt %d ms, ejercicios2005-algoritmo %d ms (ratio %s)\n' \
    "$pseint_ms" "$best_ms" "$ratio"
fi
