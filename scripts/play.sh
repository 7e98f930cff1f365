#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKELPMARK_BUILD_TESTS=OFF -DKELPMARK_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
exec build/app/kelpmark "$@"
