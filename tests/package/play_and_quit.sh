#!/usr/bin/env bash
# Starts an unpacked program under a virtual X server with no window manager,
# as a person would: finds the window by its title, clicks "System aktiv", then
# ends the program with Alt+D, B and expects exit status 0.
# Usage: play_and_quit.sh PROGRAM WORK_DIR
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
# "System aktiv" lies at (40, 384) in the client area, the window's lower 670 pixels.
xdotool mousemove --sync $((X + 40)) $((Y + HEIGHT - 670 + 384)) click 1

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
