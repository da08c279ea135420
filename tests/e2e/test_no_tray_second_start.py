#!/usr/bin/python3
"""With no system tray, a second start brings back the running game's
window: minimized, it is shown again, and the second start exits 0.

    test_no_tray_second_start.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed.
"""

import sys

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings
from trayapp import check, main, run_in_session
from xsession import poll

TRAY_WAIT = 5  # seconds the app waits for a tray (TrayItem::kTrayWait)


def run(binary, artefacts):
    def body(session):
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        app = session.launch("pondrel-sudoku", [binary])
        window = poll(lambda: session.find(lambda w: w.instance == "pondrel-sudoku"
                                           and w.width >= 200 and session.is_viewable(w.id)),
                      TRAY_WAIT + 5)
        check(window is not None, "no window appeared without a tray")

        session.x("xdotool", "windowminimize", "--sync", window.id)
        check(poll(lambda: not session.is_viewable(window.id), 5), "the window did not minimize")
        second = session.launch("second", [binary])
        check(poll(lambda: second.poll() is not None, 10) is not None,
              "the second start kept running")
        check(second.returncode == 0, f"the second start exited {second.returncode}")
        check(poll(lambda: session.is_viewable(window.id), 5),
              "a second start did not bring back the minimized window")
        check(app.poll() is None, "the first instance ended")

    return run_in_session(artefacts, body, with_tray=False)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
