#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text marked for translation has its translation in every catalogue:
# lupdate reads the sources into a copy of each .ts (the tree is not touched), and
# no message may be left unfinished.
# Usage: translations_test.sh SOURCE_DIR LUPDATE [LUPDATE OPTIONS...]
set -euo pipefail
source_dir=$1
lupdate=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source_dir"/translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" "$@" "$source_dir/src" "$source_dir/app" -ts "$copy" >/dev/null
  count=$(grep -c 'type="unfinished"' "$copy" || true)
  if [ "$count" != 0 ]; then
    echo "$(basename "$ts"): $count texts without a translation"
    grep -B1 'type="unfinished"' "$copy" | grep '<source>' || true
    status=1
  fi
done
exit $status
