#!/usr/bin/python3
"""The welcome window of a first start: on fresh XDG folders pondrel-sudoku
opens one framed, titled window in the centre of the screen and records at
once that it was shown; Return closes it and the app keeps running in the
tray; a second start on the same folders opens no welcome window.

    test_welcome.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed.
"""

import os
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, read_ini_value, settings_path
from trayapp import (check, check_app_healthy, main, run_in_session, wait_for_icon,
                     welcome_windows)
from harness.xsession import SCREEN_HEIGHT, SCREEN_WIDTH, poll

# How long a second start is watched for a welcome window after its tray
# icon docked; the first start shows it well within this.
QUIET_SECONDS = 2


def run(binary, artefacts):
    def body(session):
        config_home = session.env["XDG_CONFIG_HOME"]
        first = session.launch("pondrel-sudoku", [binary])

        shown = poll(lambda: welcome_windows(session), 10)
        check(shown, "a first start showed no welcome window")
        window = shown[0]
        print(f"welcome window: {window}")
        session.screenshot(os.path.join(artefacts, "welcome.png"))
        # Seen once it is on screen, before the user did anything.
        check(poll(lambda: read_ini_value(settings_path(config_home), HAS_SEEN_WELCOME_KEY)
                   == "true", 3),
              "the welcome was not recorded as seen while its window was open")

        properties = session.x("xprop", "-id", window.id, "_NET_WM_WINDOW_TYPE", "WM_NAME")
        check("_NET_WM_WINDOW_TYPE_NORMAL" in properties and '"Welcome' in properties,
              f"not an ordinary window titled Welcome: {properties}")
        # The window manager reparents a new window into its frame a moment
        # after it maps, so the frame is waited for, not looked for once.
        framed = poll(lambda: [w for w in welcome_windows(session)
                               if w.id == window.id and w.ancestors], 5)
        check(framed, "the welcome window is not framed by the window manager")
        window = framed[0]
        centre_x, centre_y = window.centre
        check(abs(centre_x - SCREEN_WIDTH // 2) <= 30 and abs(centre_y - SCREEN_HEIGHT // 2) <= 30,
              f"the welcome window is not centred: {window}")
        check(poll(lambda: session.focused_window() == window.id, 3),
              "the welcome window does not have the keyboard focus")
        time.sleep(0.3)
        check(len(welcome_windows(session)) == 1, "more than one welcome window")

        session.key("Return")
        check(poll(lambda: not welcome_windows(session), 5), "Return did not close the welcome window")
        check_app_healthy(first, artefacts)

        first.terminate()
        check(poll(lambda: first.poll() is not None, 5), "the first start did not end")

        second = session.launch("pondrel-sudoku-second", [binary])
        wait_for_icon(session)
        time.sleep(QUIET_SECONDS)
        check(not welcome_windows(session), "a second start showed the welcome window again")
        check(second.poll() is None, "the second start ended")

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
