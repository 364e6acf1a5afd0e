#!/usr/bin/env bash
# Builds the program and writes a PNG of every window into tools/shots/
# (or the folder given), in a real X window under Xvfb on a 1366x768 screen
# (SCREEN=WxH for another) with openbox as window manager when it is there.
# Each form with panels is also shown with all of them open, window and whole
# screen, and the tool says whether its frame lies inside the screen.
# Extra environment (QT_SCALE_FACTOR=2, QT_QPA_PLATFORMTHEME=qt6ct) is passed through.
#   screenshots.sh --readme   refreshes the pictures of the README in docs/
#   screenshots.sh --dark     the same windows in a dark palette, into tools/shots/dark/
#   screenshots.sh --forms [folder]   the forms only
#   screenshots.sh --design [folder] [--dark] [--font PT]   the Parts panel's best combinations
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
readme=0
options=()
if [ "${1:-}" = --readme ]; then
  readme=1
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
elif [ "${1:-}" = --dark ]; then
  options=(--dark)
  out=${2:-$top/tools/shots/dark}
elif [ "${1:-}" = --design ]; then
  options=(--design "${@:3}")
  out=${2:-$top/tools/shots}
elif [ "${1:-}" = --forms ]; then
  options=(--forms)
  out=${2:-$top/tools/shots}
else
  out=${1:-$top/tools/shots}
fi
screen=${SCREEN:-1366x768}
if [ -n "${QT_SCALE_FACTOR:-}" ]; then
  # The same logical screen at that scale: twice the pixels at 2x.
  screen=$(awk -v s="$screen" -v f="$QT_SCALE_FACTOR" 'BEGIN { split(s, d, "x"); printf "%dx%d", d[1] * f, d[2] * f }')
fi
BUILD_DIR=$build bash "$top/tools/configure.sh" >/dev/null
cmake --build "$build" --target voltaris_screenshots voltaris_plot_panel
# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
  if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & sleep 1; fi
  QT_QPA_PLATFORM=xcb "$@"' run "$build/tools/voltaris_screenshots" "${options[@]}" "$out"
if [ $readme -eq 1 ]; then
  mkdir -p "$top/docs"
  cp "$out/CMainDlg-with-menu3.png" "$top/docs/menu-window.png"  # the passive components menu open
  for form in COhmsLawDlg CAstable555Dlg CRcLowPassDlg; do
    cp "$out/$form.png" "$top/docs/$form.png"
  done
  echo "README pictures written to $top/docs/"
fi
