#!/usr/bin/env bash
# Installs every Debian package the build, the tests and a run need. Safe to run again.
# Works as root or through sudo.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config git
  qtbase5-dev qttools5-dev qttools5-dev-tools qtmultimedia5-dev libqt5multimedia5-plugins
  libqt5svg5-dev libqt5sql5-sqlite
  libcjson-dev libhidapi-dev libudev-dev libpulse-dev libfftw3-dev
  libx11-dev libxtst-dev libxext-dev
  libbenchmark-dev
  clang libclang-rt-14-dev llvm clang-format
  xvfb xauth fonts-wqy-microhei fonts-dejavu-core
  python3
  openbox xcompmgr xdotool x11-utils imagemagick
  desktop-file-utils appstream lintian dpkg-dev file inotify-tools
  udev umockdev
  stress-ng
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo for: ${missing[*]}" >&2; exit 1; }
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
