#!/usr/bin/env bash
# The real program on a real desktop: a virtual X server (Xvfb), the openbox window
# manager, an accessibility bus and another X application (xlogo), driven by
# desktop_test.py through AT-SPI and xdotool. Then the activation checks once more in
# a Wayland session (a headless Weston compositor present), where the program must
# still choose X11 by itself. Last, what the Orca screen reader says of it (orca_test.py).
#   bash tests/desktop/run.sh build/bin/ejercicios2005
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE

for session in x11 wayland orca; do
  echo "desktop test, $session session:"
  # The buses' own chatter stays out of the report: the session restores its output
  # from descriptors 4 and 5.
  timeout 100 dbus-run-session -- bash "$here/session.sh" "$program" "$session" 4>&2 5>&1 >/dev/null 2>&1
done
