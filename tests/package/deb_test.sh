#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack, checks its control fields and contents,
# unpacks it into a scratch root and starts the game from there.
# Usage: deb_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/out" "$scratch/root" "$scratch/home"
(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
status=0
fail() { echo "$*"; status=1; }

[ "$(dpkg-deb -f "$deb" Package)" = kelpmark ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6svgwidgets6 libc6 libstdc++6; do
  grep -qx -- "$lib" <<<"$names" || fail "Depends lacks $lib"
done
[[ $depends == *"fonts-liberation | fonts-dejavu-core"* ]] || fail "Depends lacks the fonts"
[[ $depends != *-dev* ]] || fail "Depends names a development package"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/kelpmark ./usr/share/applications/org.vorlent.Kelpmark.desktop \
         ./usr/share/metainfo/org.vorlent.Kelpmark.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.vorlent.Kelpmark.svg \
         ./usr/share/man/man6/kelpmark.6.gz ./usr/share/doc/kelpmark/copyright; do
  grep -qx -- "$f" <<<"$contents" || fail "package lacks $f"
done

dpkg -x "$deb" "$scratch/root"
game=$scratch/root/usr/bin/kelpmark
# Version and help answer without a display or a platform plugin.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --version)
[ "$version" = "kelpmark $(dpkg-deb -f "$deb" Version)" ] || fail "--version printed '$version'"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --help | grep -q -- "--version" ||
  fail "--help does not list --version"

# A start offscreen: the game takes the lock on its save and keeps running.
data=$scratch/home/.local/share
lock=$data/Vorlent/kelpmark/game.dat.lock
HOME=$scratch/home XDG_DATA_HOME=$data QT_QPA_PLATFORM=offscreen "$game" \
  >"$scratch/run.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
  [ -e "$lock" ] && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
sleep 0.5
if kill -0 $pid 2>/dev/null; then
  [ -e "$lock" ] || fail "the running game holds no lock at $lock"
  kill $pid
  wait $pid 2>/dev/null || true
else
  wait $pid && rc=0 || rc=$?
  fail "the unpacked game ended at start (status $rc):"
  cat "$scratch/run.log"
fi
[ ! -e "$scratch/root/usr/bin/game.dat" ] || fail "the game wrote beside its executable"
exit $status
