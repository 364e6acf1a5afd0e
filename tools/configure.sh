#!/usr/bin/env bash
# Configures a build folder (build/ unless BUILD_DIR names another) the one way
# that running, testing, screenshots and installing all share, the preset
# "default": configuring it differently for each would rebuild everything.
#   configure.sh [extra cmake options]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
cmake -S "$top" --preset default -B "$build" "$@"
