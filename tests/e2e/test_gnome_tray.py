#!/usr/bin/python3
"""The real pondrel-sudoku on GNOME Shell 43 with the AppIndicator
extension, on Wayland, driven with the shell's own pointer and keyboard:

- a double click on the icon (the extension keeps the single click for the
  menu) opens the panel under it, with the keyboard: a digit typed at once
  lands on the board;
- the panel is no window of its own to the shell (overview, dash, Alt+Tab);
- a click on the empty desktop, the top bar, its date menu, Activities, and
  one on another (native Wayland) window that was active before, hides the
  panel (the clock stops with it); the click on the window reaches it; the
  overview hides it however it opens (the Super key here);
- a single click on the icon of the open panel opens the icon's menu and
  hides the panel; the menu's Open opens the board, and its Quit ends the
  app cleanly;
- a second start opens the first one's panel at the tray's side of the
  screen.

    test_gnome_tray.py <pondrel-sudoku binary> <artefact folder>

Run as root, it makes a throw-away user for the session (the shell refuses
to run as root) and removes it afterwards. Exits 77 (skipped) when GNOME
Shell or the extension is not installed.
"""

import os
import sys
import time

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings
from shellsession import HIDE_TIMEOUT, SCREEN_WIDTH, GnomeSession, check_has_keyboard, second_start
from trayapp import check, click_away, main, open_panel, run_in_session, shown_panel
from harness.xsession import poll

# Our windows the shell lists as windows of their own: in Alt+Tab, or not
# skipped by the overview, the dash and the taskbar.
LISTED_WINDOWS = (
    "[...global.display.get_tab_list(imports.gi.Meta.TabList.NORMAL, null), "
    "...global.get_window_actors().map(a => a.meta_window).filter(w => !w.skip_taskbar)]"
    ".filter(w => w.get_wm_class() === 'pondrel-sudoku').length")


def menu_entries(session, icon_name):
    """The open menu's entries: label -> centre point, once it is laid out."""
    entries = poll(lambda: laid_out_entries(session, icon_name), 3)
    check(entries, "the icon's menu was not laid out")
    return entries


def laid_out_entries(session, icon_name):
    listing = session.eval(
        f"imports.ui.main.panel.statusArea['{icon_name}'].menu._getMenuItems().map(i => {{ "
        "const [x, y] = i.get_transformed_position(); return [i.label ? i.label.text : '', "
        "Math.round(x + i.width / 2), Math.round(y + i.height / 2)].join('|'); }).join(';')") or ""
    entries = {}
    for entry in filter(None, listing.split(";")):
        label, x, y = entry.split("|")
        if not (x.lstrip("-").isdigit() and y.lstrip("-").isdigit()):
            return None
        entries[label] = (int(x), int(y))
    return entries


def top_bar_centre(session, area):
    """The centre of one of the top bar's buttons (dateMenu, activities)."""
    return tuple(int(value) for value in session.eval(
        f"(() => {{ const a = imports.ui.main.panel.statusArea.{area}, "
        "[x, y] = a.get_transformed_position(); "
        "return [Math.round(x + a.width / 2), Math.round(y + a.height / 2)].join(' '); })()"
    ).split(" "))


def run(binary, artefacts):
    def body(session):
        config = session.env["XDG_CONFIG_HOME"]
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        session.give_to_user(config)
        program = session.copy_for_user(os.path.abspath(binary))
        app = session.spawn("pondrel-sudoku", [program])
        icons = poll(session.tray_icons, 15, interval=0.2)
        check(icons, "the app's icon did not appear in the top bar")
        (name, (x, y, width, height)), = icons.items()
        icon = (x + width // 2, y + height // 2)
        print(f"icon {name} at {x},{y} {width}x{height}")

        # The extension keeps the single click for the menu.
        def open_board():
            return open_panel(session, icon, click=session.double_click)

        play = {}
        panel = open_board()
        print(f"panel open: {panel}")
        check(panel.x <= icon[0] <= panel.x + panel.width and y + height <= panel.y <= 60,
              f"the panel {panel} does not hang from the icon at {icon}")
        check_has_keyboard(session, config, play)
        check(session.eval(LISTED_WINDOWS) == "0", "the shell lists the panel as a window")
        session.screenshot(os.path.join(artefacts, "panel-open.png"))
        click_away(session, panel, (SCREEN_WIDTH // 2, 600), "the empty desktop")
        for what, point in (("the empty top bar", (SCREEN_WIDTH // 3, y + height // 2)),
                            ("the date menu", top_bar_centre(session, "dateMenu")),
                            ("Activities", top_bar_centre(session, "activities"))):
            panel = open_board()
            click_away(session, panel, point, what)
            # Activities still gets the release and opens the overview.
            session.eval("imports.ui.main.overview.hide(); 1")
        # The overview opened without a click.
        panel = open_board()
        session.key("Super_L")
        check(poll(lambda: not session.is_viewable(panel.id), HIDE_TIMEOUT, interval=0.005),
              "the panel stayed open as the overview opened")
        session.eval("imports.ui.main.overview.hide(); 1")

        # Another app's window, active before the panel opened.
        other = session.spawn("otherwin", ["/usr/bin/python3",
                                           session.copy_for_user(os.path.join(
                                               os.path.dirname(__file__), "otherwin.py"))])
        check(poll(lambda: session.eval("global.display.focus_window ? "
                                        "global.display.focus_window.title : ''") == "Other app",
                   10, interval=0.2), "the other window did not come up")
        frame = session.eval("(() => { const r = global.display.focus_window.get_frame_rect(); "
                             "return [r.x, r.y, r.width, r.height].join(' '); })()")
        fx, fy, fw, fh = (int(value) for value in frame.split(" "))
        panel = open_board()
        check_has_keyboard(session, config, play)
        click_away(session, panel, (fx + fw // 4, fy + fh // 2), "a window that was active")
        check(poll(lambda: session.eval("global.display.focus_window.title") == "Other app clicked",
                   3), "the click on the other window did not reach it")

        def menu_from_the_open_panel():
            """One click on the icon of the open panel opens the icon's
            menu, and the panel hides."""
            panel = open_board()
            time.sleep(0.5)  # the player's click comes a moment after opening
            session.click(*icon)
            check(poll(session.menu_open, 3),
                  "a click on the icon of the open panel did not open its menu")
            check(poll(lambda: not session.is_viewable(panel.id), HIDE_TIMEOUT),
                  "the icon's menu opened with the panel open")

        # The menu's Open opens the board.
        menu_from_the_open_panel()
        entries = menu_entries(session, name)
        check(set(entries) == {"Open Pondrel Sudoku", "Quit Pondrel Sudoku"},
              f"the icon's menu holds {sorted(entries)}")
        session.screenshot(os.path.join(artefacts, "menu-open.png"))
        session.click(*entries["Open Pondrel Sudoku"])
        panel = poll(lambda: shown_panel(session), HIDE_TIMEOUT)
        check(panel is not None, "the menu's Open did not open the panel")
        check(poll(lambda: session.is_focused(panel), 3),
              "opened from the menu, the panel is not the active window")

        # Quit from the menu opened over the board.
        session.key("Escape")
        check(poll(lambda: not session.is_viewable(panel.id), HIDE_TIMEOUT), "Escape left the panel")
        menu_from_the_open_panel()
        session.click(*menu_entries(session, name)["Quit Pondrel Sudoku"])
        check(poll(lambda: app.poll() is not None, 10), "the menu's Quit did not end the app")
        check(app.returncode == 0, f"the app ended with {app.returncode} after Quit")
        check(poll(lambda: not session.tray_icons(), 5), "the icon stayed after Quit")

        # A second start opens the first one's panel by the tray: under the
        # top bar, at its right end.
        panel = second_start(session, program, session.tray_icons)
        check(panel.x + panel.width > SCREEN_WIDTH * 3 // 4 and panel.y <= 60,
              f"after a second start the panel {panel} is far from the tray at the top right")
        session.stop_process(other)

    return run_in_session(artefacts, body, GnomeSession)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
