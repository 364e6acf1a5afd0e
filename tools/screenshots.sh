#!/usr/bin/env bash
# Builds the program and writes a PNG of every window into tools/shots/
# (or the folder given), in a real X window under Xvfb.
# Extra environment (QT_SCALE_FACTOR=2, for instance) is passed through.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
out=${1:-$top/tools/shots}
cmake -S "$top" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target voltaris_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$build/tools/voltaris_screenshots" "$out"
