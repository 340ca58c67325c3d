#!/usr/bin/env bash
# Writes a PNG of every window (the menu, each exercise fresh and after a typical
# series), and of the menu and frmej49 at 150 % zoom, to build/screenshots/, drawn on
# a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target ejercicios2005-gallery
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" \
  build/bin/ejercicios2005-gallery build/screenshots | wc -l | xargs -I{} echo "{} screenshots in build/screenshots/"
