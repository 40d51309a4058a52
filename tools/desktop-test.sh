#!/usr/bin/env bash
# Real-desktop tests: the built program on a private X server (Xvfb, 1366x768) with
# a real window manager (openbox), an emulated keyboard (kbemu), and a tiny system
# tray (faketray) where a case needs one; driven with xdotool, read with
# xwininfo/xprop. Each case runs in its own HOME, XDG folders, XDG_RUNTIME_DIR and
# TMPDIR, and ends exactly the processes it started.
#
#   tools/desktop-test.sh [PATTERN]     runs the cases whose name matches PATTERN
#
# Uses the tree in BUILD_DIR (default build/), built beforehand. A failing case
# leaves a screenshot in BUILD_DIR/tests/screenshots/desktop/. Exits 1 on any failure.
set -uo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
# Absolute, since some cases run from inside the build tree.
build="$(cd "${BUILD_DIR:-$top/build}" && pwd)" || { echo "desktop-test: no build tree at ${BUILD_DIR:-$top/build}" >&2; exit 1; }
bin="$build/bin"
pattern="${1:-}"
shots="$build/tests/screenshots/desktop"
mkdir -p "$shots"

for tool in Xvfb openbox xcompmgr xdotool xwininfo xprop import; do
  command -v "$tool" >/dev/null || { echo "desktop-test: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done
for exe in quorin-driver kbemu faketray; do
  [ -x "$bin/$exe" ] || { echo "desktop-test: $bin/$exe is not built" >&2; exit 1; }
done
[ -x "$build/tests/tst_desktoppopups" ] || { echo "desktop-test: tests/tst_desktoppopups is not built" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/desktop-test.XXXXXX")"
pids=()          # every process started here, ended at exit
failures=0
started_all=$SECONDS

stop_pid() {
  local pid="$1"
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
}
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop_pid "${pids[$i]}"; done
  rm -rf "$work"
}
trap cleanup EXIT

# ---- the X server and the window manager --------------------------------------
Xvfb -displayfd 9 -screen 0 1366x768x24 -nolisten tcp -noreset 9>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "desktop-test: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 1200); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "desktop-test: openbox did not start" >&2; exit 1; }
echo "desktop-test: X server $DISPLAY at 1366x768 with openbox"

# ---- helpers ------------------------------------------------------------------
# One user's private world; sets U to its folder.
new_user() {
  U="$work/$1"
  mkdir -p "$U/run" "$U/emu" "$U/tmp"
  chmod 700 "$U/run"
}
user_env() {
  echo HOME="$U" XDG_CONFIG_HOME="$U/.config" XDG_DATA_HOME="$U/.local/share" XDG_CACHE_HOME="$U/.cache" \
    XDG_RUNTIME_DIR="$U/run" TMPDIR="$U/tmp" TAVRIX_EMU_DIR="$U/emu" QT_QPA_PLATFORM=xcb
}
settings_file() { echo "$U/.local/share/quorin-driver/UserConfig/TavrixConfig.ini"; }
dump_dir() { echo "$U/.local/share/quorin-driver/dump"; }
write_setting() {  # SECTION KEY VALUE (the file is new for each user)
  mkdir -p "$(dirname "$(settings_file)")"
  printf '[%s]\n%s=%s\n' "$1" "$2" "$3" >>"$(settings_file)"
}
start_emu() {  # kbemu arguments after --dir
  env $(user_env) "$bin/kbemu" --dir "$U/emu" "$@" --log "$U/kbemu.log" >/dev/null 2>&1 &
  EMU_PID=$!
  pids+=($EMU_PID)
  wait_for 60 serves && return 0
  echo "kbemu did not serve" >&2
  return 1
}
start_app() {  # program arguments
  env $(user_env) "$bin/quorin-driver" "$@" >"$U/app.log" 2>&1 &
  APP_PID=$!
  pids+=($APP_PID)
}
start_tray() {
  "$bin/faketray" >"$work/faketray.log" 2>&1 &
  TRAY_PID=$!
  pids+=($TRAY_PID)
  wait_for 60 grep -q ready "$work/faketray.log" 2>/dev/null && return 0
  echo "faketray did not start" >&2
  return 1
}
# The main window of APP_PID (mapped or not); empty when there is none. The tray
# icon's window carries the same name: the main window is the large one.
main_window() {
  local w
  for w in $(xdotool search --all --pid "$APP_PID" --name '^Quorin$' 2>/dev/null); do
    [ "$(xwininfo -id "$w" 2>/dev/null | awk '/Width:/{print $2}')" -ge 600 ] 2>/dev/null && { echo "$w"; return; }
  done
}
window_named() { xdotool search --all --pid "$APP_PID" --name "$1" 2>/dev/null | head -n1; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
geometry() {  # prints "x y w h"
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
alive() { kill -0 "$1" 2>/dev/null; }
has_main() { [ -n "$(main_window)" ]; }
serves() { compgen -G "$U/emu/*.sock" >/dev/null; }  # the emulator's socket is in place
wait_for() {  # SECONDS COMMAND...: true once COMMAND succeeds within the time
  local until=$((SECONDS + $1)); shift
  while [ $SECONDS -le $until ]; do "$@" && return 0; sleep 0.1; done
  return 1
}
main_viewable() {
  MAIN="$(main_window)"
  [ -n "$MAIN" ] && viewable "$MAIN"
}
wait_main_viewable() { wait_for 60 main_viewable; }
# Sets CODE to the exit code of APP_PID once it ends within SECONDS; 124 when it
# does not end. (Runs in this shell: only the parent can wait for the process.)
wait_exit() {
  local until=$((SECONDS + $1)) state
  while [ $SECONDS -le $until ]; do
    state="$(ps -o stat= -p "$APP_PID" 2>/dev/null)"
    [ -z "$state" ] || [[ "$state" == Z* ]] && break
    sleep 0.1
  done
  state="$(ps -o stat= -p "$APP_PID" 2>/dev/null)"
  if [ -n "$state" ] && [[ "$state" != Z* ]]; then CODE=124; return; fi
  wait "$APP_PID"
  CODE=$?
}
click() { xdotool mousemove "$1" "$2" sleep 0.1 click 1; }
no_dump() { ! ls "$(dump_dir)"/*.dmp >/dev/null 2>&1; }
click_close() {  # WINDOW [PIXELS FROM THE RIGHT EDGE]: the title bar's close button
  local x y w h
  read -r x y w h <<<"$(geometry "$1")"
  click $((x + w - ${2:-25})) $((y + 22))
}

# APP_PID ends within 10 s with exit code 0 and leaves no crash dump.
ends_cleanly() {  # WHAT
  wait_exit 10
  check "$1 with 0 (got $CODE)" test "$CODE" = 0
  check "no crash dump" no_dump
}
fail() {
  echo "    $*"
  CASE_OK=0
}
check() {  # DESCRIPTION COMMAND...
  local what="$1"; shift
  "$@" || fail "not true: $what"
}
run_case() {
  local name="$1"
  if [ -n "$pattern" ] && ! [[ "$name" =~ $pattern ]]; then return; fi
  CASE_OK=1
  local started=$SECONDS
  local before=${#pids[@]}
  "case_$name"
  if [ "$CASE_OK" = 1 ]; then
    echo "PASS $name ($((SECONDS - started)) s)"
  else
    import -window root "$shots/$name.png" 2>/dev/null
    echo "FAIL $name (screenshot: $shots/$name.png)"
    [ -f "${U:-}/app.log" ] && tail -n 15 "$U/app.log" | sed 's/^/    app: /'
    failures=$((failures + 1))
  fi
  # End what the case started, newest first.
  local i
  for ((i = ${#pids[@]} - 1; i >= before; i--)); do stop_pid "${pids[$i]}"; done
  pids=("${pids[@]:0:$before}")
}

# ---- cases --------------------------------------------------------------------

# Pop-ups under the window manager, with real clicks: they stay open, take the
# click on their keys, close on Escape or a click outside, stay on the screen;
# a key's hover mark goes when the pointer glides into its tip.
case_popups_with_real_pointer() {
  new_user popups
  run_popup_test 0
}

# The pop-ups' pictures once more with a compositing manager (xcompmgr) running:
# drawn whole there too, with their soft shadow instead of the cut-out shape.
case_popups_drawn_whole_with_compositor() {
  new_user composed
  xcompmgr >"$work/xcompmgr.log" 2>&1 &
  pids+=($!)
  run_popup_test 1 popupsDrawnWholeInPlace
}

# The time limit only ends a hang: with memory and disk busy the run has taken 150 s.
run_popup_test() {  # COMPOSITOR(0/1) [TEST FUNCTIONS]
  local compositor="$1"; shift
  local out
  out="$(cd "$build" && env $(user_env) TAVRIX_DESKTOP=1 TAVRIX_COMPOSITOR="$compositor" TAVRIX_SOURCE_DIR="$top" \
    TAVRIX_BIN_DIR="$bin" timeout 600 "$build/tests/tst_desktoppopups" "$@" 2>&1)"
  local code=$?
  echo "$out" | grep -E '^(PASS|FAIL|SKIP|Totals)' | sed 's/^/    /'
  [ $code -eq 0 ] || { fail "tst_desktoppopups failed ($code)"; echo "$out" | grep -A3 '^FAIL' | sed 's/^/    /'; }
  echo "$out" | grep -q '^SKIP' && fail "tst_desktoppopups skipped"
}

# On a 1366x768 screen the whole window, and so every title button, is on the screen.
case_window_fits_small_screen() {
  new_user fits
  start_emu --model QB84 --tag a || { fail "no keyboard"; return; }
  start_app
  wait_main_viewable || { fail "no main window"; return; }
  sleep 1
  read -r x y w h <<<"$(geometry "$MAIN")"
  echo "    window at $x,$y size ${w}x$h"
  check "window inside 1366x768" test "$x" -ge 0 -a "$y" -ge 0 -a $((x + w)) -le 1366 -a $((y + h)) -le 768
  import -window root "$shots/window_1366x768.png" 2>/dev/null
}

# With no tray, Close ends the program: no process is left without a window.
case_close_without_tray_quits() {
  new_user closequits
  start_emu --model QB84 --tag a || { fail "no keyboard"; return; }
  start_app
  wait_main_viewable || { fail "no main window"; return; }
  sleep 1
  click_close "$MAIN"
  ends_cleanly "program ended"
}

# A log-on start with no tray is minimised, not invisible; a log-out (SIGTERM) ends it with 0.
case_autoup_without_tray_minimised() {
  new_user autoup
  write_setting AutoStart isAutoStart true
  start_emu --model QB84 --tag a || { fail "no keyboard"; return; }
  start_app --AutoUp
  wait_for 20 has_main || { fail "no main window"; return; }
  MAIN="$(main_window)"
  wait_for 5 bash -c "xprop -id $MAIN WM_STATE | grep -q Iconic" || fail "window state: $(wm_state "$MAIN"), not Iconic"
  check "still running" alive "$APP_PID"
  kill -TERM "$APP_PID"
  ends_cleanly "log-out ended it"
}

# A new user's program with a tray and its icon docked there; false (and the case
# failed) when any of them did not come.
start_app_with_tray() {  # USER
  new_user "$1"
  start_tray || { fail "no tray"; return 1; }
  start_emu --model QB84 --tag a || { fail "no keyboard"; return 1; }
  start_app
  wait_main_viewable || { fail "no main window"; return 1; }
  sleep 1
  wait_for 10 grep -q docked "$work/faketray.log" || fail "no tray icon docked"
}

# With a tray, Close hides the window and the program runs on; the tray's Quit ends it with 0.
case_tray_close_hides_and_quit_ends() {
  start_app_with_tray trayquit || return
  click_close "$MAIN"
  wait_for 5 bash -c "! xwininfo -id $MAIN | grep -q IsViewable" || fail "Close did not hide the window"
  sleep 1
  check "running in the tray" alive "$APP_PID"
  # The tray icon's menu: right click, then its Quit(&Q).
  xdotool mousemove 16 16 sleep 0.2 click 3 sleep 0.5 key q
  ends_cleanly "tray Quit ended it"
}

# The key pop-up of Remap Key: Escape closes it as a cancel and A keeps its function;
# the pop-up's own Esc key still remaps A to Esc. Points are taken on the window
# (the QB84's picture and the key-assignment tab at 1366x768).
key_popup_viewable() {
  local w
  for w in $(xdotool search --all --pid "$APP_PID" 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | awk '/Width:/{w=$2} /Height:/{h=$2} /Map State: IsViewable/{v=1} END{exit !(w == 1050 && h == 345 && v)}' \
      && return 0
  done
  return 1
}
key_popup_closed() { ! key_popup_viewable; }
profile_layer() { find "$U/.local/share/quorin-driver/UserConfig" -name appProfile_Default.xml 2>/dev/null | head -n1; }
has_profile_layer() { [ -n "$(profile_layer)" ]; }
remapped_a() { grep -q '<key code="4" name="A" type="0" param1="1" param2="1" value="41"/>' "$(profile_layer)"; }
case_key_popup_escape_cancels() {
  new_user keyescape
  start_emu --model QB84 --tag a || { fail "no keyboard"; return; }
  start_app
  wait_main_viewable || { fail "no main window"; return; }
  wait_for 20 has_profile_layer || { fail "no profile file"; return; }
  sleep 1
  local x y w h
  read -r x y w h <<<"$(geometry "$MAIN")"
  click $((x + 609)) $((y + 280))  # A on the keyboard picture
  sleep 0.5
  click $((x + 393)) $((y + 533))  # the Remap Key type
  sleep 0.5
  click $((x + 651)) $((y + 679))  # into the field: the pop-up opens
  wait_for 5 key_popup_viewable || { fail "the key pop-up did not open"; return; }
  sleep 0.5
  xdotool key Escape
  wait_for 5 key_popup_closed || fail "Escape did not close the pop-up"
  sleep 1
  check "Escape left A unmapped" bash -c "! grep -q '<key code=\"4\"' '$(profile_layer)'"
  click $((x + 651)) $((y + 679))
  wait_for 5 key_popup_viewable || { fail "the key pop-up did not open again"; return; }
  sleep 0.5
  click $((x + 324)) $((y + 387))  # the pop-up's own Esc key
  wait_for 5 remapped_a || fail "the pop-up's Esc key did not remap A to Esc"
  kill -TERM "$APP_PID"
  ends_cleanly "ended"
}

# Alt+F4 (the window manager's close) ends the program even with a tray and "Close
# startup to tray" on (a first start turns it on): only the title bar's button hides it.
case_wm_close_ends_with_tray() {
  start_app_with_tray wmclose || return
  xdotool windowactivate --sync "$MAIN" 2>/dev/null
  xdotool key --clearmodifiers alt+F4
  ends_cleanly "Alt+F4 ended it"
}

# Hidden in the tray at log-on, a dialog that comes up (the firmware offer) is
# closed: the program keeps running.
case_dialog_closed_while_hidden() {
  new_user dialoghidden
  write_setting AutoStart isAutoStart true
  start_tray || { fail "no tray"; return; }
  start_emu --model QR108 --tag a || { fail "no keyboard"; return; }
  start_app --AutoUp
  # The firmware offer for the emulated keyboard (its test image is newer).
  dialog_viewable() {
    dialog="$(window_named '^Update Firmware$')"
    [ -n "$dialog" ] && viewable "$dialog"
  }
  local dialog
  wait_for 20 dialog_viewable || { fail "the firmware dialog did not come up"; return; }
  wait_for 5 has_main
  MAIN="$(main_window)"
  check "main window hidden" bash -c "! xwininfo -id $MAIN | grep -q IsViewable"
  sleep 0.5
  click_close "$dialog" 24
  wait_for 5 bash -c "! xwininfo -id $dialog 2>/dev/null | grep -q IsViewable" || fail "the dialog did not close"
  sleep 2
  check "still running after the dialog closed" alive "$APP_PID"
  kill -TERM "$APP_PID"
  ends_cleanly "ended"
}

# The tray goes away while the window is hidden in it: the window comes back.
case_tray_gone_window_back() {
  new_user traygone
  start_tray || { fail "no tray"; return; }
  start_emu --model QB84 --tag a || { fail "no keyboard"; return; }
  start_app
  wait_main_viewable || { fail "no main window"; return; }
  sleep 1
  click_close "$MAIN"
  wait_for 5 bash -c "! xwininfo -id $MAIN | grep -q IsViewable" || { fail "Close did not hide the window"; return; }
  stop_pid "$TRAY_PID"
  wait_for 8 viewable "$MAIN" || fail "window not shown again after the tray went away"
  check "still running" alive "$APP_PID"
}

# A drag from the bottom-right corner resizes the frameless window (through the
# window system where it can); it starts at the size of a small screen, so inwards.
case_window_resizes() {
  new_user resizes
  start_emu --model QB84 --tag a || { fail "no keyboard"; return; }
  start_app
  wait_main_viewable || { fail "no main window"; return; }
  sleep 1
  read -r x y w h <<<"$(geometry "$MAIN")"
  # As for a move: a pause where the window manager takes the drag over.
  xdotool mousemove $((x + w - 2)) $((y + h - 2)) sleep 0.3 mousedown 1 sleep 0.2 mousemove $((x + w - 4)) $((y + h - 4)) \
    sleep 2 mousemove $((x + w - 20)) $((y + h - 15)) sleep 0.2 mousemove $((x + w - 60)) $((y + h - 40)) sleep 0.3 mouseup 1
  resized() { local a b c d; read -r a b c d <<<"$(geometry "$MAIN")"; [ $((w - c)) -ge 30 ] && [ $((h - d)) -ge 20 ]; }
  wait_for 10 resized
  local x2 y2 w2 h2
  read -r x2 y2 w2 h2 <<<"$(geometry "$MAIN")"
  echo "    resized from ${w}x$h to ${w2}x$h2"
  check "narrower after the drag" test $((w - w2)) -ge 30
  check "lower after the drag" test $((h - h2)) -ge 20
}

# The frameless window is moved through the window manager: a drag on the logo
# strip moves it.
case_window_moves() {
  new_user moves
  start_emu --model QB84 --tag a || { fail "no keyboard"; return; }
  start_app
  wait_main_viewable || { fail "no main window"; return; }
  sleep 1
  read -r x y w h <<<"$(geometry "$MAIN")"
  # The window manager moves the window by the pointer's way from where it took the
  # drag over, which the program asks for at the first motion: a busy machine gets
  # a pause there before the rest of the way.
  xdotool mousemove $((x + 80)) $((y + 22)) sleep 0.2 mousedown 1 sleep 0.2 mousemove $((x + 82)) $((y + 28)) \
    sleep 2 mousemove $((x + 90)) $((y + 60)) sleep 0.2 mousemove $((x + 100)) $((y + 102)) sleep 0.3 mouseup 1
  moved_down() { local a b c d; read -r a b c d <<<"$(geometry "$MAIN")"; [ $((b - y)) -ge 50 ]; }
  wait_for 10 moved_down
  local x2 y2 w2 h2
  read -r x2 y2 w2 h2 <<<"$(geometry "$MAIN")"
  echo "    moved from $x,$y to $x2,$y2"
  # (openbox's edge resistance may hold the left edge at the screen's.)
  check "moved down by the drag" test $((y2 - y)) -ge 50
}

# After a crash, the next start says so once, with the report's place; closing that
# notice leaves the program running; the start after that says nothing.
crash_notice() {
  local w
  for w in $(xdotool search --all --pid "$APP_PID" --name '^Quorin$' 2>/dev/null); do
    viewable "$w" && [ "$(xwininfo -id "$w" | awk '/Width:/{print $2}')" -lt 600 ] && { echo "$w"; return; }
  done
}
has_crash_notice() { [ -n "$(crash_notice)" ]; }
no_crash_notice() { ! has_crash_notice; }
case_crash_told_once() {
  new_user crash
  start_emu --model QB84 --tag a || { fail "no keyboard"; return; }
  (env $(user_env) TAVRIX_TEST_CRASH=segv "$bin/quorin-driver" >"$U/crash.log" 2>&1) 2>/dev/null
  ls "$(dump_dir)"/*.dmp >/dev/null 2>&1 || { fail "no dump written by the test crash"; return; }
  start_app
  wait_main_viewable || { fail "no main window"; return; }
  wait_for 5 has_crash_notice || { fail "no crash notice"; return; }
  local notice
  notice="$(crash_notice)"
  xdotool windowactivate --sync "$notice" key Return 2>/dev/null
  wait_for 5 bash -c "! xwininfo -id $notice 2>/dev/null | grep -q IsViewable" || fail "the notice did not close"
  sleep 0.5
  check "still running after the notice" alive "$APP_PID"
  kill -TERM "$APP_PID"
  wait_exit 10
  check "ended with 0 (got $CODE)" test "$CODE" = 0
  start_app
  wait_main_viewable || { fail "no main window at the next start"; return; }
  sleep 1.5
  check "no notice for the same dump again" no_crash_notice
}

# A QM68 waits in its bootloader and a QR108 is offered an update; the two share
# their bootloader's VID/PID. Update on the QR108's row flashes the QR108, which
# comes back at V1.01; the QM68's bootloader is left alone, still waiting.
fw_dialog_viewable() {
  FW_DIALOG="$(window_named '^Update Firmware$')"
  [ -n "$FW_DIALOG" ] && viewable "$FW_DIALOG"
}
case_firmware_goes_into_chosen_keyboard() {
  new_user fwchoice
  start_emu --model QM68 --tag a --bootloader --model QR108 --tag b || { fail "no keyboards"; return; }
  start_app
  wait_for 25 fw_dialog_viewable || { fail "the firmware dialog did not come up"; return; }
  sleep 1
  local x y w h
  read -r x y w h <<<"$(geometry "$FW_DIALOG")"
  # The only row (the QM68 in its bootloader has none): its Update button sits at
  # the row's right end, the row right under the 45 px title bar.
  click $((x + w - 80)) $((y + 45 + 35))
  local returned="$U/emu/vid_1209&pid_0001&b.sock.json"
  wait_for 30 grep -qs '"V1.01"' "$returned" || fail "the QR108 did not come back at V1.01"
  sleep 0.5
  import -window root "$shots/firmware_chosen_keyboard.png" 2>/dev/null
  check "the QM68 still waits in its bootloader" test -S "$U/emu/vid_1209&pid_000e&a.sock"
  check "the QM68 was not flashed" test ! -e "$U/emu/vid_1209&pid_0003&a.sock"
  check "the QR108 left its bootloader" test ! -e "$U/emu/vid_1209&pid_000e&b.sock"
  kill -TERM "$APP_PID"
  ends_cleanly "ended"
}

# A long device operation outlives the dialog or window that started it: the
# firmware update and the Download run to their end, and a quit waits for them
# with the window hidden. Each case looks at what the emulated keyboard got.
fw_dialog_closed() { ! xwininfo -id "$FW_DIALOG" 2>/dev/null | grep -q IsViewable; }
# The program's own first-start offer (the test image is newer) is closed first.
close_first_offer() {
  wait_for 25 fw_dialog_viewable || { fail "the firmware offer did not come up"; return 1; }
  sleep 0.5
  click_close "$FW_DIALOG" 24
  wait_for 5 fw_dialog_closed || { fail "the offer did not close"; return 1; }
  MAIN="$(main_window)"
}
# Settings, then its "Firmware upgrade check": the dialog with the QR108's row.
open_firmware_check() {
  local x y w h settings
  read -r x y w h <<<"$(geometry "$MAIN")"
  click $((x + w - 133)) $((y + 22))
  wait_for 5 bash -c "xdotool search --all --pid $APP_PID --name '^Settings$' >/dev/null" || { fail "no Settings dialog"; return 1; }
  settings="$(window_named '^Settings$')"
  wait_for 5 viewable "$settings"
  sleep 0.5
  read -r x y w h <<<"$(geometry "$settings")"
  click $((x + 281)) $((y + 263))
  wait_for 10 fw_dialog_viewable || { fail "the check showed no firmware dialog"; return 1; }
  sleep 0.5
}
press_update() {
  local x y w h
  read -r x y w h <<<"$(geometry "$FW_DIALOG")"
  click $((x + w - 80)) $((y + 45 + 35))
}
keyboard_back_at_new_version() {
  [ -S "$U/emu/vid_1209&pid_0001&a.sock" ] && [ ! -e "$U/emu/vid_1209&pid_000e&a.sock" ] \
    && grep -qs '"V1.01"' "$U/emu/vid_1209&pid_0001&a.sock.json"
}
got_update_mode_report() { awk '$2 == "01" && $3 == "0a" {found = 1} END {exit !found}' "$U/kbemu.log"; }

# Update, then the dialog's close within a second: the keyboard still leaves its
# bootloader flashed, and the program runs on.
case_firmware_update_outlives_its_dialog() {
  new_user fwclose
  start_emu --model QR108 --tag a || { fail "no keyboard"; return; }
  start_app
  close_first_offer || return
  open_firmware_check || return
  press_update
  sleep 0.3
  click_close "$FW_DIALOG" 24
  wait_for 5 fw_dialog_closed || fail "the dialog did not close"
  wait_for 20 got_update_mode_report || fail "the keyboard got no update-mode report"
  wait_for 30 keyboard_back_at_new_version || fail "the keyboard did not come back flashed (V1.01)"
  import -window root "$shots/firmware_closed_dialog_outcome.png" 2>/dev/null
  check "still running" alive "$APP_PID"
  kill -TERM "$APP_PID"
  ends_cleanly "ended"
}

# Update, then at once a log-out (SIGTERM): the window goes at once, the program
# waits for the flashing and then ends with 0.
case_quit_waits_for_firmware_update() {
  new_user fwquit
  start_emu --model QR108 --tag a || { fail "no keyboard"; return; }
  start_app
  wait_for 25 fw_dialog_viewable || { fail "the firmware offer did not come up"; return; }
  sleep 0.5
  MAIN="$(main_window)"
  press_update
  wait_for 5 got_update_mode_report || fail "the keyboard got no update-mode report"
  kill -TERM "$APP_PID"
  wait_for 3 bash -c "! xwininfo -id $MAIN 2>/dev/null | grep -q IsViewable" || fail "the window stayed on the screen"
  check "waits for the update" alive "$APP_PID"
  wait_exit 60
  check "ended with 0 after the update (got $CODE)" test "$CODE" = 0
  check "no crash dump" no_dump
  # It leaves its bootloader a moment after the flashing.
  wait_for 10 keyboard_back_at_new_version || fail "the keyboard did not come back flashed (V1.01)"
}

# Download with slow acknowledgements (about 3 s), then the title bar's close with
# no tray: the window goes at once, the keyboard gets the whole download (both key
# layers and every macro slot's steps), then the program ends with 0.
download_reports() {  # FIRST LINE of the log to look at
  tail -n +"$1" "$U/kbemu.log" | awk '$2 == "01" && ($3 == "17" || $3 == "18")'
}
case_quit_waits_for_download() {
  new_user dlquit
  printf 'delay 0x19 150 all\n' >"$U/script"
  start_emu --model QR108 --tag a --script "$U/script" || { fail "no keyboard"; return; }
  start_app
  close_first_offer || return
  wait_for 20 has_profile_layer || { fail "no profile file"; return; }
  sleep 1
  local x y w h from
  read -r x y w h <<<"$(geometry "$MAIN")"
  from=$(($(wc -l <"$U/kbemu.log") + 1))
  click $((x + w - 309)) $((y + h - 32))  # Download, on the key-assignment tab
  sleep 0.3
  click_close "$MAIN"
  wait_for 3 bash -c "! xwininfo -id $MAIN 2>/dev/null | grep -q IsViewable" || fail "the window stayed on the screen"
  check "waits for the download" alive "$APP_PID"
  wait_exit 60
  check "ended with 0 after the download (got $CODE)" test "$CODE" = 0
  check "no crash dump" no_dump
  local total distinct
  total="$(download_reports "$from" | wc -l)"
  # Each key packet is told by its layer and number, each macro packet by its slot
  # and step: 2 x 10 key packets and 10 x 5 macro packets, resends aside.
  distinct="$(download_reports "$from" | awk '{print $3, $4, $6}' | sort -u | wc -l)"
  echo "    download reports received: $total, distinct: $distinct"
  check "the whole download reached the keyboard (70 distinct reports, got $distinct)" test "$distinct" = 70
}

# Two keyboards at V1.00 are offered an update: the dialog holds both rows, and a
# click on the second row's Update, where the window shows it, sends the QM68 (and
# only it) into its update mode; it comes back flashed.
case_firmware_second_row_usable() {
  new_user fwrows
  start_emu --model QR108 --tag a --log "$U/qr108.log" --model QM68 --tag b || { fail "no keyboards"; return; }
  start_app
  wait_for 25 fw_dialog_viewable || { fail "the firmware dialog did not come up"; return; }
  sleep 1
  local x y w h
  read -r x y w h <<<"$(geometry "$FW_DIALOG")"
  echo "    dialog ${w}x$h"
  import -window root "$shots/firmware_two_rows.png" 2>/dev/null
  # Rows of 70 px under the 45 px title bar and a 6 px margin, the warning line
  # under them; each row's Update button at its right end.
  check "the dialog holds two rows and the warning line (${h} px high)" test "$h" -ge $((45 + 6 + 2 * 70 + 40))
  click $((x + w - 110)) $((y + 45 + 6 + 70 + 35))
  into_update_mode() { grep -qE '^[0-9]+ 01 0a 00 ' "$1" 2>/dev/null; }
  wait_for 10 into_update_mode "$U/kbemu.log" || fail "the QM68 was not sent into its update mode"
  check "the QR108 was not sent into its update mode" bash -c "! grep -qE '^[0-9]+ 01 0a 00 ' '$U/qr108.log'"
  wait_for 30 grep -qs '"V1.01"' "$U/emu/vid_1209&pid_0003&b.sock.json" || fail "the QM68 did not come back at V1.01"
  check "the QR108 still at V1.00" grep -qs '"V1.00"' "$U/emu/vid_1209&pid_0001&a.sock.json"
  kill -TERM "$APP_PID"
  ends_cleanly "ended"
}

for name in popups_with_real_pointer popups_drawn_whole_with_compositor key_popup_escape_cancels window_moves \
  window_resizes window_fits_small_screen close_without_tray_quits autoup_without_tray_minimised \
  tray_close_hides_and_quit_ends wm_close_ends_with_tray dialog_closed_while_hidden \
  tray_gone_window_back crash_told_once firmware_goes_into_chosen_keyboard firmware_update_outlives_its_dialog \
  quit_waits_for_firmware_update quit_waits_for_download firmware_second_row_usable; do
  run_case "$name"
done

echo "desktop-test: $failures failed, took $((SECONDS - started_all)) s"
[ "$failures" -eq 0 ]
