#!/usr/bin/env bash
# Writes a PNG of every window (the menu, each exercise fresh and after a typical
# series), of the menu and frmej49 at 150 % zoom, and more (see ui/gallery.cpp), to
# build/screenshots/, drawn on a virtual X display; then whole screens of a real desktop
# (the openbox window manager): a 1366×768 laptop's with exercise 58 and its desk check,
# a 1024×768 projector's with the menu and an exercise at 200 %.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target ejercicios2005-gallery
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" \
  build/bin/ejercicios2005-gallery build/screenshots | wc -l | xargs -I{} echo "{} screenshots in build/screenshots/"

for size in 1366x768 1024x768; do
  # shellcheck disable=SC2016  # expanded by the inner shell, under the X server
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" sh -c '
    openbox --sm-disable >/dev/null 2>&1 &
    sleep 1
    build/bin/ejercicios2005-gallery build/screenshots --screens
    kill $!' 
done
