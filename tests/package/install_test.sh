#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix, checks that everything a desktop needs
# is there, and runs the desktop-entry and AppStream validators on what was installed.
# Usage: install_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
prefix=$2/prefix
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
id=org.vorlent.Kelpmark
for f in bin/kelpmark \
         share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/16x16/apps/$id.png \
         share/icons/hicolor/32x32/apps/$id.png \
         share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png \
         share/man/man6/kelpmark.6.gz \
         share/doc/kelpmark/LICENSE share/doc/kelpmark/NEWS \
         share/doc/kelpmark/copyright; do
  if [ ! -s "$prefix/$f" ]; then
    echo "missing from the installation: $f"
    status=1
  fi
done
[ -x "$prefix/bin/kelpmark" ] || { echo "bin/kelpmark is not executable"; status=1; }
grep -q "GNU GENERAL PUBLIC LICENSE" "$prefix/share/doc/kelpmark/LICENSE" || status=1

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/packages.sh lists it)"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || status=1
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || status=1

# The man page reads as one, and names the version the program reports.
version=$("$prefix/bin/kelpmark" --version)
man_head=$(gzip -dc "$prefix/share/man/man6/kelpmark.6.gz" | grep '^\.TH')
case "$man_head" in
  *"Kelpmark ${version#kelpmark }"*) ;;
  *) echo "man page header '$man_head' does not carry the version of '$version'"; status=1 ;;
esac
grep -q "release version=\"${version#kelpmark }\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  { echo "the metainfo has no release $version"; status=1; }
# An option the game does not know is refused before any display is needed.
rc=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/kelpmark" --no-such-option \
  2>/dev/null || rc=$?
[ $rc = 2 ] || { echo "an unknown option ended with status $rc, not 2"; status=1; }
# --help and the man page list --record; a recording that cannot be written ends
# the game at once with a message, before any game starts.
"$prefix/bin/kelpmark" --help | grep -q -- "--record <file>" || { echo "--help lacks --record"; status=1; }
gzip -dc "$prefix/share/man/man6/kelpmark.6.gz" | grep -q 'record' ||
  { echo "the man page lacks --record"; status=1; }
# Both say how the language is chosen; a language the game lacks is refused.
"$prefix/bin/kelpmark" --help | grep -q -- "--language <language>" || { echo "--help lacks --language"; status=1; }
gzip -dc "$prefix/share/man/man6/kelpmark.6.gz" | grep -q 'LC_MESSAGES' ||
  { echo "the man page does not say how the language is chosen"; status=1; }
rc=0
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/kelpmark" --language xx 2>/dev/null || rc=$?
[ $rc = 2 ] || { echo "an unknown language ended with status $rc, not 2"; status=1; }
rc=0
message=$(XDG_DATA_HOME="$2/data" QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/kelpmark" --record "$2/no-such-folder/game.txt" 2>&1 >/dev/null) || rc=$?
[ $rc = 2 ] && [[ $message == *"cannot write the recording"* ]] ||
  { echo "an unwritable recording ended with status $rc: $message"; status=1; }
exit $status
