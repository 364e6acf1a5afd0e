#!/usr/bin/env bash
# Renders the program's icon (res/pictures/icon128.svg) into the PNG sizes of
# the hicolor theme under res/icons/, committed so that building needs no
# SVG tool. Run it again after changing the icon (needs librsvg2-bin).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$top/res/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$top/res/pictures/icon128.svg" \
    -o "$top/res/icons/${size}x${size}/org.voltaris.Voltaris.png"
done
