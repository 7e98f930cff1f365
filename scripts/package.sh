#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with dpkg-buildpackage from a copy of the sources in
# build-deb/ (where the .deb, .changes and .buildinfo land), checks it with
# lintian, which must report no error and no warning, and checks its fields and
# contents and starts the unpacked game (tests/package/deb_test.sh).
# Usage: scripts/package.sh   (prints the path of the .deb last)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

version=$(dpkg-parsechangelog -S Version)
out=build-deb
src=$out/kelpmark-${version%-*}
rm -rf "$out"
mkdir -p "$src"
tar -cf - --exclude=./.git --exclude='./build*' --exclude='./obj-*' --exclude=./Testing \
  --exclude=./debian/kelpmark --exclude=./debian/.debhelper . | tar -C "$src" -xf -

(cd "$src" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1 ||
  { tail -n 60 "$out/build.log"; echo "dpkg-buildpackage failed; the whole log is $out/build.log"; exit 1; }
grep -E '^(all [0-9]+ scenario logs match|dpkg-buildpackage: info: binary-only upload)' "$out/build.log"

arch=$(dpkg --print-architecture)
changes=$out/kelpmark_${version}_${arch}.changes
deb=$out/kelpmark_${version}_${arch}.deb
echo "== lintian $changes"
lintian --fail-on error,warning --display-info "$changes"

tests/package/deb_test.sh "$deb" "$out/check"
echo "$deb"
