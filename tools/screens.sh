#!/usr/bin/env bash
# The screen gallery: every page, tab, dialog and pop-up of the program with an
# emulated QR108 and QM68 (kbemu), on Xvfb at 1366x768 with openbox, in English,
# German, Chinese and Arabic (laid out right to left), once without and once with a
# compositing manager (xcompmgr).
#
#   tools/screens.sh [OUT_DIR]      (default: BUILD_DIR/screens, BUILD_DIR default build/)
#   SCREENS_LANGUAGES="arabic english" tools/screens.sh    (only these languages)
#   THEME=Light tools/screens.sh    (the theme the settings file selects: Black, Light, Blue,
#                                    Pink or Other; default Black)
#
# Writes OUT_DIR/<plain|composited>/<language>/NNN-<screen>.png, taken from the X
# server's screen, so what a compositor or its absence does to a window shows.
# Each run starts the program afresh in its own HOME with the language set in its
# settings file. Needs the tree built beforehand (screengallery, kbemu).
set -uo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${BUILD_DIR:-$top/build}" && pwd)" || { echo "screens: no build tree at ${BUILD_DIR:-$top/build}" >&2; exit 1; }
out="${1:-$build/screens}"
gallery="$build/bin/screengallery"
emu="$build/bin/kbemu"
for tool in Xvfb openbox xcompmgr xprop; do
  command -v "$tool" >/dev/null || { echo "screens: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done
for exe in "$gallery" "$emu"; do
  [ -x "$exe" ] || { echo "screens: $exe is not built (cmake --build build --target screengallery kbemu)" >&2; exit 1; }
done
mkdir -p "$out"
out="$(cd "$out" && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/screens.XXXXXX")"
pids=()

stop_pid() {
  kill -TERM "$1" 2>/dev/null || return 0
  for _ in $(seq 30); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill -KILL "$1" 2>/dev/null || true
}
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop_pid "${pids[$i]}"; done
  rm -rf "$work"
}
trap cleanup EXIT

# The language values of the program's settings file.
declare -A languages=([english]=3 [german]=10 [chinese]=1 [arabic]=7)
chosen=(${SCREENS_LANGUAGES:-english german chinese arabic})
for language in "${chosen[@]}"; do
  [ -n "${languages[$language]:-}" ] || { echo "screens: no language \"$language\" (${!languages[*]})" >&2; exit 1; }
done
declare -A themes=([Black]=0 [Light]=1 [Blue]=2 [Pink]=3 [Other]=4)
theme="${THEME:-Black}"
[ -n "${themes[$theme]:-}" ] || { echo "screens: THEME is one of ${!themes[*]}" >&2; exit 1; }

# One desktop (X server, openbox, optionally xcompmgr, the two keyboards) and the
# program on it once per language. Runs in a subshell; prints one line per language.
desktop() {
  local look="$1" d="$work/$1"
  local local_pids=()
  mkdir -p "$d"
  trap 'for ((i = ${#local_pids[@]} - 1; i >= 0; i--)); do stop_pid "${local_pids[$i]}"; done' EXIT
  trap 'exit 1' TERM
  Xvfb -displayfd 9 -screen 0 1366x768x24 -nolisten tcp -noreset 9>"$d/display" >"$d/xvfb.log" 2>&1 &
  local_pids+=($!)
  for _ in $(seq 100); do [ -s "$d/display" ] && break; sleep 0.05; done
  [ -s "$d/display" ] || { echo "screens: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$d/display")"
  openbox --sm-disable >"$d/openbox.log" 2>&1 &
  local_pids+=($!)
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
  if [ "$look" = composited ]; then
    xcompmgr >"$d/xcompmgr.log" 2>&1 &
    local_pids+=($!)
    for _ in $(seq 100); do xprop -root _NET_WM_CM_S0 >/dev/null 2>&1 && break; sleep 0.05; done
    sleep 0.3
  fi
  local failed=0 language
  for language in "${chosen[@]}"; do
    local u="$d/$language"
    mkdir -p "$u/run" "$u/emu" "$u/tmp" "$u/.local/share/quorin-driver/UserConfig"
    chmod 700 "$u/run"
    printf '[Language]\nselectLanguageIndex=%s\n[Theme]\nselectThemeIndex=%s\n' "${languages[$language]}" \
      "${themes[$theme]}" \
      >"$u/.local/share/quorin-driver/UserConfig/TavrixConfig.ini"
    local env=(HOME="$u" XDG_CONFIG_HOME="$u/.config" XDG_DATA_HOME="$u/.local/share" XDG_CACHE_HOME="$u/.cache"
      XDG_RUNTIME_DIR="$u/run" TMPDIR="$u/tmp" TAVRIX_EMU_DIR="$u/emu" QT_QPA_PLATFORM=xcb)
    env "${env[@]}" "$emu" --dir "$u/emu" --model QR108 --tag a --model QM68 --tag b --log "$u/kbemu.log" \
      >/dev/null 2>&1 &
    local emu_pid=$!
    local_pids+=($emu_pid)
    for _ in $(seq 100); do [ "$(ls "$u/emu"/*.sock 2>/dev/null | wc -l)" -ge 2 ] && break; sleep 0.05; done
    rm -rf "$out/$look/$language"
    if ! env "${env[@]}" "$gallery" "$out/$look/$language" >"$u/gallery.log" 2>&1; then
      failed=1
      echo "screens: $look/$language: some screens were not shown:" >&2
      grep 'screengallery' "$u/gallery.log" >&2
    fi
    grep -h 'screens in' "$u/gallery.log"
    stop_pid "$emu_pid"
  done
  return $failed
}

started=$SECONDS
desktop plain >"$work/plain.out" 2>&1 &
pids+=($!)
plain=$!
desktop composited >"$work/composited.out" 2>&1 &
pids+=($!)
composited=$!
status=0
wait "$plain" || status=1
wait "$composited" || status=1
cat "$work/plain.out" "$work/composited.out"
echo "screens: $(find "$out" -name '*.png' | wc -l) pictures in $out ($((SECONDS - started)) s)"
exit $status
