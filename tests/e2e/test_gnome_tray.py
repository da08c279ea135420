#!/usr/bin/python3
"""The real pondrel-sudoku on GNOME Shell 43 with the AppIndicator
extension, on Wayland, driven with the shell's own pointer and keyboard:

- a double click on the icon (the extension keeps the single click for the
  menu) opens the panel under it, with the keyboard: a digit typed at once
  lands on the board;
- a click on the empty desktop, and one on another (native Wayland) window
  that was active before, hides the panel (the clock stops with it);
- a single click on the icon opens its menu, and the panel is not left
  over it; the menu's Open then opens the board, and Quit with the board
  open ends the app cleanly;
- a second start opens the first one's panel at the tray's side of the
  screen.

    test_gnome_tray.py <pondrel-sudoku binary> <artefact folder>

Run as root, it makes a throw-away user for the session (the shell refuses
to run as root) and removes it afterwards. Exits 77 (skipped) when GNOME
Shell or the extension is not installed.
"""

import os
import sys

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings
from shellsession import HIDE_TIMEOUT, SCREEN_WIDTH, GnomeSession, check_has_keyboard, second_start
from trayapp import check, click_away, main, open_panel, run_in_session, shown_panel
from harness.xsession import poll

# Where the other window goes, away from the top bar's tray.
OTHER_WINDOW = (80, 200)


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
        session.screenshot(os.path.join(artefacts, "panel-open.png"))
        click_away(session, panel, (SCREEN_WIDTH // 2, 600), "the empty desktop")

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

        # The icon's menu is never drawn under the panel; Open opens it.
        panel = open_board()
        session.click(*icon)
        check(poll(session.menu_open, 3), "a click on the icon did not open its menu")
        check(poll(lambda: not session.is_viewable(panel.id), HIDE_TIMEOUT),
              "the icon's menu opened under the open panel")
        entries = menu_entries(session, name)
        check(set(entries) == {"Open Pondrel Sudoku", "Quit Pondrel Sudoku"},
              f"the icon's menu holds {sorted(entries)}")
        session.screenshot(os.path.join(artefacts, "menu-open.png"))
        session.click(*entries["Open Pondrel Sudoku"])
        panel = poll(lambda: shown_panel(session), HIDE_TIMEOUT)
        check(panel is not None, "the menu's Open did not open the panel")
        check(poll(lambda: session.is_focused(panel), 3),
              "opened from the menu, the panel is not the active window")

        # Quit from the menu with the board open.
        session.click(*icon)
        check(poll(session.menu_open, 3), "a click on the icon did not open its menu again")
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
