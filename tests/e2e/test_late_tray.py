#!/usr/bin/python3
"""A tray that comes up after the app, as panels often do at login.

Started from the autostart entry (--autostart), the app waits for a tray
without opening its no-tray window; xfce4-panel, started 8 s later, gets
the app's item, and gets it again when it restarts. Started by hand, the
app opens its no-tray window after a few seconds; a tray that appears then
gets the item, the window stays, closing it no longer quits, and the icon
opens the panel.

    test_late_tray.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when xfce4-panel or the X tools are not installed.
"""

import os
import shutil
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings
from statusnotifier import activate, our_service
from trayapp import Skip, check, is_app_window, main, run_in_session
from xsession import poll

LATE = 8


def app_windows(session):
    return [w for w in session.windows()
            if is_app_window(w) and w.width >= 200 and session.is_viewable(w.id)]


def at_login(binary, artefacts):
    def body(session):
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        app = session.launch("pondrel-sudoku", [binary, "--autostart"])
        time.sleep(LATE)
        check(app.poll() is None, "the app ended while waiting for a tray")
        check(not app_windows(session),
              "started at login, the app opened a window instead of waiting for a tray")

        panel = session.start_xfce_panel()
        check(poll(lambda: our_service(session.x), 10),
              "the item did not appear in a tray that came up after the app")
        session.stop_process(panel)
        check(poll(lambda: our_service(session.x) is None, 5), "the tray did not go away")
        session.start_xfce_panel()
        service = poll(lambda: our_service(session.x), 10)
        check(service, "the item did not come back when the tray restarted")
        activate(session.x, service, 1270, 10)
        check(poll(lambda: [w for w in app_windows(session) if not w.ancestors], 5),
              "the item in the restarted tray does not open the panel")

    return run_in_session(artefacts, body, with_tray=False)


def by_hand(binary, artefacts):
    def body(session):
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        app = session.launch("pondrel-sudoku", [binary])
        windows = poll(lambda: app_windows(session), 15)
        check(windows, "without a tray the app did not open its window")
        window = windows[0]
        check(window.ancestors, "the no-tray window is not an ordinary framed window")

        session.start_xfce_panel()
        service = poll(lambda: our_service(session.x), 10)
        check(service, "the item did not appear in a tray that came up after the window")
        time.sleep(1)
        check(session.is_viewable(window.id), "the window went away when the tray came")
        session.close_window(window.id)
        time.sleep(1)
        check(app.poll() is None, "closing the window quit the app although it has a tray item")
        check(poll(lambda: not session.is_viewable(window.id), 5), "the window did not close")
        activate(session.x, service, 1270, 10)
        panel = poll(lambda: [w for w in app_windows(session) if not w.ancestors], 5)
        check(panel, "after the window closed, the item does not open the attached panel")
        print(f"panel from the tray: {panel[0]}")

    return run_in_session(artefacts, body, with_tray=False)


def run(binary, artefacts):
    for tool in ("xfce4-panel", "gdbus"):
        if shutil.which(tool) is None:
            raise Skip(f"not installed: {tool} (./dev.sh test installs it)")
    for name, part in (("login", at_login), ("by-hand", by_hand)):
        folder = os.path.join(artefacts, name)
        os.makedirs(folder, exist_ok=True)
        result = part(binary, folder)
        if result != 0:
            return result
    return 0


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
