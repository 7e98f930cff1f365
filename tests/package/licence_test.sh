#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines (a packager's tools read
# them); the AppStream metadata alone carries the metadata's own CC0 licence.
# Usage: licence_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
missing=$(find . -path ./.git -prune -o -path './build*' -prune -o -type f \
  \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt -o -name '*.cmake' -o -name '*.sh' \
     -o -name '*.py' -o -name '*.html' -o -name '*.svg' -o -name '*.qrc' -o -name '*.desktop' \
     -o -name '*.6' -o -path ./.ci/run -o -path ./debian/rules \) -print |
  while read -r f; do
    head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
  done)
if [ -n "$missing" ]; then
  echo "no SPDX licence line in:"
  echo "$missing"
  exit 1
fi
