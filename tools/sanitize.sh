#!/usr/bin/env bash
# Builds the library with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own (SANITIZE_BUILD_DIR,
# default build-asan), with a set of tests (below), and runs them.
# Any memory error, leak or undefined behaviour fails the run. Leaks wholly
# inside Qt, X11 or D-Bus are suppressed in tests/lsan.supp, each with its reason.
#
# Which tests: by default (SANITIZE_SHARD=all) the whole suite, every Qt Test
# executable of tests/ with its run on a private X server. SANITIZE_SHARD=k/N runs
# shard k of N, the executables dealt out in name order, so that N runs cover the
# suite; SANITIZE_SHARD=commit/N picks the shard from the commit checked out;
# SANITIZE_SHARD=core keeps to the tests of the project's own objects below, for
# a quick look. The tests that start the program (on X or offscreen) start the
# sanitized program. The benchmarks are not built.
#
# The library is built as a shared library here, so each test executable holds
# only its own code: the whole suite's sanitized build stays near half a GB on disk.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/quorin-ccache}"
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
build="${SANITIZE_BUILD_DIR:-$top/build-asan}"
jobs="${SANITIZE_JOBS:-$(nproc)}"

core=(
  tst_xmlstorefiles tst_xmlstoremacros tst_xmlstoreprofiles tst_xmlstoreseniorkeys
  tst_macropage tst_seniorkeyspage tst_profilecontroller
  tst_devicepage tst_devicepagestore tst_devicekeyboardlink tst_hidtransport tst_hotplugsource
  tst_lightengine tst_mainwidget tst_qtlinguist tst_kbemu
)
mapfile -t suite < <(cd "$top/tests" && ls tst_*.cpp | sed 's/\.cpp$//' | LC_ALL=C sort)
shard="${SANITIZE_SHARD:-all}"
if [ "${shard%/*}" = commit ]; then
  commit="$(git -C "$top" rev-parse HEAD 2>/dev/null || echo 0)"
  shard="$(( 16#${commit:0:6} % ${shard#*/} + 1 ))/${shard#*/}"
fi
tests=()
case "$shard" in
  core) tests=("${core[@]}") ;;
  all) tests=("${suite[@]}") ;;
  */*)
    k="${shard%/*}"
    n="${shard#*/}"
    for i in "${!suite[@]}"; do
      if (( i % n == k - 1 )); then tests+=("${suite[$i]}"); fi
    done
    ;;
  *) echo "SANITIZE_SHARD: core, all, k/N or commit/N" >&2; exit 2 ;;
esac
echo "== sanitizer shard $shard: ${#tests[@]} of ${#suite[@]} tests: ${tests[*]}"

# -O1 with line tables only: a fraction of the compile time of a full debug
# build, and still a file and line in every report.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_C_FLAGS="-O1 -g1" -DCMAKE_CXX_FLAGS="-O1 -g1 -fno-sanitize-recover=all" \
  -DTAVRIX_SANITIZE=address,undefined -DTAVRIX_SHARED_CORE=ON -DTAVRIX_BUILD_BENCH=OFF > /dev/null
# Build-time tools (picture generators) run under the sanitizers as well; their
# leaks at exit are not what this step checks. The emulator and the translations
# are what some of the tests run and load.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" -j "$jobs" --target "${tests[@]}" kbemu translations

# The fast unwinder: the full one costs the GUI tests several times their time.
# No strict_string_checks: libxkbcommon-x11 hands strtol a text that is not
# NUL-terminated where it stops, which that check reports at every start of a
# program on X.
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# With the debug information in .dwo files, the symbolizer reads them for file and line.
if command -v llvm-symbolizer > /dev/null; then
  export ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer)"
fi
# No GL integration on the private X servers: Mesa's GLX driver, loaded for every
# window, makes a one-time allocation and is unloaded at exit, so its leak report
# names no library a suppression could match. The widgets draw without it.
export QT_XCB_GL_INTEGRATION=none
# A test's second run on a private X server ("<name>_xvfb") belongs to its shard.
pattern="^($(IFS='|'; echo "${tests[*]}"))(_xvfb)?\$"
cd "$build"
ctest -R "$pattern" -j "$jobs" --timeout 300 --output-on-failure
