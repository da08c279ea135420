#!/usr/bin/python3
"""The real pondrel-sudoku in xfce4-panel's tray, a StatusNotifier host on
X11: the app puts its own item there, a click on the icon (the panel calls
Activate with the click's point) opens the panel hanging from the icon,
below a bar at the top and above a bar at the bottom, never over the bar;
a second click hides it. A right click on the icon with the panel open
opens the panel's menu in that one click. The item's menu opens the panel
and quits.

    test_xfce_tray.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when xfce4-panel or the X tools are not installed.
"""

import os
import shutil
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings
from statusnotifier import (choose_menu_entry, content_box, item_property, menu_labels,
                            our_service)
from trayapp import Skip, check, is_app_window, main, open_panel, run_in_session, shown_panel
from harness.xsession import SCREEN_HEIGHT, SCREEN_WIDTH, poll

# The panel's gap to its anchor, and some slack for the bar's border.
NEAR = 12


def work_area(session):
    """The part of the screen the bar leaves free: x, y, width, height."""
    values = session.x("xprop", "-root", "_NET_WORKAREA").split("=")[-1].split(",")
    return tuple(int(value) for value in values[:4]) if len(values) >= 4 else None


def shown_popup_menu(session):
    """A menu on screen (xfce4-panel's of the item, drawn by GTK)."""
    return session.find(lambda w: not w.ancestors and session.is_viewable(w.id)
                        and "POPUP_MENU" in session.x("xprop", "-id", w.id, "_NET_WM_WINDOW_TYPE"))


def check_hangs_from(panel, icon_centre, bar_top, bar_bottom, edge):
    check(panel.x <= icon_centre[0] <= panel.x + panel.width,
          f"the panel {panel} is not under the icon at {icon_centre}")
    check(panel.x >= 0 and panel.y >= 0 and panel.x + panel.width <= SCREEN_WIDTH
          and panel.bottom <= SCREEN_HEIGHT, f"the panel {panel} is not fully on screen")
    if edge == "top":
        check(bar_bottom <= panel.y <= bar_bottom + NEAR,
              f"the panel {panel} does not hang right below the bar ending at {bar_bottom}")
    else:
        check(bar_top - NEAR <= panel.bottom <= bar_top,
              f"the panel {panel} does not stand right above the bar starting at {bar_top}")


def run_on_edge(binary, artefacts, edge):
    def body(session):
        seed_settings(session.env["XDG_CONFIG_HOME"], {HAS_SEEN_WELCOME_KEY: "true"})
        app = session.launch("pondrel-sudoku", [binary])
        service = poll(lambda: our_service(session.x), 10)
        check(service is not None, "the app's item did not appear in xfce4-panel's tray")
        check(session.find(lambda w: is_app_window(w) and w.width < 100) is None,
              "an X embedded icon is up beside the StatusNotifier item")
        # Said outright: xfce4-panel and waybar take a missing value for true.
        check("false" in item_property(session.x, service, "ItemIsMenu"),
              "the item does not say that it is not only a menu")

        area = work_area(session)
        check(area is not None, "no work area on the root window")
        bar_top, bar_bottom = (0, area[1]) if edge == "top" else (area[1] + area[3], SCREEN_HEIGHT)
        check(bar_bottom - bar_top >= 20, f"the bar is not where expected: {area}")
        shot = os.path.join(artefacts, f"{edge}-bar.png")

        def icon_drawn():
            session.screenshot(shot)
            # Inside the bar's border line.
            return content_box(shot, (SCREEN_WIDTH // 2, bar_top + 2, SCREEN_WIDTH // 2,
                                      bar_bottom - bar_top - 4))

        icon = poll(icon_drawn, 10, interval=0.3)
        check(icon is not None, "no icon drawn at the right end of the bar")
        centre = (icon[0] + icon[2] // 2, icon[1] + icon[3] // 2)
        print(f"{edge} bar {bar_top}..{bar_bottom}, icon at {icon}")

        panel = open_panel(session, centre)
        print(f"panel open: {panel}")
        check_hangs_from(panel, centre, bar_top, bar_bottom, edge)
        session.screenshot(os.path.join(artefacts, f"{edge}-panel-open.png"))

        session.click(*centre)
        check(poll(lambda: not session.is_viewable(panel.id), 5),
              "a second click on the icon did not hide the panel")
        check(app.poll() is None, "the application ended")

        if edge != "top":
            return
        time.sleep(0.4)  # a click on the icon just closed the panel: not one to reopen it
        open_panel(session, centre, "the panel a third time")
        session.click(*centre, button=3)
        check(poll(lambda: shown_popup_menu(session), 3),
              "a right click on the icon with the panel open opened no menu")
        check(not session.is_viewable(panel.id), "the item's menu opened with the panel open")
        session.key("Escape")
        # The item's menu, as GNOME's AppIndicator shows it on a plain click.
        labels = menu_labels(session.x, service)
        check(labels == ["Open Pondrel Sudoku", "Quit Pondrel Sudoku"],
              f"the item's menu holds {labels}")
        choose_menu_entry(session.x, service, 1)
        panel = poll(lambda: shown_panel(session), 5)
        check(panel is not None, "Open Pondrel Sudoku in the item's menu did not open the panel")
        check(panel.x + panel.width == SCREEN_WIDTH and bar_bottom <= panel.y <= bar_bottom + NEAR,
              f"opened from the menu, the panel {panel} is not at the top right below the bar")
        session.key("Escape")
        check(poll(lambda: not session.is_viewable(panel.id), 5), "Escape did not hide the panel")
        choose_menu_entry(session.x, service, 2)
        check(poll(lambda: app.poll() is not None, 5) is not None,
              "Quit Pondrel Sudoku in the item's menu did not end the app")
        check(app.returncode == 0, f"the app ended with {app.returncode} after Quit")

    return run_in_session(artefacts, body, tray="xfce4-panel", edge=edge)


def run(binary, artefacts):
    for tool in ("xfce4-panel", "gdbus"):
        if shutil.which(tool) is None:
            raise Skip(f"not installed: {tool} (./dev.sh test installs it)")
    for edge in ("top", "bottom"):
        folder = os.path.join(artefacts, edge)
        os.makedirs(folder, exist_ok=True)
        result = run_on_edge(binary, folder, edge)
        if result != 0:
            return result
    return 0


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
