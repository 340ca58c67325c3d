#!/usr/bin/env bash
# Builds and runs every test: the unit, window and scenario tests of a Release build,
# the Debian package through lintian, the desktop test, then the unit tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, with clang and libc++, and as
# WebAssembly under node.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

jobs=$(nproc)
# A Release build by GCC, as packagers build it, with warnings as errors.
CXX=g++ cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DEJ_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)

# The Debian package, as lintian judges it.
(cd build && cpack >/dev/null)
lintian --fail-on error,warning build/ejercicios2005_1.0_amd64.deb

# The real program on a desktop: window manager, another application, screen reader.
bash tests/desktop/run.sh build/bin/ejercicios2005

# A decimal-comma locale of the tests' own (glibc's LOCPATH), for the unit test that
# shows that the process locale leaves the conversions alone.
mkdir -p build-locale
localedef -i de_DE -f UTF-8 build-locale/de_DE.UTF-8
locale_env="LOCPATH=$PWD/build-locale"

# The toolkit-free core under the sanitizers, built by clang, with the fuzz target.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DEJ_CORE_ONLY=ON -DEJ_SANITIZE=ON -DEJ_FUZZ=ON -DEJ_WERROR=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && env "$locale_env" ctest --output-on-failure)

# The core where GCC's standard library is not: clang with libc++ (that of macOS), and
# WebAssembly by Emscripten, run under node. Each builds GoogleTest from its sources and
# runs every unit test; the two build side by side, each logging to its folder. The
# run under node sees the environment as a native one does, with EJ_WASM_TEST_ENV's
# VAR=VALUE words added (say EJ_RANDOM_PRESSES=100, for a shorter run).
portable=(-S . -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 -DEJ_CORE_ONLY=ON -DEJ_WERROR=ON
          -DEJ_GTEST_SOURCE=/usr/src/googletest)
portable_build() {  # folder, the test run's VAR=VALUE words, then the configure command
    local dir=$1 test_env=$2
    shift 2
    mkdir -p "$dir"
    { "$@" -B "$dir" "${portable[@]}" >/dev/null &&
        cmake --build "$dir" -j "$jobs" --target ej_unit_tests &&
        (cd "$dir" && env $test_env ctest --output-on-failure); } >"$dir/test.log" 2>&1
}
portable_build build-libcxx "$locale_env" cmake -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++ &
libcxx=$!
# Emscripten runs on Debian's python3: through a python3 met earlier in PATH, such as
# pyenv's, each unit would cost half a second more.
EMSDK_PYTHON=/usr/bin/python3 portable_build build-wasm "${EJ_WASM_TEST_ENV:-}" \
    emcmake cmake -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" &
wasm=$!
failed=0
wait "$libcxx" || failed=1
wait "$wasm" || failed=1
for dir in build-libcxx build-wasm; do
    echo "== $dir"
    if ((failed)); then cat "$dir/test.log"; else tail -n 4 "$dir/test.log"; fi
done
((failed == 0))
bash tools/test-share.sh
