#!/usr/bin/python3
"""The real pondrel-sudoku on KDE Plasma 5.27, on Wayland, driven with
pointer and key input through KWin's fake-input protocol:

- a left click on the icon in Plasma's system tray opens the panel above
  it, active, with the keyboard: a digit typed at once lands on the board;
- a click on the empty desktop, the empty task bar, and one on another
  (native Wayland) window that was active before, hides the panel (the
  clock stops with it);
- a right click on the icon of the open panel shows the icon's menu and
  hides the panel; the menu's Open opens the board, and its Quit ends the
  app cleanly;
- a second start opens the first one's panel at the tray's side of the
  screen, the bottom.

    test_kde_tray.py <pondrel-sudoku binary> <artefact folder>

Run as root, it makes a throw-away user for the session (Plasma misbehaves
as root) and removes it afterwards. Exits 77 (skipped) when Plasma is not
installed.
"""

import os
import re
import subprocess
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings
from shellsession import (HIDE_TIMEOUT, SCREEN_HEIGHT, SCREEN_WIDTH, KdeSession,
                          check_has_keyboard, second_start)
from statusnotifier import our_service
from trayapp import Failure, check, click_away, main, open_panel, run_in_session, shown_panel
from harness.xsession import XSession, poll

LEFT, RIGHT = 272, 273
# The bar along the bottom: the screen below the work area.
BAR_TOP = 756
# In the middle of the other window wherever KWin puts it (centred or at
# the top left), clear of the panel at the bottom right.
OTHER_WINDOW_POINT = (450, 300)


def changed_box(before, after, area=(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)):
    """The box (x, y, width, height) in which two screenshots differ within
    area (x, y, width, height)."""
    left, top, width, height = area
    result = subprocess.run(["convert", before, after, "-compose", "difference", "-composite",
                             "-crop", f"{width}x{height}+{left}+{top}", "+repage",
                             "-threshold", "5%", "-format", "%@", "info:"],
                            capture_output=True, text=True, timeout=20)
    match = re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", result.stdout.strip())
    if not match or int(match.group(1)) == 0:
        return None
    width, height, x, y = (int(value) for value in match.groups())
    return left + x, top + y, width, height


def run(binary, artefacts):
    def body(session):
        def shot(name):
            return session.screenshot(os.path.join(artefacts, f"{name}.png"))

        def bar_drawn():
            return XSession.mean_brightness(shot("bar"), BAR) > 0.3

        check(poll(bar_drawn, 20, interval=0.5), "Plasma's panel was not drawn")

        def settled(name):
            """A screenshot once the bar has stopped changing (icons come up
            one by one)."""
            previous = shot(name + "-before")
            for _ in range(20):
                time.sleep(0.5)
                now = shot(name)
                if changed_box(previous, now, BAR_AREA) is None:
                    return now
                os.replace(now, previous)
            raise Failure("Plasma's bar did not settle")

        bar = settled("bar")
        config = session.env["XDG_CONFIG_HOME"]
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        session.give_to_user(config)
        program = session.copy_for_user(os.path.abspath(binary))
        app = session.spawn("pondrel-sudoku", [program])
        check(poll(lambda: our_service(session.run), 15), "the app's item was not registered")
        # The tray grows to the left: the new icon is the left end of what
        # changed in the bar, as tall as it is wide.
        icon_box = poll(lambda: changed_box(bar, shot("bar-with-icon"), BAR_AREA), 10,
                        interval=0.5) and changed_box(bar, settled("bar-with-icon"), BAR_AREA)
        check(icon_box is not None, "the app's icon was not drawn in Plasma's tray")
        x, y, _, height = icon_box
        icon = (x + height // 2, y + height // 2)
        print(f"icon at {icon} (what changed in the bar: {icon_box})")

        play = {}
        panel = open_panel(session, icon)
        print(f"panel open: {panel}")
        check(panel.x <= icon[0] <= panel.x + panel.width
              and BAR_TOP - 20 <= panel.bottom <= BAR_TOP,
              f"the panel {panel} does not stand on the bar over the icon at {icon}")
        check_has_keyboard(session, config, play)
        shot("panel-open")
        click_away(session, panel, (400, 300), "the empty desktop")
        panel = open_panel(session, icon, "the panel again")
        click_away(session, panel, (SCREEN_WIDTH // 2, BAR_TOP + 20), "the empty task bar")

        # Another app's window, active before the panel opened.
        other = session.spawn("otherwin", ["/usr/bin/python3", session.copy_for_user(
            os.path.join(os.path.dirname(__file__), "otherwin.py"))])
        area = (OTHER_WINDOW_POINT[0] - 20, OTHER_WINDOW_POINT[1] - 20, 40, 40)
        check(poll(lambda: XSession.mean_brightness(shot("other-window"), Box(*area)) > 0.8, 10,
                   interval=0.5), "the other window did not come up")
        panel = open_panel(session, icon, "the panel over another window")
        check_has_keyboard(session, config, play)
        click_away(session, panel, OTHER_WINDOW_POINT, "a window that was active")
        closed = shot("panel-closed")

        # A right click on the icon of the open panel shows the icon's menu;
        # its Open opens the board.
        panel = open_panel(session, icon, "the panel a third time")
        menu_with_right_click(session, panel, icon)
        # Plasma draws it above the icon, on the bar.
        menu_area = (icon[0] - 100, BAR_TOP - 100, SCREEN_WIDTH - icon[0] + 100, 100)
        menu = poll(lambda: changed_box(closed, shot("menu"), menu_area), 5, interval=0.3)
        check(menu is not None, "a right click on the icon showed no menu")
        print(f"menu at {menu}")
        mx, my, mwidth, mheight = menu
        # Two entries, Open above Quit.
        session.click(mx + mwidth // 2, my + mheight // 4)
        panel = poll(lambda: shown_panel(session), HIDE_TIMEOUT)
        check(panel is not None, "the menu's Open did not open the panel")
        check(poll(lambda: session.is_focused(panel), 3),
              "opened from the menu, the panel is not the active window")

        # Quit from the menu opened over the board.
        time.sleep(0.5)
        menu_with_right_click(session, panel, icon)
        time.sleep(0.5)
        session.click(mx + mwidth // 2, my + mheight * 3 // 4)
        check(poll(lambda: app.poll() is not None, 10), "the menu's Quit did not end the app")
        check(app.returncode == 0, f"the app ended with {app.returncode} after Quit")
        check(poll(lambda: not our_service(session.run), 5), "the item stayed after Quit")

        # A second start opens the first one's panel by the tray: on the bar
        # at the bottom, at its right end.
        panel = second_start(session, program, lambda: our_service(session.run))
        check(panel.x + panel.width > SCREEN_WIDTH * 3 // 4
              and panel.bottom > SCREEN_HEIGHT * 3 // 4,
              f"after a second start the panel {panel} is far from the tray at the bottom right")
        session.stop_process(other)

    return run_in_session(artefacts, body, KdeSession)


def menu_with_right_click(session, panel, icon):
    """One right click on the icon of the open panel: the panel hides and
    the menu opens (the caller finds the menu)."""
    time.sleep(0.5)  # the player's right click comes a moment after opening
    session.click(*icon, button=RIGHT)
    check(poll(lambda: not session.is_viewable(panel.id), HIDE_TIMEOUT),
          "a right click on the icon left the panel open")


class Box:
    """An area of the screen, as XSession's image helpers take it."""

    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height


BAR = Box(0, BAR_TOP, SCREEN_WIDTH, SCREEN_HEIGHT - BAR_TOP)
# The bar left of its clock, which changes by the minute.
BAR_AREA = (0, BAR_TOP, 1140, SCREEN_HEIGHT - BAR_TOP)

if __name__ == "__main__":
    sys.exit(main(run, __doc__))
