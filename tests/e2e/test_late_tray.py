#!/usr/bin/python3
"""A tray that comes up after the app, as panels often do at login.

Started from the autostart entry (--autostart), the app waits for a tray
without opening its no-tray window; xfce4-panel, started 8 s later, gets
the app's item, and gets it again when it restarts. Started by hand, the
app opens its no-tray window at once; a tray that appears then
gets the item, the window stays, closing it no longer quits, and the icon
opens the panel. A watcher with no tray behind it does not take the icon
away from an X embedding tray.

    test_late_tray.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when xfce4-panel or the X tools are not installed.
"""

import os
import shutil
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings
from statusnotifier import activate, our_service
from trayapp import Skip, check, is_app_window, main, run_in_session, shown_panel, wait_for_icon
from harness.xsession import poll

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
        check(poll(lambda: shown_panel(session), 5),
              "the item in the restarted tray does not open the panel")

    return run_in_session(artefacts, body, with_tray=False)


def by_hand(binary, artefacts):
    def body(session):
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        app = session.launch("pondrel-sudoku", [binary])
        # An ordinary window, framed by the window manager.
        windows = poll(lambda: [w for w in app_windows(session) if w.ancestors], 15)
        check(windows, "without a tray the app did not open its window")
        window = windows[0]

        session.start_xfce_panel()
        service = poll(lambda: our_service(session.x), 10)
        check(service, "the item did not appear in a tray that came up after the window")
        time.sleep(1)
        check(session.is_viewable(window.id), "the window went away when the tray came")

        def closed():
            # Alt+F4 can reach openbox before the window has the focus it
            # asked for; asked again, it gets there.
            session.close_window(window.id)
            return poll(lambda: not session.is_viewable(window.id), 2)

        check(poll(closed, 8, interval=0), "the window did not close")
        time.sleep(1)
        check(app.poll() is None, "closing the window quit the app although it has a tray item")
        activate(session.x, service, 1270, 10)
        panel = poll(lambda: shown_panel(session), 5)
        check(panel, "after the window closed, the item does not open the attached panel")
        print(f"panel from the tray: {panel}")

    return run_in_session(artefacts, body, with_tray=False)


def hostless_watcher(binary, artefacts):
    def body(session):
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        watcher = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fakewatcher.py")
        session.launch("fakewatcher", [sys.executable, watcher])
        check(poll(lambda: session.bus_has_name("org.kde.StatusNotifierWatcher"), 10),
              "the stand-in watcher did not come up")
        session.launch("pondrel-sudoku", [binary])
        wait_for_icon(session)
        check(our_service(session.x) is None,
              "the app gave its item to a watcher that no tray shows")

    return run_in_session(artefacts, body)


def run(binary, artefacts):
    for tool in ("xfce4-panel", "gdbus"):
        if shutil.which(tool) is None:
            raise Skip(f"not installed: {tool} (./dev.sh test installs it)")
    for name, part in (("login", at_login), ("by-hand", by_hand),
                       ("hostless-watcher", hostless_watcher)):
        folder = os.path.join(artefacts, name)
        os.makedirs(folder, exist_ok=True)
        result = part(binary, folder)
        if result != 0:
            return result
    return 0


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
