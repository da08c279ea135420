#!/usr/bin/python3
"""The real pondrel-sudoku on a real tray: the icon docks, a click on it opens
the panel right below it with the keyboard focus, and a click elsewhere,
Escape or a second click on the icon hides it again. A click on another
window hides it and still reaches that window. A right click on the icon
opens its menu in one click, the panel open or not; its entries open the
panel and quit.

    test_tray_panel.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed. Leaves a screenshot of
the open panel and the logs of every process in the artefact folder.
"""

import os
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, saved_game, seed_settings
from trayapp import check, is_app_window, main, open_panel, run_in_session, wait_for_icon
from harness.xsession import SCREEN_HEIGHT, SCREEN_WIDTH, poll

PANEL_GAP = 4  # kPanelGap of the shell


def shown_menu(session, icon):
    """The icon's menu: a small window of the app's own, outside the tray."""
    return session.find(lambda w: is_app_window(w) and w.id != icon.id and not w.ancestors
                        and w.height < 150 and session.is_viewable(w.id))


def lowest_child(session, window):
    """The lowest of the window's inner windows: xmessage's button."""
    inner = [w for w in session.windows() if window.id in w.ancestors]
    return max(inner, key=lambda w: w.y, default=None)


def run(binary, artefacts):
    def body(session):
        # A first start's welcome window would take the focus from the panel
        # whenever it comes up after the click, and so close it.
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        started = time.monotonic()
        app = session.launch("pondrel-sudoku", [binary])
        other = session.launch("xmessage", ["xmessage", "-geometry", "+100+600", "Another"])

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

        # Escape hides it (nothing is open over the board).
        open_panel(session, icon.centre, "the panel again")
        session.key("Escape")
        wait_closed(panel, "Escape")

        # A second click on the icon hides it.
        open_panel(session, icon.centre, "the panel a third time")
        session.click(*icon.centre)
        wait_closed(panel, "a second click on the icon")

        # A click on another window's button hides the panel and presses
        # the button: xmessage ends.
        window = poll(lambda: session.find(lambda w: w.instance == "xmessage"), 5)
        check(window is not None, "xmessage did not come up")
        button = poll(lambda: lowest_child(session, window), 5)
        time.sleep(0.4)  # a click on the icon just closed the panel: not one to reopen it
        panel = open_panel(session, icon.centre, "the panel a fourth time")
        session.click(*button.centre)
        wait_closed(panel, "a click on another window")
        check(poll(lambda: other.poll() is not None, 3),
              "the click on another window hid the panel but did not reach that window")

        def menu_from_right_click(how):
            session.click(*icon.centre, button=3)
            menu = poll(lambda: shown_menu(session, icon), 3)
            check(menu is not None, f"a right click on the icon {how} opened no menu")
            check(not session.is_viewable(panel.id), "the menu opened with the panel open")
            return menu

        # Two entries of equal height: Open, then Quit.
        menu = menu_from_right_click("with the panel closed")
        session.click(menu.centre[0], menu.y + menu.height // 4)
        check(poll(lambda: session.is_viewable(panel.id), 5),
              "Open Pondrel Sudoku in the icon's menu did not open the panel")
        check(poll(lambda: session.is_focused(panel), 3),
              "opened from the menu, the panel does not have the keyboard focus")
        session.key("a")  # fill all notes: the game has started, to be saved
        menu = menu_from_right_click("with the panel open")
        session.click(menu.centre[0], menu.y + menu.height * 3 // 4)
        check(poll(lambda: app.poll() is not None, 5),
              "Quit Pondrel Sudoku in the icon's menu did not end the app")
        check(app.returncode == 0, f"the app ended with {app.returncode} after Quit")
        saved = saved_game(session.env["XDG_CONFIG_HOME"])
        check(saved is not None and saved["hasStarted"], f"Quit saved no started game: {saved}")

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
