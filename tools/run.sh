#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
bash "$top/tools/install-deps.sh"
BUILD_DIR=$build bash "$top/tools/configure.sh"
cmake --build "$build" -j"$(nproc)" --target voltaris
exec "$build/app/voltaris"
