#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only those that are missing. Uses sudo when not root.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config python3
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libgtest-dev libbenchmark-dev
  clang libclang-rt-dev
  fonts-liberation2
  dpkg-dev file appstream desktop-file-utils lintian
  xvfb xauth
  libxcb1-dev
  libqt6opengl6-dev
  nlohmann-json3-dev libcli11-dev ngspice qt6-charts-dev
  openbox xdotool x11-utils imagemagick qt6ct
  python3-pyatspi at-spi2-core dbus-bin
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
