#!/usr/bin/env bash
# Builds the program and writes a PNG of every window into tools/shots/
# (or the folder given), in a real X window under Xvfb.
# Extra environment (QT_SCALE_FACTOR=2, for instance) is passed through.
#   screenshots.sh --readme   refreshes the pictures of the README in docs/
#   screenshots.sh --dark     the same windows in a dark palette, into tools/shots/dark/
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
readme=0
palette=()
if [ "${1:-}" = --readme ]; then
  readme=1
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
elif [ "${1:-}" = --dark ]; then
  palette=(--dark)
  out=${2:-$top/tools/shots/dark}
else
  out=${1:-$top/tools/shots}
fi
BUILD_DIR=$build bash "$top/tools/configure.sh" >/dev/null
cmake --build "$build" --target voltaris_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$build/tools/voltaris_screenshots" "${palette[@]}" "$out"
if [ $readme -eq 1 ]; then
  mkdir -p "$top/docs"
  cp "$out/CMainDlg-with-menu3.png" "$top/docs/menu-window.png"  # the passive components menu open
  for form in COhmsLawDlg CAstable555Dlg CRcLowPassDlg; do
    cp "$out/$form.png" "$top/docs/$form.png"
  done
  echo "README pictures written to $top/docs/"
fi
