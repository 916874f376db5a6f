#!/usr/bin/env bash
# Runs screen_reader.py on the window with a display and a session bus of
# its own: Xvfb chooses a free display, dbus-run-session starts a session
# bus on which the AT-SPI bus is started on demand, as a desktop does.
# Exits 77, which CTest counts as skipped, with the reason when one of them
# cannot be had.
#
#   run_screen_reader.sh PROGRAM DOCUMENT
set -u
program=$1
document=$2
here=$(cd "$(dirname "$0")" && pwd)

skip() {
    echo "screen_reader: skipped: $*"
    exit 77
}

command -v Xvfb >/dev/null || skip "no virtual display (install xvfb)"
command -v dbus-run-session >/dev/null || skip "no session bus (install dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no AT-SPI bus (install at-spi2-core)"
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0"); import pyatspi' 2>/dev/null ||
    skip "no AT-SPI client library (install python3-pyatspi)"

work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb writes the display's number to fd 3 once clients can connect.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || skip "the virtual display did not start: $(tail -n 3 "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

# The window's own settings: no desktop session to ask whether a screen
# reader runs, so Qt is told to speak AT-SPI regardless.
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

dbus-run-session -- /usr/bin/python3 "$here/screen_reader.py" "$program" "$document"
