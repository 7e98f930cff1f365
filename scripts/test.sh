#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
# The save file must not depend on a decimal-comma locale: the tests need one.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || echo "ru_RU.UTF-8 not available; its test will skip"
fi
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELPMARK_WERROR=ON \
  -DKELPMARK_BUILD_TESTS=ON -DKELPMARK_BUILD_BENCH=ON
cmake --build build-test -j"$(nproc)"
cd build-test
ctest --output-on-failure -j"$(nproc)"
