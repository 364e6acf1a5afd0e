#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (LeakSanitizer included), then the fuzz targets for a bounded time.
#   tools/sanitize.sh [seconds of fuzzing in all, split between the targets, default 120]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash tools/install-deps.sh
cmake --preset asan
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"
bash tools/fuzz.sh "$top/build-asan" "${1:-120}"
