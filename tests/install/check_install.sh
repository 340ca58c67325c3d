#!/usr/bin/env bash
# Installs the build into a staging folder and checks that it holds exactly the
# program and its console runner, the desktop entry, icon, metainfo, compressed manual
# pages, copyright and changelog, and that they validate and run.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
actual=$(cd "$stage" && find . -type f | sort)
expected=$(sort <<'LIST'
./usr/bin/ejercicios2005
./usr/bin/ejercicios2005-algoritmo
./usr/share/applications/org.ejercicios2005.ejercicios2005.desktop
./usr/share/icons/hicolor/scalable/apps/org.ejercicios2005.ejercicios2005.svg
./usr/share/metainfo/org.ejercicios2005.ejercicios2005.metainfo.xml
./usr/share/doc/ejercicios2005/changelog.gz
./usr/share/doc/ejercicios2005/copyright
./usr/share/man/man1/ejercicios2005.1.gz
./usr/share/man/man1/ejercicios2005-algoritmo.1.gz
./usr/share/man/es/man1/ejercicios2005.1.gz
LIST
)
if [ "$actual" != "$expected" ]; then
  echo "installed files differ:"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
desktop-file-validate "$stage/usr/share/applications/org.ejercicios2005.ejercicios2005.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/org.ejercicios2005.ejercicios2005.metainfo.xml"
for page in man1/ejercicios2005 es/man1/ejercicios2005 man1/ejercicios2005-algoritmo; do
  zcat "$stage/usr/share/man/$page.1.gz" | groff -man -Tutf8 -ww -z
done
# The console runner runs an algorithm from the input it is given.
printf 'Algoritmo Suma\n\tLeer a, b\n\tEscribir a + b\nFinAlgoritmo\n' >"$stage/suma.psc"
[ "$(printf '2\n3\n' | "$stage/usr/bin/ejercicios2005-algoritmo" "$stage/suma.psc")" = 5 ]
# A teacher's check of a class's files: one line each, and the status says one differs.
printf 'Algoritmo Eco\n\tLeer a\nFinAlgoritmo\n' >"$stage/eco.psc"
status=0
printed=$("$stage/usr/bin/ejercicios2005-algoritmo" --comprobar 05 "$stage/suma.psc" "$stage/eco.psc" --series 5) || status=$?
[ "$status" = 1 ] && [ "$(echo "$printed" | grep -c ': difiere: ')" = 2 ]
echo "install: ok"
