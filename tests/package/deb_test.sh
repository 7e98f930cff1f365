#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that dpkg-buildpackage made (scripts/package.sh): its
# control fields, its contents and the hardening of the program, then starts the
# game from it: unpacked into a scratch root, or with --installed the one that
# apt installed from this package.
# Usage: deb_test.sh [--installed] DEB SCRATCH_DIR
set -euo pipefail
root=
if [ "${1:-}" = --installed ]; then root=/; shift; fi
deb=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/home"
status=0
fail() { echo "$*"; status=1; }

[ "$(dpkg-deb -f "$deb" Package)" = kelpmark ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6svgwidgets6 libc6 libstdc++6 \
           qt6-translations-l10n; do
  grep -qx -- "$lib" <<<"$names" || fail "Depends lacks $lib"
done
[[ $depends == *"fonts-liberation | fonts-dejavu-core"* ]] || fail "Depends lacks the fonts"
[[ $depends != *-dev* ]] || fail "Depends names a development package"

doc=./usr/share/doc/kelpmark
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/games/kelpmark ./usr/share/applications/org.vorlent.Kelpmark.desktop \
         ./usr/share/metainfo/org.vorlent.Kelpmark.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.vorlent.Kelpmark.svg \
         ./usr/share/man/man6/kelpmark.6.gz $doc/copyright $doc/changelog.gz \
         $doc/changelog.Debian.gz; do
  grep -qx -- "$f" <<<"$contents" || fail "package lacks $f"
done
! grep -q '^\./usr/bin/' <<<"$contents" || fail "the package puts a program in /usr/bin"

# The upstream changelog is NEWS, and it names the version the package carries.
version=$(dpkg-deb -f "$deb" Version)
upstream=${version%-*}
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "$doc/changelog.gz" | gzip -dc >"$scratch/changelog"
grep -q "^$upstream " "$scratch/changelog" || fail "the changelog (NEWS) has no entry for $upstream"

if [ -z "$root" ]; then
  root=$scratch/root
  dpkg -x "$deb" "$root"
else
  [ "$(dpkg-query -W -f='${Version}' kelpmark)" = "$version" ] ||
    fail "kelpmark $version is not the installed version"
fi
game=$root/usr/games/kelpmark

# The distribution's hardening: a position-independent program, linked to bind
# now with a read-only relocation table, built with the stack protector.
elf=$(readelf -hldW --dyn-syms "$game")
grep -q 'Type: *DYN' <<<"$elf" || fail "the program is not position-independent"
grep -q 'BIND_NOW' <<<"$elf" || fail "the program is not linked with -z now"
grep -q 'GNU_RELRO' <<<"$elf" || fail "the program has no RELRO segment"
grep -q '__stack_chk_fail' <<<"$elf" || fail "the program is built without the stack protector"

# Version and help answer without a display or a platform plugin.
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --version)
[ "$printed" = "kelpmark $upstream" ] || fail "--version printed '$printed', not 'kelpmark $upstream'"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --help)
grep -q -- "--version" <<<"$help" || fail "--help does not list --version"

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
  fail "the game from the package ended at start (status $rc):"
  cat "$scratch/run.log"
fi
[ ! -e "$root/usr/games/game.dat" ] || fail "the game wrote beside its executable"
[ $status = 0 ] && echo "the package $deb is sound"
exit $status
