"""1,000 clicks as fast as xdotool sends them, then every stake-table row read back through the
accessibility interface, as a screen reader would, and compared with the replay tool fed the same
numbers. Then "&Info" opens the About box in place of the main window, and closing the box ends the
program with status 0."""
import json
import random
import subprocess
import sys
import time

import pyatspi
from Xlib import X, display, protocol

CLICKS = 1000
REDS = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}


def colour(n):
    return "grün" if n == 0 else "rot" if n in REDS else "schwarz"


def wait_for(what, probe, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"gave up waiting for {what}")


def tavrel_app(pid):
    return next((app for app in pyatspi.Registry.getDesktop(0) if app and app.get_process_id() == pid), None)


def walk(acc, depth=0):
    if acc is None or depth > 40:
        return
    yield acc
    for i in range(acc.childCount):
        yield from walk(acc.getChildAtIndex(i), depth + 1)


def centre(acc):
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return x + w // 2, y + h // 2


def window_ids(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], capture_output=True, text=True)
    return [int(w) for w in found.stdout.split()]


def icon_of(screen, window_id):
    window = screen.create_resource_object("window", window_id)
    icon = window.get_full_property(screen.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
    return list(icon.value) if icon else None


def close_as_a_window_manager_would(screen, window_id):
    window = screen.create_resource_object("window", window_id)
    delete = protocol.event.ClientMessage(
        window=window, client_type=screen.intern_atom("WM_PROTOCOLS"),
        data=(32, [screen.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    window.send_event(delete)
    screen.flush()


def info_then_close_ends_the_program(program):
    main_window = window_ids("^Orrin Tavrel V1.0$")[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", str(main_window), "key", "--clearmodifiers", "alt+i"],
                   check=True)
    box = wait_for("the About box", lambda: window_ids("^Info Orrin Tavrel$"))[0]
    if window_ids("^Orrin Tavrel V1.0$"):
        sys.exit("the main window is still shown beside the About box")
    screen = display.Display()
    if icon_of(screen, box) is None or icon_of(screen, box) != icon_of(screen, main_window):
        sys.exit("the About box does not wear the main window's icon")
    time.sleep(0.5)  # some frames of the animation
    close_as_a_window_manager_would(screen, box)
    if program.wait(timeout=10) != 0:
        sys.exit(f"the program ended with status {program.returncode}")
    print("Info opened the About box, and closing it ended the program with status 0")


def main(tavrel, replay):
    program = subprocess.Popen([tavrel])
    try:
        app = wait_for("the program on the accessibility bus", lambda: tavrel_app(program.pid))
        wait_for("the window", lambda: subprocess.run(
            ["xdotool", "search", "--name", "^Orrin Tavrel V1.0$"], capture_output=True).returncode == 0)
        names = {acc.name: acc for acc in reversed(list(walk(app)))}
        cells = {n: centre(names[f"{n} {colour(n)}"]) for n in range(37)}
        table = next(acc for acc in walk(app) if acc.getRole() == pyatspi.ROLE_TABLE).queryTable()

        wheel = random.Random(2026)
        numbers = [wheel.randrange(37) for _ in range(CLICKS)]
        aktiv = centre(names["System aktiv"])
        subprocess.run(["xdotool", "mousemove", *map(str, aktiv), "click", "1"], check=True)
        storm = []
        for n in numbers:
            # Press and release with no pause between them: xdotool's own click waits 100 ms.
            storm += ["mousemove", str(cells[n][0]), str(cells[n][1]), "mousedown", "1", "mouseup", "1"]
        start = time.monotonic()
        subprocess.run(["xdotool", *storm], check=True)
        sent = time.monotonic() - start
        wait_for("every click to become a row", lambda: table.nRows >= CLICKS, seconds=120)
        elapsed = time.monotonic() - start
        time.sleep(0.5)  # a row too many would show up now

        shown = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)] for r in range(table.nRows)]
        script = "aktiv\n" + "".join(f"click {n}\n" for n in numbers)
        expected = json.loads(subprocess.run([replay], input=script, capture_output=True, text=True,
                                             check=True).stdout)["rows"]
        print(f"xdotool sent {CLICKS} clicks in {sent:.2f} s; the last row was shown after {elapsed:.2f} s")
        if shown != expected:
            first = next((i for i, (a, b) in enumerate(zip(shown, expected)) if a != b), None)
            sys.exit(f"{len(shown)} rows shown, {len(expected)} expected; first difference at row index {first}")
        print(f"all {len(shown)} rows agree with the replay tool")
        info_then_close_ends_the_program(program)
    finally:
        program.kill()
        program.wait()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
