#!/usr/bin/env bash
# Builds and runs every test: the unit, window and scenario tests of a Release build,
# the Debian package through lintian, the desktop test, then the unit tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
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

# The toolkit-free core under the sanitizers, built by clang, with the fuzz target.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DEJ_CORE_ONLY=ON -DEJ_SANITIZE=ON -DEJ_FUZZ=ON -DEJ_WERROR=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ctest --output-on-failure)
bash tools/test-share.sh
