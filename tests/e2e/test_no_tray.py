#!/usr/bin/python3
"""With no system tray the game is still playable: started by hand,
pondrel-sudoku shows the board at once in an ordinary window, centred and
titled; a second start brings it back from minimized; and closing that
window ends the program (nothing else could bring the board back) as Quit
does, with the game saved and its clock.

    test_no_tray.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed.
"""

import os
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings, settled_record, wait_for_record
from trayapp import check, main, run_in_session
from harness.xsession import SCREEN_HEIGHT, SCREEN_WIDTH, poll

# Generous for a start that should take well under a second; a start that
# waited for a tray (five seconds, as the program once did) fails.
WINDOW_TIMEOUT = 4


def run(binary, artefacts):
    def body(session):
        # The welcome window of a first start would be a second candidate.
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        started = time.monotonic()
        app = session.launch("pondrel-sudoku", [binary])

        window = poll(lambda: session.find(lambda w: w.instance == "pondrel-sudoku"
                                           and w.width >= 200 and session.is_viewable(w.id)),
                      WINDOW_TIMEOUT)
        check(window is not None, f"no window within {WINDOW_TIMEOUT} s without a tray")
        print(f"window after {time.monotonic() - started:.2f} s: {window}")
        properties = session.x("xprop", "-id", window.id, "_NET_WM_WINDOW_TYPE", "WM_NAME")
        check("_NET_WM_WINDOW_TYPE_NORMAL" in properties and '"Pondrel Sudoku"' in properties,
              f"not an ordinary titled window: {properties}")

        def centred():
            # The window manager may map the window a moment before it
            # places it, more so when the program runs slowly (sanitizers).
            placed = session.find(lambda w: w.id == window.id)
            if placed is None:
                return None
            centre_x, centre_y = placed.centre
            close = (abs(centre_x - SCREEN_WIDTH // 2) <= 30
                     and abs(centre_y - SCREEN_HEIGHT // 2) <= 30)
            return placed if close else None

        placed = poll(centred, 3)
        check(placed is not None, "the window is not centred")
        print(f"placed: {placed}")
        session.screenshot(os.path.join(artefacts, "no-tray-window.png"))

        # A second start brings the window back, even from minimized.
        session.x("xdotool", "windowminimize", "--sync", window.id)
        check(poll(lambda: not session.is_viewable(window.id), 5), "the window did not minimize")
        second = session.launch("second", [binary])
        check(poll(lambda: second.poll() is not None, 10) is not None and second.returncode == 0,
              f"the second start did not hand over and exit 0 ({second.returncode})")
        check(poll(lambda: session.is_viewable(window.id), 5),
              "a second start did not bring back the minimized window")

        # Played time after the last move is saved by the close too.
        config = session.env["XDG_CONFIG_HOME"]
        check(poll(lambda: session.focused_window() == hex(int(window.id, 16)), 5),
              "the window has no keyboard focus")
        session.key("a")
        check(wait_for_record(config, lambda record: record["hasStarted"], 5) is not None,
              "A (fill all notes) saved no started game")
        moved = settled_record(config, quiet=0.5, timeout=5)
        time.sleep(2)
        session.close_window(window.id)
        check(poll(lambda: app.poll() is not None, 5) is not None,
              "closing the window did not end the program")
        check(app.returncode == 0, f"the program ended with {app.returncode}")
        final = settled_record(config, quiet=0.2, timeout=5)
        check(final["elapsed"] > moved["elapsed"],
              f"the time played after the move was lost: elapsed {moved['elapsed']} before "
              f"and after closing")

    return run_in_session(artefacts, body, with_tray=False)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
