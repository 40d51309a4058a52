#!/usr/bin/env bash
# Builds the library, the program and every test with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer in a build folder of their own
# (SANITIZE_BUILD_DIR, default build-asan) and runs the whole test suite there,
# the tests that start the program on X or offscreen included (they start the
# sanitized program). Any memory error, leak or undefined behaviour fails the
# run. Leaks wholly inside Qt, X11 or D-Bus are suppressed in tests/lsan.supp,
# each with its reason. The benchmarks are not built.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/quorin-ccache}"
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
build="${SANITIZE_BUILD_DIR:-$top/build-asan}"
jobs="${SANITIZE_JOBS:-$(nproc)}"

# -O1 with line tables only: a fraction of the compile time of a full debug
# build, and still a file and line in every report.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_C_FLAGS="-O1 -g1" -DCMAKE_CXX_FLAGS="-O1 -g1 -fno-sanitize-recover=all" \
  -DTAVRIX_SANITIZE=address,undefined -DTAVRIX_BUILD_BENCH=OFF > /dev/null
# Build-time tools (picture generators) run under the sanitizers as well; their
# leaks at exit are not what this step checks.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" -j "$jobs"

# The fast unwinder: the full one costs the GUI tests several times their time.
# No strict_string_checks: libxkbcommon-x11 hands strtol a text that is not
# NUL-terminated where it stops, which that check reports at every start of a
# program on X.
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
ctest -j "$jobs" --timeout 300 --output-on-failure
