#!/usr/bin/env bash
# Plays one partie on a built or unpacked program under a virtual X server with
# no window manager, as a person would: finds the window by its title, clicks
# "System aktiv" and the cells 5 and 4, checks the colours on a screenshot, then
# ends the program with Alt+D, B and expects exit status 0.
# Usage: end_to_end.sh PATH_TO_TAVREL WORK_DIR
set -euo pipefail
source "$(dirname "$0")/../support/virtual_display.sh"

program=$1
work=$2
mkdir -p "$work"
shot="$work/end_to_end.png"

app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    stop_virtual_display
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start_virtual_display "$work" || fail "Xvfb did not start"

"$program" >"$work/tavrel.log" 2>&1 &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orrin Tavrel V1\.0$' | head -n1) \
    || fail "no window titled 'Orrin Tavrel V1.0'"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area is the window's lower 670 pixels; the menu bar sits above it.
left=$X
top=$((Y + HEIGHT - 670))

click_at() {
    xdotool mousemove --sync $((left + $1)) $((top + $2)) click 1
    sleep 0.2
}

# Where things are, from the layout: the tableau's inner frame lies at (8, 32)
# in "Eingabe", cell n (1..36) at (8 + 20c, 32 + 20r) in it, 21 pixels square;
# "System aktiv" lies at (16, 24) in "Einstellungen", which lies at (0, 352).
cell_x() { if [ "$1" -eq 0 ]; then echo 36; else echo $((16 + 20 * (($1 - 1) % 3))); fi; }
cell_y() { if [ "$1" -eq 0 ]; then echo 40; else echo $((64 + 20 * (($1 - 1) / 3))); fi; }
click_cell() { click_at $(($(cell_x "$1") + 10)) $(($(cell_y "$1") + 10)); }

click_at 40 384
click_cell 5
click_cell 4
# Off the window, so that no cell shows the pointer-over colours.
xdotool mousemove --sync 1270 1010

# A point inside cell n, clear of its number: #RRGGBB there on the screenshot.
colour_of_cell() {
    convert "$shot" -crop "1x1+$((left + $(cell_x "$1") + 3))+$((top + $(cell_y "$1") + 3))" -depth 8 txt:- \
        | grep -o '#[0-9A-F]\{6\}' | head -n1
}

ok=
for _ in $(seq 25); do
    import -window root "$shot"
    if [ "$(colour_of_cell 0)" = "#FFFF00" ] && [ "$(colour_of_cell 2)" = "#FFFF00" ] \
        && [ "$(colour_of_cell 36)" = "#00C000" ] && [ "$(colour_of_cell 4)" = "#00C000" ]; then
        ok=1
        break
    fi
    sleep 0.2
done
[ -n "$ok" ] || fail "cells 0, 2, 36, 4 show $(colour_of_cell 0) $(colour_of_cell 2) $(colour_of_cell 36) $(colour_of_cell 4); expected yellow, yellow, felt green, felt green"

# Without a window manager nobody gives the window the keyboard: take it.
xdotool windowfocus --sync "$window"
sleep 0.2
xdotool key --clearmodifiers alt+d
sleep 0.3
xdotool key b

status=
for _ in $(seq 100); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
        wait "$app_pid" && status=0 || status=$?
        app_pid=
        break
    fi
    sleep 0.1
done
[ -n "$status" ] || fail "the program did not end after Alt+D, B"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "end-to-end: 1 passed, 0 failed"
