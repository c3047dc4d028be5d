#!/usr/bin/env bash
# A click storm on the real program: its own X server, a session bus with the accessibility bus on it (as a desktop with
# a screen reader has), then the storm itself in Python. Usage: click_storm.sh TAVREL TAVREL_REPLAY WORK_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/virtual_display.sh"
trap stop_virtual_display EXIT
start_virtual_display "$3"

dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && break
    sleep 0.1
  done
  # What a screen reader does when it starts: tell programs to expose themselves.
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
  exec /usr/bin/python3 "$0" "$1" "$2"
' "$here/click_storm.py" "$1" "$2"
