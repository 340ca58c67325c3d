#!/usr/bin/env bash
# One desktop session, inside its own D-Bus session bus: the X server, the window
# manager, for a Wayland session the compositor, then the checks.
#   session.sh PROGRAM x11|wayland|orca
set -euo pipefail
exec 2>&4 1>&5 4>&- 5>&-
program=$1 session=$2
here=$(dirname "$(realpath "$0")")

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

# Waits until a command succeeds, for at most 30 seconds; on a time-out shows the logs.
await() {
  local what=$1; shift
  for _ in $(seq 300); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "timed out waiting for $what" >&2
  tail -n 20 "$XDG_RUNTIME_DIR"/*.log >&2 || true
  return 1
}

# The X server picks a free display and writes its number. It must not reset when its
# last client leaves: the probe below is its first client, and the window manager would
# find it resetting.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$XDG_RUNTIME_DIR/display" 2>"$XDG_RUNTIME_DIR/xvfb.log" &
pids+=($!)
# The number is whole once its line ends: a busy machine may show the file half written.
await "the X server" sh -c '[ "$(wc -l <"$XDG_RUNTIME_DIR/display")" -ge 1 ]'
export DISPLAY=":$(head -n1 "$XDG_RUNTIME_DIR/display")"
await "the X server on $DISPLAY" xprop -root

openbox --sm-disable >"$XDG_RUNTIME_DIR/openbox.log" 2>&1 &
pids+=($!)
await "the window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

if [ "$session" = wayland ]; then
  weston --backend=headless-backend.so --socket=wayland-ej --idle-time=0 >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
  pids+=($!)
  await "the Wayland compositor" test -S "$XDG_RUNTIME_DIR/wayland-ej"
  export WAYLAND_DISPLAY=wayland-ej XDG_SESSION_TYPE=wayland
  checks=--activation-only
fi

# Qt offers its accessibility tree on the bus without waiting for a screen reader.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
if [ "$session" = orca ]; then
  /usr/bin/python3 "$here/orca_test.py" "$program"
else
  /usr/bin/python3 "$here/desktop_test.py" "$program" ${checks:-}
fi
