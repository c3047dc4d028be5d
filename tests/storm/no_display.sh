#!/usr/bin/env bash
# Without a display that answers, the program says so in German and ends with
# status 1, before Qt could abort with its own advice. Usage: no_display.sh TAVREL
failed=0
expect() { # the reason named, then the environment and the command line
  local said status
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${@:2}" 2>&1) && status=0 || status=$?
  [[ $status == 1 && $said == "Tavrel braucht eine grafische Oberfläche ($1)." ]] || { echo "${*:2}: status $status: $said"; failed=1; }
}
expect "DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt" "$1" -display
expect "die Anzeige „:59173“ antwortet nicht" DISPLAY=:59173 "$1"
expect "die Anzeige „:59174“ antwortet nicht" DISPLAY=:59173 "$1" -style fusion --display :59174
exit $failed
