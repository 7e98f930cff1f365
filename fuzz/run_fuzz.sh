#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the save-file fuzzers with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build directory and runs one of them for
# a bounded number of inputs over a copy of the seed corpus.
#
#   fuzz/run_fuzz.sh [RUNS] [FUZZER] [SECONDS]
#
# RUNS     inputs to try (default 200000)
# FUZZER   save_reader_fuzzer (default) or save_play_fuzzer
# SECONDS  a guard on the total time (default 1800)
#
# Crashes, leaks and timeouts are written to fuzz/crashes/ as crash-*, leak-*,
# timeout-*; the script's exit status is the fuzzer's (0 when nothing was found).
# Extra libFuzzer options may be given in FUZZ_ARGS, e.g. FUZZ_ARGS=-jobs=2.
set -eu

RUNS=${1:-200000}
FUZZER=${2:-save_reader_fuzzer}
SECONDS_LIMIT=${3:-1800}

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
BUILD=${KELPMARK_FUZZ_BUILD:-$ROOT/build-fuzz}

need_packages=""
command -v clang++ >/dev/null 2>&1 || need_packages="clang"
if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  need_packages="$need_packages libclang-rt-14-dev"
fi
if [ -n "$need_packages" ]; then
  echo "run_fuzz.sh: installing$need_packages" >&2
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -q
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -q $need_packages
fi

cmake -S "$ROOT" -B "$BUILD" \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELPMARK_FUZZ=ON -DKELPMARK_SANITIZE=ON -DKELPMARK_WERROR=ON \
  -DKELPMARK_BUILD_UI=OFF -DKELPMARK_BUILD_TESTS=OFF -DKELPMARK_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target "$FUZZER" -j"$(nproc 2>/dev/null || echo 2)"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/kelpmark-fuzz.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
cp "$HERE"/corpus/* "$WORK"/
mkdir -p "$HERE/crashes"

status=0
# shellcheck disable=SC2086
"$BUILD/fuzz/$FUZZER" "$WORK" \
  -runs="$RUNS" -max_total_time="$SECONDS_LIMIT" \
  -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$HERE/crashes/" -print_final_stats=1 ${FUZZ_ARGS:-} || status=$?
exit $status
