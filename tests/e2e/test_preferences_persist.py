#!/usr/bin/python3
"""Preferences changed through the real UI stay changed: in a started game
the pointer picks another tray icon, the large board and another difficulty
(confirming "Abandon this game?"); the settings file holds all three at
once, the tray icon changes at once, and after Ctrl+Q and a new start the
settings file, the Preferences screen, the panel's size and the tray icon
still show them.

The tray icon is compared as pixels: its crop from a screenshot differs from
the one before the change, matches the one after it across the restart, and
(when rsvg-convert is installed) looks more like the chosen glyph of
resources/icons than like the other two.

    test_preferences_persist.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools, the AT-SPI bus launcher or pyatspi are
missing. Leaves numbered screenshots, the tray icon crops and the logs in
the artefact folder.
"""

import os
import shutil
import subprocess
import sys

import accessibletree as at
from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings, setting, wait_for_record
from trayapp import (Steps, check, check_app_healthy, main, open_panel, quit_app, run_in_session,
                     shown_panel, wait_for_icon)
from harness.xsession import XSession, poll

ICONS = {"Dots": "circle.grid.3x3.fill",
         "Corner Grid": "square.grid.3x3.topleft.filled",
         "Number Square": "number.square.fill"}
DIFFICULTIES = ("Easy", "Medium", "Hard", "Expert")
STANDARD_WIDTH = 375
LARGE_FACTOR = 1.18
SAVE_TIMEOUT = 5
# Mean pixel difference (0 to 1) above which two crops of the tray icon show
# different glyphs, and below which they show the same one.
DIFFERENT_ICON = 0.02
SAME_ICON = 0.005
GLYPH_FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                            "resources", "icons")


def icon_crop(session, icon, artefacts, name):
    shot = os.path.join(artefacts, f"screen-{name}.png")
    session.screenshot(shot)
    return XSession.crop(shot, icon, os.path.join(artefacts, f"tray-icon-{name}.png"))


def settled_icon_crop(session, icon, artefacts, name, differs_from=None):
    """A crop of the tray icon once something is drawn in it and two crops
    in a row agree (the icon is painted a moment after it docks, and redrawn
    after a change); with differs_from, once it also differs from that
    crop. None if that does not happen within a few seconds."""
    last = [None]

    def settled():
        crop = icon_crop(session, icon, artefacts, name)
        kept = crop.replace(".png", "-last.png")
        ready = last[0] is not None and XSession.difference(kept, crop) <= SAME_ICON \
            and drawn(crop) and (differs_from is None
                                 or XSession.difference(differs_from, crop) > DIFFERENT_ICON)
        shutil.copyfile(crop, kept)
        last[0] = kept
        return crop if ready else None
    return poll(settled, 5, interval=0.2)


def drawn(crop):
    """Whether the crop holds more than the tray's plain ground."""
    result = subprocess.run(["convert", crop, "-colorspace", "Gray", "-format",
                             "%[fx:standard_deviation]", "info:"], capture_output=True, text=True,
                            timeout=20)
    try:
        return float(result.stdout.strip()) > 0.05
    except ValueError:
        return False


def glyph_likeness(crop, option, artefacts):
    """How far the tray icon's crop is from the option's glyph, drawn from
    its SVG as dark on the tray's light ground at the crop's size (lower is
    closer), or None without an SVG renderer."""
    if shutil.which("rsvg-convert") is None:
        return None
    size = subprocess.run(["identify", "-format", "%w %h", crop], capture_output=True,
                          text=True, timeout=20).stdout.split()
    width, height = int(size[0]), int(size[1])
    side = min(width, height) - 2
    rendered = os.path.join(artefacts, f"glyph-{option.replace(' ', '-')}.png")
    svg = os.path.join(GLYPH_FOLDER, ICONS[option] + ".svg")
    raster = subprocess.run(["rsvg-convert", "-w", str(side), "-h", str(side), svg],
                            capture_output=True, timeout=20).stdout
    subprocess.run(["convert", "png:-", "-background", "white", "-gravity", "center",
                    "-extent", f"{width}x{height}", "-flatten", "-colorspace", "Gray",
                    rendered], input=raster, check=True, capture_output=True, timeout=20)
    grey = crop.replace(".png", "-grey.png")
    subprocess.run(["convert", crop, "-colorspace", "Gray", "-normalize", grey], check=True,
                   capture_output=True, timeout=20)
    return XSession.difference(grey, rendered)


def check_glyph(crop, chosen, artefacts):
    distances = {option: glyph_likeness(crop, option, artefacts) for option in ICONS}
    if None in distances.values():
        print("rsvg-convert is not installed: the tray icon is not compared with the glyphs")
        return
    print("tray icon's distance from each glyph: "
          + ", ".join(f"{option} {distance:.3f}" for option, distance in distances.items()))
    closest = min(distances, key=distances.get)
    check(closest == chosen, f"the tray icon looks most like {closest!r}, not the chosen "
          f"{chosen!r} ({distances})")


def is_checked(pyatspi, node):
    at.clear_cache(node.accessible)
    return node.accessible.getState().contains(pyatspi.STATE_CHECKED)


def description_of(accessible):
    at.clear_cache(accessible)
    return accessible.description or ""


def open_preferences(session, pyatspi, frame):
    """Ctrl+Comma, the Preferences shortcut."""
    session.key("ctrl+comma")
    at.wait_for_node(pyatspi, frame, pyatspi.ROLE_HEADING, "Preferences",
                     "the Preferences screen after Ctrl+Comma")


def choose(session, pyatspi, frame, picker, option):
    """Opens a choice menu by its face and clicks one of its entries."""
    face = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, picker,
                            f"the {picker} picker")
    at.click(session, pyatspi, face.accessible)
    entry = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_RADIO_BUTTON, option,
                             f"{option!r} in the open {picker} menu")
    at.click(session, pyatspi, entry.accessible)


def run(binary, artefacts):
    def body(session):
        config = session.env["XDG_CONFIG_HOME"]
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        steps = Steps(session, artefacts)
        pyatspi = at.start(session)
        app = session.launch("pondrel-sudoku", [binary])
        icon = wait_for_icon(session)
        application = at.wait_for_application(pyatspi, app)
        before = settled_icon_crop(session, icon, artefacts, "before")
        check(before is not None, "nothing steady is drawn in the tray icon")

        panel = open_panel(session, icon.centre)
        check(abs(panel.width - STANDARD_WIDTH) <= 2,
              f"the standard board's panel is {panel.width} px wide")
        frame = poll(lambda: at.showing_frame(pyatspi, application), 5, interval=0.1)
        check(frame is not None, "the open panel is not in the accessible tree")
        # A started game, so a new difficulty asks first.
        session.key("a")
        check(wait_for_record(config, lambda r: r["hasStarted"], SAVE_TIMEOUT),
              "A (fill all notes) did not start the game")
        open_preferences(session, pyatspi, frame)
        buttons = {option: at.wait_for_node(pyatspi, frame, pyatspi.ROLE_CHECK_BOX, option,
                                            f"the icon option {option!r}")
                   for option in ICONS}
        current = [option for option, node in buttons.items() if is_checked(pyatspi, node)]
        check(len(current) == 1, f"not exactly one icon option is checked: {current}")
        check_glyph(before, current[0], artefacts)
        icon_choice = "Number Square" if current[0] != "Number Square" else "Corner Grid"
        size_face = at.find_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, "Game Size")
        check(description_of(size_face.accessible) == "Standard",
              f"the Game Size picker says {description_of(size_face.accessible)!r} at first")
        difficulty_face = at.find_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, "Difficulty")
        old_difficulty = description_of(difficulty_face.accessible)
        check(old_difficulty in DIFFICULTIES,
              f"the Difficulty picker says {old_difficulty!r}")
        difficulty = "Hard" if old_difficulty != "Hard" else "Expert"
        steps.shot("preferences-before")

        # The icon: the settings file and the tray follow at once.
        at.click(session, pyatspi, buttons[icon_choice].accessible)
        check(poll(lambda: setting(config, "Pondrel_MenuBarIcon") == icon_choice, SAVE_TIMEOUT),
              f"Pondrel_MenuBarIcon is {setting(config, 'Pondrel_MenuBarIcon')!r} after a "
              f"click on {icon_choice!r}")
        check(poll(lambda: is_checked(pyatspi, buttons[icon_choice]), 3),
              f"the {icon_choice!r} option is not shown as chosen")
        after = settled_icon_crop(session, icon, artefacts, "after", differs_from=before)
        check(after is not None, f"the tray icon did not change after choosing {icon_choice!r}")
        check_glyph(after, icon_choice, artefacts)

        # The large board: the panel grows.
        choose(session, pyatspi, frame, "Game Size", "Large")
        check(poll(lambda: setting(config, "Pondrel_BoardSize") == "Large", SAVE_TIMEOUT),
              "Pondrel_BoardSize is not Large after choosing it")
        large = round(STANDARD_WIDTH * LARGE_FACTOR)
        check(poll(lambda: (shown_panel(session) or panel).width >= large - 2, 3),
              f"the panel did not grow to {large} px with the large board")

        # The difficulty, confirmed.
        choose(session, pyatspi, frame, "Difficulty", difficulty)
        at.wait_for_node(pyatspi, frame, pyatspi.ROLE_DIALOG, "Abandon this game?",
                         "the question before a new difficulty in a started game")
        steps.shot("abandon-for-difficulty")
        confirm = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, "New Puzzle",
                                   "the question's New Puzzle button")
        at.click(session, pyatspi, confirm.accessible)
        check(poll(lambda: setting(config, "Pondrel_Difficulty") == difficulty, SAVE_TIMEOUT),
              f"Pondrel_Difficulty is {setting(config, 'Pondrel_Difficulty')!r} after "
              f"confirming {difficulty}")
        check(wait_for_record(config, lambda r: r["difficulty"] == difficulty
                              and not r["hasStarted"], SAVE_TIMEOUT),
              f"confirming {difficulty} did not deal a fresh {difficulty} game")
        check(poll(lambda: description_of(difficulty_face.accessible) == difficulty, 3),
              f"the Difficulty picker says {description_of(difficulty_face.accessible)!r}")
        steps.shot("preferences-after")
        check_app_healthy(app, artefacts)
        quit_app(session, app)

        # The next start.
        for key, value in (("Pondrel_MenuBarIcon", icon_choice), ("Pondrel_BoardSize", "Large"),
                           ("Pondrel_Difficulty", difficulty)):
            check(setting(config, key) == value,
                  f"{key} is {setting(config, key)!r} after the quit, not {value!r}")
        again = session.launch("pondrel-sudoku-again", [binary])
        icon = wait_for_icon(session)
        application = at.wait_for_application(pyatspi, again)
        restarted = settled_icon_crop(session, icon, artefacts, "restarted")
        check(restarted is not None, "nothing steady is drawn in the tray icon after the restart")
        check(XSession.difference(after, restarted) <= SAME_ICON,
              "after the restart the tray icon is not the chosen one")
        panel = open_panel(session, icon.centre, "the panel after the restart")
        check(panel.width >= large - 2,
              f"after the restart the panel is {panel.width} px wide, not the large board's")
        frame = poll(lambda: at.showing_frame(pyatspi, application), 5, interval=0.1)
        check(frame is not None, "the panel after the restart is not in the accessible tree")
        open_preferences(session, pyatspi, frame)
        chosen = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_CHECK_BOX, icon_choice,
                                  f"the icon option {icon_choice!r}")
        check(is_checked(pyatspi, chosen), f"after the restart {icon_choice!r} is not chosen")
        for picker, value in (("Game Size", "Large"), ("Difficulty", difficulty)):
            face = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, picker,
                                    f"the {picker} picker")
            check(description_of(face.accessible) == value,
                  f"after the restart the {picker} picker says "
                  f"{description_of(face.accessible)!r}, not {value!r}")
        steps.shot("preferences-restarted")
        check_app_healthy(again, artefacts, "pondrel-sudoku-again")

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
