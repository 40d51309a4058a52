#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short while
# (FUZZ_SECONDS, default 20) over its seed corpus. Exits non-zero on a finding.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/quorin-ccache}"
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
build="${FUZZ_BUILD_DIR:-$top/build-fuzz}"
seconds="${FUZZ_SECONDS:-20}"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVRIX_FUZZ=ON -DTAVRIX_BUILD_BENCH=OFF
targets=$(cd "$top/tests/fuzz" && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$build" -j "$(nproc)" --target $targets
for t in $targets; do
  corpus="$top/tests/fuzz/corpus/${t#fuzz_}"
  work="$(mktemp -d)"
  [ -d "$corpus" ] && cp -r "$corpus/." "$work/"
  dict=()
  [ -f "$top/tests/fuzz/${t#fuzz_}.dict" ] && dict=(-dict="$top/tests/fuzz/${t#fuzz_}.dict")
  echo "== $t for ${seconds}s"
  QT_QPA_PLATFORM=offscreen "$build/bin/$t" -max_total_time="$seconds" "${dict[@]}" "$work"
  rm -rf "$work"
done
