#!/usr/bin/python3
"""One pondrel-sudoku per session, and a quit at logout that loses nothing.

- A second start hands over to the running one and exits 0: one process,
  one tray icon, and the running one's panel open; with --autostart (at
  login) it leaves the panel closed.
- --toggle closes the open panel, then opens it again.
- SIGTERM while the clock runs (the panel open on a started game) ends the
  program with 0, and the saved game holds the seconds played since the
  last move.
- With none running, --toggle starts the game with its panel open; SIGHUP
  ends it with 0.

    test_single_instance.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed.
"""

import os
import signal
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings, settled_record, wait_for_record
from trayapp import (check, docked_icon, is_app_window, main, qml_errors, run_in_session,
                     shown_panel, wait_for_icon)
from harness.xsession import poll

SAVE_TIMEOUT = 5
# Seconds the clock runs between the last move and the signal: at least one
# tick must land in them.
PLAYED_SECONDS = 3


def docked_icons(session):
    panel = session.find(lambda w: w.instance == "panel" and w.wm_class == "trayer")
    return [w for w in session.windows()
            if panel and is_app_window(w) and panel.id in w.ancestors and w.width > 1]


def run(binary, artefacts):
    def body(session):
        config = session.env["XDG_CONFIG_HOME"]
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        app = session.launch("pondrel-sudoku", [binary])
        wait_for_icon(session)
        check(shown_panel(session) is None, "the panel is open at a plain start")

        def start_again(name, *arguments):
            started = time.monotonic()
            second = session.launch(name, [binary, *arguments])
            check(poll(lambda: second.poll() is not None, 10) is not None,
                  f"{name} kept running beside the first")
            print(f"{name}: exited {second.returncode} after "
                  f"{1000 * (time.monotonic() - started):.0f} ms")
            check(second.returncode == 0, f"{name} exited with {second.returncode}")

        # Launch at Login finding the game already running leaves it alone.
        start_again("autostart-start", "--autostart")
        time.sleep(1)
        check(shown_panel(session) is None, "a second start at login opened the panel")

        start_again("second-start")
        panel = poll(lambda: shown_panel(session), 5)
        check(panel is not None, "a second start did not open the running one's panel")
        check(len(docked_icons(session)) == 1, f"tray icons: {docked_icons(session)}")
        check(app.poll() is None, "the first instance ended")

        start_again("toggle-close", "--toggle")
        check(poll(lambda: not session.is_viewable(panel.id), 5), "--toggle left the panel open")
        start_again("toggle-open", "--toggle")
        panel = poll(lambda: shown_panel(session), 5)
        check(panel is not None, "--toggle did not open the closed panel")
        check(poll(lambda: session.focused_window() == panel.id, 3),
              "the panel opened by --toggle does not have the keyboard focus")

        # A move starts the clock; the record it saves holds the time so far.
        session.key("a")
        moved = wait_for_record(config, lambda record: record["hasStarted"], SAVE_TIMEOUT)
        check(moved is not None, "A (fill all notes) saved no started game")
        moved = settled_record(config, quiet=0.5, timeout=SAVE_TIMEOUT)
        time.sleep(PLAYED_SECONDS)
        check(session.is_viewable(panel.id), "the panel closed while the clock should run")
        app.send_signal(signal.SIGTERM)
        check(poll(lambda: app.poll() is not None, 5) is not None, "SIGTERM did not end the app")
        check(app.returncode == 0, f"SIGTERM ended the app with {app.returncode}")
        final = settled_record(config, quiet=0.2, timeout=SAVE_TIMEOUT)
        print(f"elapsed at the move {moved['elapsed']}, after SIGTERM {final['elapsed']}")
        check(final["elapsed"] > moved["elapsed"],
              f"the {PLAYED_SECONDS} s played after the last move were lost: elapsed "
              f"{moved['elapsed']} before and after SIGTERM")
        check(final["values"] == moved["values"] and final["notes"] == moved["notes"],
              "the board saved at SIGTERM differs from the one played")
        errors = qml_errors(os.path.join(artefacts, "pondrel-sudoku.log"))
        check(not errors, "the app reported QML errors:\n  " + "\n  ".join(errors))

        # With none running, --toggle starts the game with its panel open.
        check(poll(lambda: docked_icon(session) is None, 5), "the quit app's icon stayed")
        toggled = session.launch("toggle-start", [binary, "--toggle"])
        wait_for_icon(session)
        check(poll(lambda: shown_panel(session), 5),
              "--toggle with none running did not open the panel")
        toggled.send_signal(signal.SIGHUP)
        check(poll(lambda: toggled.poll() is not None, 5) is not None, "SIGHUP did not end it")
        check(toggled.returncode == 0, f"SIGHUP ended the app with {toggled.returncode}")

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
