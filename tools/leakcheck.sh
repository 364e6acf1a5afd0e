#!/usr/bin/env bash
# Every form opened and closed 1000 times from the menu, and the help window
# shown and closed 10000 times: the resident size must stay flat (ordinary
# build), and LeakSanitizer must find nothing lost (preset "asan", if built).
#   tools/leakcheck.sh [openings per form, default 1000]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export LEAK_CYCLES=${1:-1000}
export QT_QPA_PLATFORM=offscreen
for build in "$top/build" "$top/build-asan"; do
  [ -x "$build/tests/app_tests" ] || continue
  echo "== $build"
  LSAN_OPTIONS=suppressions=$top/tools/lsan-qt.supp:print_suppressions=0 \
    "$build/tests/app_tests" --gtest_filter='Leak.*'
done
