#!/bin/sh
# Runs a command on the X server in DISPLAY with a window manager (openbox) beside it,
# for tests whose pop-ups must meet a real window manager. Ends openbox afterwards and
# exits with the command's exit code.
#   tests/openbox-run.sh COMMAND [ARGS...]
command -v openbox >/dev/null 2>&1 || { echo "openbox-run: openbox is missing (tools/install-deps.sh)" >&2; exit 1; }
wm_home="$(mktemp -d "${TMPDIR:-/tmp}/openbox-run.XXXXXX")" || exit 1
HOME="$wm_home" XDG_CONFIG_HOME="$wm_home" XDG_CACHE_HOME="$wm_home" openbox --sm-disable >"$wm_home/openbox.log" 2>&1 &
wm=$!
# The window manager is up once it names its check window on the root window; the
# limit only ends a hang.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  tries=$((tries + 1))
  if [ $tries -gt 1200 ] || ! kill -0 $wm 2>/dev/null; then
    echo "openbox-run: openbox did not start" >&2
    cat "$wm_home/openbox.log" >&2
    kill $wm 2>/dev/null
    rm -rf "$wm_home"
    exit 1
  fi
  sleep 0.05
done
"$@"
code=$?
kill $wm 2>/dev/null
wait $wm 2>/dev/null
rm -rf "$wm_home"
exit $code
