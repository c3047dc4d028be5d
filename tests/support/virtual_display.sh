# Sourced by the tests that drive the real program: starts a virtual X server on a display it picks itself, exports
# DISPLAY, and stops the server on exit. Usage: start_virtual_display WORK_DIR
start_virtual_display() {
    local work=$1 display_file="$1/display"
    mkdir -p "$work"
    rm -f "$display_file"
    # -noreset: a server that resets when its last client leaves (the
    # accessibility bus launcher, say) refuses connections meanwhile.
    Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$display_file" 2>"$work/xvfb.log" &
    virtual_display_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$display_file")"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
}

stop_virtual_display() {
    [ -n "${virtual_display_pid:-}" ] && kill "$virtual_display_pid" 2>/dev/null || true
}
