#!/usr/bin/env bash
# Builds and runs the program. With no display it starts a virtual X display (Xvfb),
# writes a screenshot of the menu to build/screenshots/frm2005.png and keeps running
# until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target ejercicios2005

if [ -n "${DISPLAY:-}" ]; then
  exec build/bin/ejercicios2005
fi

echo "No display: starting the program on a virtual X display (Xvfb)."
mkdir -p build/screenshots
exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash -c '
  QT_QPA_PLATFORM=xcb build/bin/ejercicios2005 &
  program=$!
  trap "kill $program 2>/dev/null" INT TERM
  sleep 2
  import -window root build/screenshots/frm2005.png
  echo "Menu screenshot: build/screenshots/frm2005.png. Press Ctrl+C to stop."
  wait $program'
