#!/usr/bin/env bash
# Plays on an unpacked program under a virtual X server with no window manager,
# as a person would: finds the window by its title, clicks "System aktiv",
# checks on a screenshot that cell 0 turned yellow, then ends the program with
# Alt+D, B and expects exit status 0. Usage: play_and_quit.sh PROGRAM WORK_DIR
set -euo pipefail
source "$(dirname "$0")/../support/virtual_display.sh"
program=$1
work=$2
app_pid=
trap '[ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null; stop_virtual_display' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start_virtual_display "$work" || fail "Xvfb did not start"
"$program" >"$work/tavrel.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orrin Tavrel V1\.0$' | head -n1) \
    || fail "no window titled 'Orrin Tavrel V1.0'"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area is the window's lower 670 pixels, under the menu bar; there
# "System aktiv" lies at (40, 384) and cell 0 at (36, 40).
top=$((Y + HEIGHT - 670))
xdotool mousemove --sync $((X + 40)) $((top + 384)) click 1 mousemove --sync 1270 1010

cell0=
for _ in $(seq 25); do
    import -window root "$work/shot.png"
    cell0=$(convert "$work/shot.png" -crop "1x1+$((X + 39))+$((top + 43))" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1)
    [ "$cell0" = "#FFFF00" ] && break
    sleep 0.2
done
[ "$cell0" = "#FFFF00" ] || fail "cell 0 shows $cell0 after System aktiv, not yellow"

xdotool windowfocus --sync "$window" sleep 0.2 key --clearmodifiers alt+d sleep 0.3 key b
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
! kill -0 "$app_pid" 2>/dev/null || fail "the program did not end after Alt+D, B"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status after Alt+D, B"
