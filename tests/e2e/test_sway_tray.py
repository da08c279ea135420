#!/usr/bin/python3
"""The real pondrel-sudoku on a Wayland desktop: headless sway, the app on
XWayland, waybar's tray as the StatusNotifier host. Nothing here can click
into headless sway, so the test calls Activate(x, y) on the app's item as
waybar does on a click: waybar 0.10 and later at the icon's place on the
screen, Debian 12's waybar (0.9.17) at the point within the icon, such as
10, 12. Either way the panel opens near the icon, clear of the bar (which
XWayland knows nothing of), fully on screen; a second Activate hides it.
With a native Wayland window focused, as sway's players nearly always have,
the open panel takes the keys, and hides when that window is focused again.
Then waybar restarts at the bottom: the item is back in the new tray and the
panel opens above the bar, also for a click within the icon once a click has
told where the icon is.

    test_sway_tray.py <pondrel-sudoku binary> <artefact folder>

Run as root, it makes a throw-away user for the session (sway refuses to
run as root) and removes it afterwards. Exits 77 (skipped) when sway,
waybar or the other tools are not installed, or no user can be made.
"""

import json
import os
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings, wait_for_record
from statusnotifier import activate, content_box, our_service
from swaysession import BAR_HEIGHT, SCREEN_HEIGHT, SCREEN_WIDTH, SwaySession
from trayapp import check, main, run_in_session, shown_panel
from harness.xsession import XSession, poll

# A plain GTK window, a native Wayland client.
OTHER_WINDOW = os.path.join(os.path.dirname(os.path.abspath(__file__)), "otherwin.py")

# The shell's kBarClearance and kPanelGap: how far the panel keeps from a
# click point when the X server knows no bar.
BAR_CLEARANCE = 32
PANEL_GAP = 4


def pondrel_node(tree):
    """The app's window in sway's tree, or None."""
    stack = [tree]
    while stack:
        node = stack.pop()
        properties = node.get("window_properties") or {}
        if properties.get("class") == "pondrel-sudoku":
            return node
        stack.extend(node.get("nodes", []) + node.get("floating_nodes", []))
    return None


# Where Debian 12's waybar says a click was: within the icon.
ICON_RELATIVE_POINT = (10, 12)


def icon_point(session, artefacts, position):
    bar_top = 0 if position == "top" else SCREEN_HEIGHT - BAR_HEIGHT
    shot = os.path.join(artefacts, f"{position}-bar.png")

    def icon_drawn():
        session.screenshot(shot)
        return content_box(shot, (SCREEN_WIDTH // 2, bar_top + 2, SCREEN_WIDTH // 2,
                                  BAR_HEIGHT - 4))

    icon = poll(icon_drawn, 10, interval=0.3)
    check(icon is not None, f"no icon in waybar's tray at the {position}")
    point = (icon[0] + icon[2] // 2, icon[1] + icon[3] // 2)
    print(f"{position} bar: icon at {icon}")
    return point


def open_and_hide(session, artefacts, service, position, point, sent):
    """Activates the item with `sent` (the icon's place `point` on screen, or
    a point within the icon), checks the panel hangs from the icon and hides
    it again."""
    print(f"activating at {sent}")
    activate(session.run, service, *sent)
    panel = poll(lambda: shown_panel(session), 5)
    check(panel is not None, "Activate on the item did not open the panel")
    print(f"panel open: {panel}")
    check(panel.x <= point[0] <= panel.x + panel.width,
          f"the panel {panel} is not under the icon at {point}")
    check(panel.x >= 0 and panel.y >= 0 and panel.x + panel.width <= SCREEN_WIDTH
          and panel.bottom <= SCREEN_HEIGHT, f"the panel {panel} is not fully on screen")
    reach = BAR_CLEARANCE + PANEL_GAP + 2
    if position == "top":
        check(BAR_HEIGHT <= panel.y <= point[1] + reach,
              f"the panel {panel} is not right below the bar (point {point})")
    else:
        check(point[1] - reach <= panel.bottom <= SCREEN_HEIGHT - BAR_HEIGHT,
              f"the panel {panel} is not right above the bar (point {point})")

    tree = session.tree()
    with open(os.path.join(artefacts, f"{position}-tree.json"), "w", encoding="utf-8") as out:
        json.dump(tree, out, indent=1)
    node = pondrel_node(tree)
    # "csd": the window draws its own frame (it asks for none), so sway
    # draws no border either.
    check(node is not None and node["type"] == "floating_con"
          and node["border"] in ("none", "csd"),
          f"the panel is not a borderless floating window of sway's: {node}")

    opened = os.path.join(artefacts, f"{position}-{sent[0]}-panel-open.png")

    def drawn():
        session.screenshot(opened)
        return XSession.mean_brightness(opened, panel) > 0.5

    check(poll(drawn, 5, interval=0.3), "the panel is mapped but not drawn on the screenshot")

    activate(session.run, service, *sent)
    check(poll(lambda: not session.is_viewable(panel.id), 5),
          "a second Activate did not hide the panel")


def check_keys_with_a_wayland_window_focused(session, service, config):
    """What sway's players nearly always have: a native Wayland window with
    the focus. The panel takes the keys as it opens, and hides when that
    window is focused again."""
    session.spawn("other", ["env", "GDK_BACKEND=wayland", "/usr/bin/python3",
                            session.copy_for_user(OTHER_WINDOW), "Other"])
    focus_other = ("swaymsg", '[title="^Other$"] focus')
    check(poll(lambda: session.run(*focus_other), 10), "the Wayland window did not come up")
    # A new virtual keyboard takes sway's focus back to the focused window
    # and loses its first key: made before the panel opens, it types later.
    session.spawn("wtype", ["wtype", "-s", "2000", "a", "-s", "300", "a"])
    activate(session.run, service, *ICON_RELATIVE_POINT)
    panel = poll(lambda: shown_panel(session), 5)
    check(panel is not None, "Activate on the item did not open the panel")
    check(wait_for_record(config, lambda record: record["hasStarted"], 5) is not None,
          "A (fill all notes) typed on the open panel did not reach the board")
    session.run(*focus_other)
    check(poll(lambda: not session.is_viewable(panel.id), 5),
          "focusing the Wayland window again left the panel open")
    time.sleep(0.5)  # the next Activate is the player's next click


def run(binary, artefacts):
    def body(session):
        session.start_waybar("top")
        config = session.env["XDG_CONFIG_HOME"]
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        session.give_to_user(config)
        app = session.spawn("pondrel-sudoku", [session.copy_for_user(os.path.abspath(binary))])
        service = poll(lambda: our_service(session.run), 15)
        check(service is not None, "the app's item did not appear in waybar's tray")
        # A click within the icon before any other: the panel hangs where
        # trays sit, at the right end of the top.
        point = icon_point(session, artefacts, "top")
        check_keys_with_a_wayland_window_focused(session, service, config)
        open_and_hide(session, artefacts, service, "top", point, ICON_RELATIVE_POINT)
        open_and_hide(session, artefacts, service, "top", point, point)

        # The host restarts, now at the bottom: the item comes back.
        session.start_waybar("bottom")
        service = poll(lambda: our_service(session.run), 10)
        check(service is not None, "the item did not come back when waybar restarted")
        point = icon_point(session, artefacts, "bottom")
        open_and_hide(session, artefacts, service, "bottom", point, point)
        # Now a click within the icon hangs the panel from the last click.
        open_and_hide(session, artefacts, service, "bottom", point, ICON_RELATIVE_POINT)
        check(app.poll() is None, "the application ended during the test")

    return run_in_session(artefacts, body, SwaySession)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
