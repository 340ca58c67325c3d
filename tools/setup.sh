#!/usr/bin/env bash
# Installs, as root on Debian 12, whatever the build, the tests or the run need and
# the machine lacks.
set -euo pipefail

packages=(
  g++ cmake make pkg-config clang libclang-rt-14-dev libc++-dev libc++abi-dev emscripten
  libfast-float-dev locales
  qt6-base-dev qt6-base-private-dev libgl-dev qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  xvfb xauth imagemagick
  fonts-liberation fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev groff-base lintian
  openbox xdotool x11-apps x11-utils dbus dbus-daemon at-spi2-core python3-pyatspi orca
  weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
