#!/usr/bin/env bash
# Builds and runs every test: the unit, window and scenario tests, then the unit
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)

# The toolkit-free core under the sanitizers, built by clang, with the fuzz target.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DEJ_CORE_ONLY=ON -DEJ_SANITIZE=ON -DEJ_FUZZ=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ctest --output-on-failure)
bash tools/test-share.sh
