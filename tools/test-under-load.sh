#!/usr/bin/env bash
# Runs the test suite again and again on a busy machine and lists what failed in each
# round: a test that passes only on an idle machine fails here. Each round starts its
# load generator (stress-ng) before the suite and ends it right after, so the machine
# is busy only while a round runs. A developer tool; CI does not run it.
#
#   tools/test-under-load.sh [options]
#     -n N             rounds per load (default 1)
#     --load KIND      cpu: every core busy computing (stress-ng --cpu CORES);
#                      memory-disk: memory and disk busy (--vm 2 --vm-bytes 3G --hdd 2 --io 2);
#                      both: N rounds of cpu, then N of memory-disk (default);
#                      none: no load, for comparison
#     --cores C        CPU workers of the cpu load (default: all cores)
#     --sanitize       also run tools/sanitize.sh in each round (its own build folder):
#                      round i of the T rounds of a load runs shard i/T of the
#                      sanitized suite, so each load's rounds cover it once
#                      (SANITIZE_SHARD set by the caller runs that shard every round)
#     --desktop        also run tools/desktop-test.sh in each round
#     -R REGEX         only the tests whose name matches (ctest -R)
#
# Uses the build in BUILD_DIR (default build/), which must be built beforehand; the disk
# load writes its files there, on the disk. Exits 1 when any round had a failure.
set -uo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${BUILD_DIR:-$top/build}" 2>/dev/null && pwd)" || {
  echo "test-under-load: no build tree at ${BUILD_DIR:-$top/build}" >&2
  exit 1
}

rounds=1
load=both
cores="$(nproc)"
sanitize=0
desktop=0
regex=""
while [ $# -gt 0 ]; do
  case "$1" in
    -n) rounds="$2"; shift 2 ;;
    --load) load="$2"; shift 2 ;;
    --cores) cores="$2"; shift 2 ;;
    --sanitize) sanitize=1; shift ;;
    --desktop) desktop=1; shift ;;
    -R) regex="$2"; shift 2 ;;
    -h|--help) sed -n '2,22p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "test-under-load: unknown option $1 (see --help)" >&2; exit 2 ;;
  esac
done
case "$load" in
  cpu|memory-disk|none) loads=("$load") ;;
  both) loads=(cpu memory-disk) ;;
  *) echo "test-under-load: --load is cpu, memory-disk, both or none" >&2; exit 2 ;;
esac
if [ "$load" != none ] && ! command -v stress-ng >/dev/null; then
  echo "test-under-load: stress-ng is missing (tools/install-deps.sh installs it)" >&2
  exit 1
fi

logs="$build/test-under-load/$(date +%Y%m%d-%H%M%S)"
mkdir -p "$logs"
hog_pid=""
hog_dir=""

stop_hog() {
  [ -n "$hog_pid" ] || return 0
  # stress-ng runs in a process group of its own (setsid): its workers end with it.
  kill -TERM -- "-$hog_pid" 2>/dev/null
  for _ in $(seq 50); do kill -0 "$hog_pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL -- "-$hog_pid" 2>/dev/null
  wait "$hog_pid" 2>/dev/null
  hog_pid=""
  [ -n "$hog_dir" ] && rm -rf "$hog_dir"
  hog_dir=""
}
trap stop_hog EXIT
trap 'stop_hog; exit 130' INT TERM

start_hog() {
  local kind="$1"
  case "$kind" in
    none) return 0 ;;
    cpu) setsid stress-ng --cpu "$cores" --quiet > "$logs/stress-ng.log" 2>&1 & ;;
    memory-disk)
      hog_dir="$(mktemp -d "$build/test-under-load/hog.XXXXXX")"
      setsid stress-ng --vm 2 --vm-bytes 3G --hdd 2 --io 2 --temp-path "$hog_dir" --quiet \
        > "$logs/stress-ng.log" 2>&1 &
      ;;
  esac
  hog_pid=$!
  sleep 2  # let the workers start before the suite does
  kill -0 "$hog_pid" 2>/dev/null || { echo "test-under-load: stress-ng did not start" >&2; cat "$logs/stress-ng.log" >&2; exit 1; }
}

# The failed tests of a ctest log, with the failing functions of each.
ctest_failures() {
  local log="$1"
  sed -n '/The following tests FAILED:/,$p' "$log" | grep -E '^[[:space:]]+[0-9]+ - ' | sed 's/^[[:space:]]*[0-9]* - /    /'
  grep -E '^FAIL!  : ' "$log" | sed 's/^/      /' | sort -u
  grep -q 'tests passed' "$log" || echo "    (no test summary: see $log)"
}

summary=()
failed_rounds=0
for kind in "${loads[@]}"; do
  for round in $(seq "$rounds"); do
    name="$kind-$round"
    echo "== round $name: load $kind"
    start_hog "$kind"
    started=$SECONDS
    report=""
    ctest_args=(-j "$(nproc)" --output-on-failure --timeout 300)
    [ -n "$regex" ] && ctest_args+=(-R "$regex")
    (cd "$build" && ctest "${ctest_args[@]}") > "$logs/$name.ctest.log" 2>&1
    ctest_rc=$?
    [ $ctest_rc -ne 0 ] && report+="  suite:"$'\n'"$(ctest_failures "$logs/$name.ctest.log")"$'\n'
    if [ $sanitize -eq 1 ]; then
      SANITIZE_SHARD="${SANITIZE_SHARD:-$round/$rounds}" bash "$top/tools/sanitize.sh" > "$logs/$name.sanitize.log" 2>&1 \
        || report+="  sanitizer run:"$'\n'"$(ctest_failures "$logs/$name.sanitize.log")"$'\n'
    fi
    if [ $desktop -eq 1 ]; then
      BUILD_DIR="$build" bash "$top/tools/desktop-test.sh" > "$logs/$name.desktop.log" 2>&1 \
        || report+="  desktop run:"$'\n'"$(grep -E '^FAIL|desktop-test:' "$logs/$name.desktop.log" | sed 's/^/    /')"$'\n'
    fi
    stop_hog
    took=$((SECONDS - started))
    if [ -z "$report" ]; then
      line="round $name: passed ($took s)"
    else
      line="round $name: FAILED ($took s)"$'\n'"${report%$'\n'}"
      failed_rounds=$((failed_rounds + 1))
    fi
    echo "$line"
    summary+=("$line")
  done
done

echo
echo "== test-under-load summary (logs in $logs)"
printf '%s\n' "${summary[@]}"
[ $failed_rounds -eq 0 ]
