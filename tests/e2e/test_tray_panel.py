#!/usr/bin/python3
"""The real pondrel-sudoku on a real tray: the icon docks, a click on it opens
the panel right below it with the keyboard focus, and a click elsewhere,
Escape or a second click on the icon hides it again.

    test_tray_panel.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed. Leaves a screenshot of
the open panel and the logs of every process in the artefact folder.
"""

import os
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings
from trayapp import check, main, open_panel, run_in_session, wait_for_icon
from xsession import SCREEN_HEIGHT, SCREEN_WIDTH, poll

PANEL_GAP = 4  # kPanelGap of the shell


def run(binary, artefacts):
    def body(session):
        # A first start's welcome window would take the focus from the panel
        # whenever it comes up after the click, and so close it.
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        started = time.monotonic()
        app = session.launch("pondrel-sudoku", [binary])

        # Docked: our window inside trayer's panel, at its final place.
        icon = wait_for_icon(session)
        print(f"icon docked after {time.monotonic() - started:.2f} s: {icon}")
        check(app.poll() is None, "the application ended")

        def wait_closed(panel, how):
            check(poll(lambda: not session.is_viewable(panel.id), 5),
                  f"the panel stayed open after {how}")

        # A click on the icon opens the panel below it, fully on screen.
        panel = open_panel(session, icon.centre)
        print(f"panel open: {panel}")
        check(icon.bottom < panel.y <= icon.bottom + PANEL_GAP + 2,
              f"the panel is not right below the icon (icon bottom {icon.bottom}, panel top {panel.y})")
        check(panel.x <= icon.centre[0] <= panel.x + panel.width,
              "the panel is not under the icon")
        check(panel.x >= 0 and panel.y >= 0 and panel.x + panel.width <= SCREEN_WIDTH
              and panel.y + panel.height <= SCREEN_HEIGHT, "the panel is not fully on screen")
        screenshot = os.path.join(artefacts, "panel-open.png")

        def drawn():
            # Mapped and focused can come a frame before the first paint,
            # more so in a slow (sanitizer) build: look again for a while.
            session.screenshot(screenshot)
            return session.mean_brightness(screenshot, panel) > 0.05

        check(poll(drawn, 5, interval=0.2), "the panel is mapped but nothing is drawn in it")
        check(session.is_viewable(panel.id), "the panel closed by itself")

        # A click elsewhere hides it.
        session.click(SCREEN_WIDTH // 4, SCREEN_HEIGHT // 2)
        wait_closed(panel, "a click elsewhere")

        # Escape hides it (nothing on the board takes Escape yet).
        open_panel(session, icon.centre, "the panel again")
        session.key("Escape")
        wait_closed(panel, "Escape")

        # A second click on the icon hides it.
        open_panel(session, icon.centre, "the panel a third time")
        session.click(*icon.centre)
        wait_closed(panel, "a second click on the icon")

        check(app.poll() is None, "the application ended during the test")

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
