#!/usr/bin/env bash
# Installs what is needed, builds the application and starts it with one emulated
# keyboard (a QR108 served by tools/kbemu) beside it. The emulator stops when the
# application ends. Starting build/bin/quorin-driver directly uses real keyboards only.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
bash tools/install-deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/quorin-ccache}"
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
build="${BUILD_DIR:-$top/build}"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)" --target quorin-driver

# The emulator joins the build once it exists; without it the app runs alone.
kbemu=""
if cmake --build "$build" -j "$(nproc)" --target kbemu >/dev/null 2>&1; then
  for candidate in "$build/bin/kbemu" "$build/tools/kbemu/kbemu"; do
    if [ -x "$candidate" ]; then kbemu="$candidate"; break; fi
  done
fi
if [ -z "$kbemu" ]; then
  echo "run: no keyboard emulator built; starting with real keyboards only" >&2
  exec "$build/bin/quorin-driver" "$@"
fi

emu_dir="$(mktemp -d "${TMPDIR:-/tmp}/quorin-emu.XXXXXX")"
# Every report the keyboard receives is logged; with live lighting that is a
# stream (about 150 MB an hour), so it goes to a file rather than the terminal,
# kept under a limit: the older half moves to kbemu-run.log.1.
emu_log="$build/kbemu-run.log"
emu_log_limit=$((8 * 1024 * 1024))
"$kbemu" --dir "$emu_dir" --model QR108 --tag run --log "$emu_log" --log-limit "$emu_log_limit" &
emu_pid=$!
stop_emulator() {
  kill -TERM "$emu_pid" 2>/dev/null || true
  wait "$emu_pid" 2>/dev/null || true
  rm -rf "$emu_dir"
}
trap stop_emulator EXIT
trap 'exit 130' INT TERM

# Let the emulated keyboard's socket appear before the application enumerates.
for _ in $(seq 50); do
  compgen -G "$emu_dir/*.sock" >/dev/null && break
  sleep 0.1
done
echo "run: emulated keyboard QR108 in $emu_dir; its report log: $emu_log (at most 8 MiB, older reports in $emu_log.1)" >&2
status=0
TAVRIX_EMU_DIR="$emu_dir" "$build/bin/quorin-driver" "$@" || status=$?
exit "$status"
