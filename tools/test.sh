#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
bash tools/install-deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/quorin-ccache}"
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
build="${BUILD_DIR:-$top/build}"
# TAVRIX_WERROR=ON (as CI sets it) turns every compiler warning into an error.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIX_WERROR="${TAVRIX_WERROR:-OFF}"
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest -j "$(nproc)" --output-on-failure --timeout 300
