#!/usr/bin/env bash
# Checks the installation and the Debian package of an already built tree
# (BUILD_DIR, default build/); it builds nothing but the few install targets.
#   1. stages `cmake --install` in a temporary folder and checks what lands there
#      (the udev rule inside the prefix), and installs into a user's own prefix:
#      every file lands inside it;
#   2. validates the desktop entry and the AppStream metadata, and that the
#      metadata, the changelog and the manual page carry the project's version;
#   3. makes the .deb with CPack and checks it with lintian (no error, no warning),
#      its program for BIND_NOW and fortified calls, and that it holds the udev
#      rule in udev's own folder (/lib/udev/rules.d, as udev.pc names it);
#   4. runs the packaged program with --version and --help where no display is:
#      they answer without a window and without the instance lock; an unknown
#      option is named on standard error;
#   5. applies the packaged udev rule to a sample device description (umockdev):
#      only the configuration interface and the firmware-update mode get uaccess;
#   6. starts the staged program offscreen, in German, against an emulated QR108 and
#      shows that it read its translation and keyboard picture from the staged data
#      folder, talked to the keyboard, wrote an auto-start entry naming itself (with
#      TryExec and Icon) and printed no debug line.
# Exits non-zero on any failure.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$top/build}"
app_id=example.quorin.driver

fail() { echo "FAIL $*" >&2; exit 1; }
pass() { echo "PASS $*"; }

[ -f "$build/CPackConfig.cmake" ] || fail "no configured build in $build (build it first, e.g. tools/test.sh)"
for tool in desktop-file-validate appstreamcli lintian dpkg-deb dpkg-shlibdeps inotifywait readelf umockdev-run udevadm unshare; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps.sh installs it)"
done
# The README runs the tools directly: each one is executable.
for script in $(grep -oE 'tools/[a-z-]+\.sh' "$top/README.md" | sort -u); do
  [ -x "$top/$script" ] || fail "$script is not executable, though the README runs it"
done
# Up to date in a built tree; cheap otherwise.
cmake --build "$build" --target quorin-driver kbemu app_icons udev_rules >/dev/null
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

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
)
for file in "${expected[@]}"; do
  [ -s "$usr/$file" ] || fail "staged installation lacks $file"
done
udev_dir="$(pkg-config --variable=udevdir udev)"
[ -n "$udev_dir" ] || fail "udev.pc names no udevdir"
# A prefix install keeps the rule inside its prefix unless its folder is asked
# for (TAVRIX_UDEV_RULES_DIR); only the package puts it in udev's folder.
[ -s "$usr/lib/udev/rules.d/70-quorin-driver.rules" ] || fail "the udev rule is not inside the prefix (lib/udev/rules.d)"
[ "$udev_dir" = /usr/lib/udev ] || [ ! -e "$stage$udev_dir" ] || fail "a prefix install put the udev rule in $udev_dir"
[ "$(find "$usr/share/quorin-driver/translation" -name '*.qm' | wc -l)" -eq 15 ] \
  || fail "staged installation does not hold the 15 translations"
pass "staged install: $(find "$stage" -type f | wc -l) files under '$(basename "$stage")/usr'"

# A user's own prefix, no DESTDIR: every file lands inside it, none in the system.
own="$work/own prefix"
cmake --install "$build" --prefix "$own" >"$work/own-install.log" 2>&1 \
  || { cat "$work/own-install.log"; fail "cmake --install --prefix into a user's own folder"; }
[ -s "$own/lib/udev/rules.d/70-quorin-driver.rules" ] || fail "the own-prefix install lacks lib/udev/rules.d/70-quorin-driver.rules"
outside="$(grep -v -F "$own/" "$build/install_manifest.txt" || true)"
[ -z "$outside" ] || fail "the own-prefix install wrote outside its prefix: $outside"
pass "own-prefix install: $(wc -l <"$build/install_manifest.txt") files, all inside the prefix"

# --- 2. desktop entry and AppStream metadata ----------------------------------
desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=quorin-driver' "$usr/share/applications/$app_id.desktop" \
  || fail "the desktop entry does not start the installed program"
grep -q '^Keywords=..*' "$usr/share/applications/$app_id.desktop" || fail "the desktop entry has no keywords"
pass "desktop-file-validate $app_id.desktop"
metainfo="$usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<release version=\"$version\" date=\"[0-9-]*\">" "$metainfo" || fail "the newest metadata release is not $version"
grep -q '<url type="bugtracker">' "$metainfo" || fail "the metadata names no bug tracker"
grep -q '<modalias>usb:v1209p0001d\*</modalias>' "$metainfo" || fail "the metadata lists no keyboard modalias"
for shot in $(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo"); do
  [ -s "$top/packaging/screenshots/$shot" ] || fail "screenshot $shot is not in packaging/screenshots/"
done
pass "appstreamcli validate $app_id.metainfo.xml: release $version, $(grep -c '<modalias>' "$metainfo") modaliases, $(grep -c '<image>' "$metainfo") screenshots"
changelog="$(zcat "$usr/share/doc/quorin-driver/changelog.gz")"
[[ "${changelog%%$'\n'*}" == "quorin-driver ($version) "* ]] \
  || fail "the changelog's newest entry is not $version"
manual="$(zcat "$usr/share/man/man1/quorin-driver.1.gz")"
grep -qF "quorin-driver $version" <<<"$manual" || fail "the manual page does not carry version $version"
for option in '\-\-help' '\-\-version' '\-\-AutoUp'; do
  grep -qF -- "$option" <<<"$manual" || fail "the manual page does not list $option"
done
pass "changelog and manual page: version $version; the manual lists --help, --version, --AutoUp"

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
! grep -q '^W: ' "$lintian_log" || fail "lintian found warnings"
! grep -qE 'hardening-no-(bindnow|fortify-functions|relro)' "$lintian_log" || fail "lintian: the program lacks hardening"
pass "lintian: no errors, no warnings"

deb_root="$work/deb-root"
dpkg-deb -x "$deb" "$deb_root"
program="$deb_root/usr/bin/quorin-driver"
# Read whole before grep: an early grep -q exit would fail the pipe.
dynamic="$(readelf -d "$program")"
segments="$(readelf -l "$program")"
symbols="$(readelf --dyn-syms -W "$program")"
grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic" || fail "the packaged program is not linked with BIND_NOW"
grep -q 'GNU_RELRO' <<<"$segments" || fail "the packaged program has no RELRO segment"
fortified="$(grep -oE '__[a-z_]+_chk\b' <<<"$symbols" | grep -v '__stack_chk' | sort -u | tr '\n' ' ')"
[ -n "$fortified" ] || fail "the packaged program calls no fortified functions"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "the packaged program has no stack protector"
pass "hardening: BIND_NOW, RELRO, stack protector, fortified $fortified"
# The switches the tests drive the program with are in test builds only.
switches="$(grep -aoE 'TAVRIX_TEST_(CRASH|PEER_TIMEOUT_MS)' "$program" | sort -u | tr '\n' ' ')"
if [ "$(sed -n 's/^TAVRIX_TEST_SWITCHES_BUILT:INTERNAL=//p' "$build/CMakeCache.txt")" = ON ]; then
  [ -n "$switches" ] || fail "the test build's program lacks its test switches"
  pass "test switches: $switches(a test build; tools/package.sh builds the package without them)"
else
  [ -z "$switches" ] || fail "the packaged program holds test switches: $switches"
  pass "test switches: none in the packaged program"
fi
rules_in_deb="$deb_root$udev_dir/rules.d/70-quorin-driver.rules"
[ -s "$rules_in_deb" ] || fail "the package does not hold $udev_dir/rules.d/70-quorin-driver.rules"

# --- 4. --version and --help ---------------------------------------------------
# No display and no platform plugin named: a program that opened a window would fail.
info_run="$work/info-run"
mkdir -p "$info_run"
chmod 700 "$info_run"
info() {
  env -i PATH="/usr/bin:/bin" HOME="$work/info-home" XDG_RUNTIME_DIR="$info_run" TMPDIR="$info_run" \
    "$program" "$@"
}
printed="$(info --version 2>&1)" || fail "--version failed: $printed"
[ "$printed" = "quorin-driver $version" ] || fail "--version printed '$printed', not 'quorin-driver $version'"
printed="$(info --help 2>&1)" || fail "--help failed: $printed"
for option in --help --version --AutoUp; do
  grep -qF -- "$option" <<<"$printed" || fail "--help does not list $option"
done
# An unknown option is named on standard error, with a pointer to --help.
printed="$(info --bogus --version 2>&1)" || fail "--bogus --version failed: $printed"
grep -qF -- "unknown option '--bogus'" <<<"$printed" && grep -qF -- "--help" <<<"$printed" \
  || fail "an unknown option was not named with a pointer to --help: $printed"
[ -z "$(ls -A "$info_run")" ] || fail "--version, --help or an unknown option touched the runtime folder: $(ls -A "$info_run")"
pass "--version prints 'quorin-driver $version'; --help lists its options; --bogus is named as unknown; none opened a window or the instance lock"

# --- 5. the udev rule on a sample device description --------------------------
# udevadm test runs the system's rules and the packaged one on the sample devices
# of umockdev, in a private mount namespace so nothing lands in the real /run.
udev_seen="$work/udev-tags"
namespace=(unshare -m)
[ "$(id -u)" -eq 0 ] || namespace=(unshare -rm)
"${namespace[@]}" bash -c '
  set -euo pipefail
  mount --make-rprivate /
  mount -t tmpfs tmpfs /run
  mkdir -p /run/udev/rules.d
  cp "$1" /run/udev/rules.d/70-quorin-driver.rules
  umockdev-run -d "$2" -- sh -c "
    for node in /sys/class/hidraw/hidraw* /sys/bus/usb/devices/1-[0-9]; do
      tags=\$(udevadm test --action=add \"\$node\" 2>/dev/null | sed -n \"s/^TAGS=//p\")
      case \"\$tags\" in *:uaccess:*) echo \"\$(basename \"\$node\") uaccess\" ;; *) echo \"\$(basename \"\$node\") -\" ;; esac
    done"' udevcheck "$rules_in_deb" "$top/tools/packagecheck/sample-devices.umockdev" >"$udev_seen" 2>"$work/udev.err" \
  || { cat "$work/udev.err"; fail "udevadm test on the sample devices"; }
# hidraw0 and hidraw1 carry the QR108's keystrokes, hidraw2 is its configuration
# interface, hidraw3 and 1-3 the firmware-update mode, hidraw4 and 1-4 a device
# the catalogue does not list.
expected_udev="1-2 -
1-3 uaccess
1-4 -
hidraw0 -
hidraw1 -
hidraw2 uaccess
hidraw3 uaccess
hidraw4 -"
[ "$(sort "$udev_seen")" = "$expected_udev" ] \
  || { echo "--- uaccess given:"; sort "$udev_seen"; fail "the udev rule does not open exactly the configuration interface"; }
pass "udev rule: uaccess for $(grep -c uaccess "$udev_seen") of $(wc -l <"$udev_seen") sample devices: the configuration interface and the firmware-update mode"

# --- 6. the staged program with an emulated keyboard --------------------------
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
  QT_MESSAGE_PATTERN='%{type}: %{message}' \
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
grep -qxF "TryExec=$usr/bin/quorin-driver" "$autostart" || { cat "$autostart"; fail "the auto-start entry lacks TryExec"; }
grep -qx "Icon=quorin-driver" "$autostart" || { cat "$autostart"; fail "the auto-start entry lacks Icon"; }
pass "auto-start entry: $(grep -E '^(Exec|TryExec|Icon)=' "$autostart" | tr '\n' ' ')"

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
# Every line the program printed carries its type (QT_MESSAGE_PATTERN above).
if grep -q '^debug: ' "$app_out"; then
  show_run
  fail "a default start printed debug lines"
fi
# The same start with the debug lines asked for prints them: the check above can see them.
debug_out="$work/app-debug.log"
env -i PATH="/usr/bin:/bin" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
  XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/run" \
  TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen QT_MESSAGE_PATTERN='%{type}: %{message}' \
  QT_LOGGING_RULES='quorin.*.debug=true' TAVRIX_EMU_DIR="$emu_dir" "$usr/bin/quorin-driver" >"$debug_out" 2>&1 &
debug_pid=$!
pids+=("$debug_pid")
for _ in $(seq 300); do
  grep -q '^debug: ' "$debug_out" && break
  kill -0 "$debug_pid" 2>/dev/null || break
  sleep 0.1
done
kill -TERM "$debug_pid" 2>/dev/null || true
wait "$debug_pid" 2>/dev/null || true
grep -q '^debug: ' "$debug_out" || { tail -n 20 "$debug_out"; fail "QT_LOGGING_RULES did not turn the debug lines on"; }
pass "a default start printed no debug line ($(grep -cE '^(warning|critical): ' "$app_out" || true) warnings); QT_LOGGING_RULES turns them on"
echo "Done package check"
