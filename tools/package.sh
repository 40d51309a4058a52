#!/usr/bin/env bash
# Installs every Debian package the build and the tests need (tools/install-deps.sh),
# builds the program and what it installs (not the tests) and makes the Debian
# package from the install rules: build/quorin-driver_<version>_<arch>.deb, whose
# name it prints last. The program is built in a tree of its own
# (build/package-build) without the tests, so it holds none of the switches the
# tests drive it with, and the test build beside it keeps its settings. Older packages in the build folder are removed first, so
# the one left is the one just made. Install it with
#   sudo apt install ./build/quorin-driver_<version>_<arch>.deb
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
bash tools/install-deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/quorin-ccache}"
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
build="${BUILD_DIR:-$top/build}"
tree="$build/package-build"
cmake -S "$top" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVRIX_BUILD_TESTS=OFF -DTAVRIX_BUILD_BENCH=OFF -DTAVRIX_TEST_SWITCHES=OFF
cmake --build "$tree" -j "$(nproc)" --target quorin-driver app_icons udev_rules
cd "$tree"
rm -f "$build"/quorin-driver_*.deb
cpack -G DEB --config "$tree/CPackConfig.cmake" -B "$build"
rm -rf "$build/_CPack_Packages"
ls "$build"/quorin-driver_*.deb
