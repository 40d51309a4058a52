#!/usr/bin/env bash
# Checks the installation and the Debian package of an already built tree
# (BUILD_DIR, default build/); it builds nothing but the few install targets.
#   1. stages `cmake --install` in a temporary folder and checks what lands there;
#   2. validates the desktop entry and the AppStream metadata;
#   3. makes the .deb with CPack and checks it with lintian (errors fail, warnings listed);
#   4. starts the staged program offscreen, in German, against an emulated QR108 and
#      shows that it read its translation and keyboard picture from the staged data
#      folder, talked to the keyboard and wrote an auto-start entry naming itself.
# Exits non-zero on any failure.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$top/build}"
app_id=example.quorin.driver

fail() { echo "FAIL $*" >&2; exit 1; }
pass() { echo "PASS $*"; }

[ -f "$build/CPackConfig.cmake" ] || fail "no configured build in $build (build it first, e.g. tools/test.sh)"
for tool in desktop-file-validate appstreamcli lintian dpkg-deb dpkg-shlibdeps inotifywait; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps.sh installs it)"
done
# Up to date in a built tree; cheap otherwise.
cmake --build "$build" --target quorin-driver kbemu app_icons udev_rules >/dev/null

work="$(mktemp -d "${TMPDIR:-/tmp}/quorin-package.XXXXXX")"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill -TERM "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# --- 1. staged installation ---------------------------------------------------
# A blank in the path, as in a moved installation under "My Programs": the
# auto-start entry must quote it.
stage="$work/staged copy"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "cmake --install"; }
usr="$stage/usr"
expected=(
  bin/quorin-driver
  share/quorin-driver/translation/German.qm
  share/quorin-driver/translation/English.qm
  share/quorin-driver/images/hidImages/Keyboard_QR108.png
  share/applications/$app_id.desktop
  share/metainfo/$app_id.metainfo.xml
  share/icons/hicolor/scalable/apps/quorin-driver.svg
  share/icons/hicolor/48x48/apps/quorin-driver.png
  share/icons/hicolor/256x256/apps/quorin-driver.png
  share/doc/quorin-driver/copyright
  share/doc/quorin-driver/changelog.gz
  share/man/man1/quorin-driver.1.gz
  lib/udev/rules.d/70-quorin-driver.rules
)
for file in "${expected[@]}"; do
  [ -s "$usr/$file" ] || fail "staged installation lacks $file"
done
[ "$(find "$usr/share/quorin-driver/translation" -name '*.qm' | wc -l)" -eq 15 ] \
  || fail "staged installation does not hold the 15 translations"
pass "staged install: $(find "$stage" -type f | wc -l) files under '$(basename "$stage")/usr'"

# --- 2. desktop entry and AppStream metadata ----------------------------------
desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=quorin-driver' "$usr/share/applications/$app_id.desktop" \
  || fail "the desktop entry does not start the installed program"
pass "desktop-file-validate $app_id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
pass "appstreamcli validate $app_id.metainfo.xml"

# --- 3. Debian package --------------------------------------------------------
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/deb/quorin-driver_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for need in libqt5core5a libqt5svg5 libqt5multimedia5-plugins libhidapi-hidraw0; do
  [[ "$depends" == *"$need"* ]] || fail "package does not depend on $need: $depends"
done
pass "cpack: $(basename "$deb"), depends: $depends"
lintian_log="$work/lintian.log"
lintian_status=0
lintian --fail-on error "$deb" >"$lintian_log" 2>&1 || lintian_status=$?
grep -E '^(E|W): ' "$lintian_log" || true
[ "$lintian_status" -eq 0 ] || { cat "$lintian_log"; fail "lintian found errors"; }
pass "lintian: $(grep -c '^W: ' "$lintian_log" || true) warnings, no errors"

# --- 4. the staged program with an emulated keyboard --------------------------
home="$work/home"
emu_dir="$work/emu"
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$work/run" "$work/tmp" "$emu_dir"
chmod 700 "$work/run"
emu_log="$work/kbemu.log"
"$build/bin/kbemu" --dir "$emu_dir" --model QR108 --tag package --log "$emu_log" >"$work/kbemu.out" 2>&1 &
pids+=($!)
# Every file the program opens in its staged data folder.
opens="$work/opens.log"
inotifywait -m -r -e open --format '%w%f' "$usr/share/quorin-driver" >"$opens" 2>"$work/inotify.err" &
pids+=($!)
for _ in $(seq 100); do
  grep -q 'Watches established' "$work/inotify.err" && compgen -G "$emu_dir/*.sock" >/dev/null && break
  sleep 0.1
done
compgen -G "$emu_dir/*.sock" >/dev/null || fail "the emulated keyboard did not start"
grep -q 'Watches established' "$work/inotify.err" || fail "inotifywait did not start"

app_out="$work/app.log"
env -i PATH="/usr/bin:/bin" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
  XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/run" \
  TMPDIR="$work/tmp" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
  TAVRIX_EMU_DIR="$emu_dir" "$usr/bin/quorin-driver" >"$app_out" 2>&1 &
app_pid=$!
pids+=("$app_pid")

data="$usr/share/quorin-driver"
translation_seen=false picture_seen=false keyboard_seen=false
for _ in $(seq 600); do
  grep -qx "$data/translation/German.qm" "$opens" && translation_seen=true
  grep -qx "$data/images/hidImages/Keyboard_QR108.png" "$opens" && picture_seen=true
  # The serial-number query: the program opened the keyboard and asks who it is.
  grep -qE '^[0-9]+ 00 14 ' "$emu_log" 2>/dev/null && keyboard_seen=true
  if $translation_seen && $picture_seen && $keyboard_seen; then break; fi
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
show_run() {
  echo "--- program output:"; tail -n 20 "$app_out"
  echo "--- files opened in the data folder:"; cat "$opens"
  echo "--- reports the keyboard received: $(wc -l <"$emu_log" 2>/dev/null || echo 0)"
}
$translation_seen || { show_run; fail "the staged program did not read $data/translation/German.qm"; }
$picture_seen || { show_run; fail "the staged program did not read the QR108 picture from $data"; }
$keyboard_seen || { show_run; fail "the staged program did not open the emulated keyboard"; }
kill -0 "$app_pid" 2>/dev/null || { show_run; fail "the staged program ended early"; }
pass "staged program read $(sort -u "$opens" | sed "s|^$data/||" | tr '\n' ' ')"
pass "staged program opened the emulated QR108: $(wc -l <"$emu_log") reports received"

autostart="$home/.config/autostart/quorin-driver.desktop"
[ -f "$autostart" ] || fail "no auto-start entry written"
grep -qxF "Exec=\"$usr/bin/quorin-driver\" --AutoUp" "$autostart" \
  || { cat "$autostart"; fail "the auto-start entry does not name the staged program"; }
desktop-file-validate "$autostart" || fail "desktop-file-validate of the auto-start entry"
pass "auto-start entry: $(grep '^Exec=' "$autostart")"

# A system-requested end: the program quits on SIGTERM.
kill -TERM "$app_pid"
for _ in $(seq 200); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
  show_run
  fail "the staged program did not end on SIGTERM"
fi
echo "Done package check"
