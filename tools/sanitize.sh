#!/usr/bin/env bash
# Builds the library and a chosen set of tests with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer in a build folder of their own
# (SANITIZE_BUILD_DIR, default build-asan) and runs those tests. Any memory
# error, leak or undefined behaviour fails the run. Leaks wholly inside Qt, X11
# or D-Bus are suppressed in tests/lsan.supp, each with its reason.
#
# The tests are the ones that exercise the project's own objects without long
# timed waits, so that the step stays within a few minutes of two cores: the
# benchmarks and the application itself are not built here.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/quorin-ccache}"
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
build="${SANITIZE_BUILD_DIR:-$top/build-asan}"
jobs="${SANITIZE_JOBS:-$(nproc)}"

tests=(
  tst_xmlstorefiles tst_xmlstoremacros tst_xmlstoreprofiles tst_xmlstoreseniorkeys
  tst_macropage tst_seniorkeyspage tst_profilecontroller
  tst_devicepage tst_devicepagestore tst_devicekeyboardlink tst_hidtransport tst_hotplugsource
  tst_lightengine tst_mainwidget tst_qtlinguist tst_kbemu
)

# -O1 with line tables only: a fraction of the compile time of a full debug
# build, and still a file and line in every report.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_C_FLAGS="-O1 -g1" -DCMAKE_CXX_FLAGS="-O1 -g1 -fno-sanitize-recover=all" \
  -DTAVRIX_SANITIZE=address,undefined -DTAVRIX_BUILD_BENCH=OFF > /dev/null
# Build-time tools (picture generators) run under the sanitizers as well; their
# leaks at exit are not what this step checks.
# The emulator and the translations are what some of the tests run and load.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" -j "$jobs" --target "${tests[@]}" kbemu translations

# The fast unwinder: the full one costs the GUI tests several times their time.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
pattern="^($(IFS='|'; echo "${tests[*]}"))\$"
cd "$build"
ctest -R "$pattern" -j "$jobs" --timeout 300 --output-on-failure
