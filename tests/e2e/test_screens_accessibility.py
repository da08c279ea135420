#!/usr/bin/python3
"""Accessibility audit of every screen of pondrel-sudoku through AT-SPI, as
a screen reader meets them, in English and in German (LANGUAGE=de):

the welcome window, the board, the board's menu, Preferences with its open
choice list and its "Abandon this game?" question, the new-puzzle question,
the solved overlay, Statistics with its reset question, How to Play and
About. On each, every control on screen (anything with an action, and every
button, toggle, menu item, cell, choice or link) has a role and a name that
means something to a listener: not empty, not an identifier of the code, no
"undefined", no unfilled placeholder, not punctuation alone; push buttons
offer an action. Each screen is reached the way a user does (the pointer,
the keyboard shortcuts), and its title is the translated one.

The German run looks up the expected texts in
resources/translations/pondrel_de.ts; a name that is still the English text
of a key the table translates differently counts as untranslated. Without
that table the German run is skipped (the English one still counts).

The game is seeded as one digit short of solved, so the solved overlay is
one key press away.

    test_screens_accessibility.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools, the AT-SPI bus launcher or pyatspi are
missing. Leaves a screenshot and the accessible tree of every screen, and
the logs, in the artefact folder.
"""

import os
import shutil
import sys
import xml.etree.ElementTree as ElementTree

import accessibletree as at
from savedgame import SAVED_GAME_KEY, saved_game_value, seed_settings, setting
from sudokusolver import solve
from trayapp import Steps, check, check_app_healthy, main, open_panel, quit_app, run_in_session
from trayapp import wait_for_icon
from harness.xsession import poll

SOURCE_ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
PUZZLE_LIST = os.path.join(SOURCE_ROOT, "resources", "Puzzles.txt")
STRING_TABLE = os.path.join(SOURCE_ROOT, "resources", "translations", "pondrel_{}.ts")
# The cell the seeded game leaves empty: the first arrow key selects it.
LAST_CELL = 40


class Texts:
    """The texts a user of one language reads, looked up by their English
    key as the app does; a key the table lacks reads in English."""

    def __init__(self, language):
        self.language = language
        self.table = {}
        # English too: its table adapts a few texts to Linux desktops.
        root = ElementTree.parse(STRING_TABLE.format(language)).getroot()
        for message in root.iter("message"):
            source, translation = message.find("source"), message.find("translation")
            if source is None or translation is None or not (translation.text or "").strip() \
                    or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                continue
            self.table[source.text] = translation.text

    def __call__(self, key):
        return self.table.get(key, key)

    def untranslated(self, name):
        """Whether name is the English text of a key this table translates
        differently (also as the first part of a "title, value" name)."""
        if self.language == "en":
            return False
        for candidate in (name, name.split(", ")[0]):
            if candidate in self.table and self.table[candidate] != candidate:
                return True
        return False


def almost_solved_game():
    """A saved game of an Easy puzzle of the built-in list with every cell
    but LAST_CELL filled correctly, and the digit that finishes it."""
    for line in open(PUZZLE_LIST, encoding="utf-8"):
        fields = line.split()
        if len(fields) < 2 or fields[0] != "E" or fields[1][LAST_CELL] != "0":
            continue
        givens = [int(ch) for ch in fields[1]]
        solution = solve(givens)
        values = list(solution)
        values[LAST_CELL] = 0
        record = {"version": 1, "difficulty": "Easy", "givens": fields[1],
                  "values": "".join(map(str, values)), "notes": [0] * 81, "elapsed": 42,
                  "hintsUsed": 0, "hasStarted": True}
        return record, solution[LAST_CELL]
    raise RuntimeError("no Easy puzzle with an empty centre in the built-in list")


class Audit:
    """Walks one language's screens, auditing each."""

    def __init__(self, session, pyatspi, artefacts, texts, steps):
        self.session = session
        self.pyatspi = pyatspi
        self.artefacts = artefacts
        self.tr = texts
        self.steps = steps
        self.frame = None
        self.audited = []

    def audit(self, window, name, expect=(), part=None, screen=False):
        """Audits what window shows now; each (role, key) of expect must be
        on screen under its translated name. A screen laid over the board
        hides the board and the solved card from a screen reader too. With
        part, a
        (role, key), only that object and what it holds are audited: the
        new thing laid over a screen audited before."""
        pyatspi, tr = self.pyatspi, self.tr
        wanted = [(role, tr(key)) for role, key in expect]

        def complete():
            nodes = at.nodes_of(pyatspi, window)
            found = {(node.role, node.name) for node in nodes}
            return nodes if all(item in found for item in wanted) else None
        nodes = poll(complete, 5, interval=0.1)
        if nodes is None:
            found = {(node.role, node.name) for node in at.nodes_of(pyatspi, window)}
            missing = [f"{tr(key)!r} ({key})" for (role, key), item in zip(expect, wanted)
                       if item not in found]
            check(False, f"{', '.join(missing)} did not appear on {name}")
        if part is not None:
            top = next((node for node in nodes
                        if (node.role, node.name) == (part[0], tr(part[1]))), None)
            check(top is not None, f"{tr(part[1])!r} ({part[1]}) is not on {name}")
            window = top.accessible
            nodes = at.nodes_of(pyatspi, window)
        at.dump(nodes, os.path.join(self.artefacts, f"{tr.language}-{name}.log"))
        self.steps.shot(f"{tr.language}-{name}")
        if screen:
            shown = [node for node in nodes if node.role == pyatspi.ROLE_TABLE_CELL
                     or node.name in (tr("Play Again"), tr("Puzzle Solved"))]
            check(not shown, f"{name} lets the board show through: {shown[:3]}")
        controls = at.audit_names(pyatspi, nodes, f"{name} ({tr.language})")
        named = [node for node in nodes if node in controls
                 or node.role in (pyatspi.ROLE_HEADING, pyatspi.ROLE_LABEL,
                                  pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME)]
        untranslated = sorted({node.name for node in named if tr.untranslated(node.name)})
        check(not untranslated, f"{name} shows English names in {tr.language}: {untranslated}")
        self.audited.append((name, len(controls)))
        return nodes

    def node(self, role, key, what=None):
        return at.wait_for_node(self.pyatspi, self.frame, role, self.tr(key),
                                what or f"{self.tr(key)!r} ({key})")

    def click(self, role, key):
        at.click(self.session, self.pyatspi, self.node(role, key).accessible)

    def gone(self, role, key, what):
        check(poll(lambda: at.find_node(self.pyatspi, self.frame, role, self.tr(key)) is None, 5),
              f"{what} stayed on screen")

    def open_screen(self, key):
        """A screen through the board's menu, chosen with the pointer."""
        self.click(self.pyatspi.ROLE_PUSH_BUTTON, "Menu")
        self.click(self.pyatspi.ROLE_MENU_ITEM, key)
        self.node(self.pyatspi.ROLE_HEADING, key, f"the {key} screen's title")

    def close_screen(self, key):
        self.click(self.pyatspi.ROLE_PUSH_BUTTON, "Close")
        self.gone(self.pyatspi.ROLE_HEADING, key, f"the {key} screen")


def audit_language(session, pyatspi, binary, artefacts, steps, language, final_digit):
    tr = Texts(language)
    roles = pyatspi  # the role constants, ROLE_...
    config = session.env["XDG_CONFIG_HOME"]
    audit = Audit(session, pyatspi, artefacts, tr, steps)
    log_name = f"pondrel-sudoku-{language}"
    app = session.launch(log_name, [binary])
    application = at.wait_for_application(pyatspi, app)

    # The welcome window of this first start; Return presses Got it.
    welcome = poll(lambda: at.showing_frame(pyatspi, application), 10, interval=0.1)
    check(welcome is not None and welcome.name == tr("Welcome"),
          f"no welcome window titled {tr('Welcome')!r} in the accessible tree "
          f"({welcome and welcome.name!r})")
    audit.audit(welcome, "welcome", [(roles.ROLE_PUSH_BUTTON, "Got it"),
                                     (roles.ROLE_LABEL, "Welcome to Pondrel Sudoku"),
                                     (roles.ROLE_IMAGE,
                                      "The game's icon, highlighted in the menu bar")])
    session.key("Return")
    check(poll(lambda: not at.is_showing(pyatspi, welcome), 5),
          "Return did not close the welcome window")

    icon = wait_for_icon(session)
    open_panel(session, icon.centre)
    audit.frame = frame = poll(lambda: at.showing_frame(pyatspi, application), 5, interval=0.1)
    check(frame is not None, "the open panel is not in the accessible tree")
    nodes = audit.audit(frame, "board", [(roles.ROLE_PUSH_BUTTON, "New Puzzle"),
                                         (roles.ROLE_PUSH_BUTTON, "Notes"),
                                         (roles.ROLE_PUSH_BUTTON, "Hint")])
    cells = [node for node in nodes if node.role == roles.ROLE_TABLE_CELL]
    check(len(cells) == 81, f"{len(cells)} cells on the board, not 81")
    if language == "en":
        at.cells_by_index(pyatspi, nodes)
    elif tr("Row %lld, column %lld, empty") != "Row %lld, column %lld, empty":
        english = [node.name for node in cells if at.CELL_NAME.match(node.name)]
        check(not english, f"cells keep English names: {english[:3]}")

    audit.click(roles.ROLE_PUSH_BUTTON, "Menu")
    audit.audit(frame, "menu", [(roles.ROLE_MENU_ITEM, key) for key in
                                ("Preferences", "Statistics", "How to Play", "About",
                                 "Quit Pondrel Sudoku")], part=(roles.ROLE_POPUP_MENU, ""))
    audit.click(roles.ROLE_MENU_ITEM, "Preferences")
    audit.audit(frame, "preferences", [(roles.ROLE_HEADING, "Preferences"),
                                       (roles.ROLE_CHECK_BOX, "Number Square"),
                                       (roles.ROLE_PUSH_BUTTON, "Game Size"),
                                       (roles.ROLE_CHECK_BOX, "Highlight Mistakes")],
                screen=True)
    audit.click(roles.ROLE_PUSH_BUTTON, "Game Size")
    audit.audit(frame, "game-size-list", [(roles.ROLE_RADIO_BUTTON, "Standard"),
                                          (roles.ROLE_RADIO_BUTTON, "Large")],
                part=(roles.ROLE_DIALOG, ""))
    audit.click(roles.ROLE_RADIO_BUTTON, "Standard")
    audit.gone(roles.ROLE_RADIO_BUTTON, "Large", "the Game Size list")
    # The seeded game is started, so another difficulty asks first.
    audit.click(roles.ROLE_PUSH_BUTTON, "Difficulty")
    audit.click(roles.ROLE_RADIO_BUTTON, "Hard")
    audit.audit(frame, "difficulty-question", [(roles.ROLE_PUSH_BUTTON, "Cancel"),
                                               (roles.ROLE_PUSH_BUTTON, "New Puzzle")],
                part=(roles.ROLE_DIALOG, "Abandon this game?"))
    audit.click(roles.ROLE_PUSH_BUTTON, "Cancel")
    audit.gone(roles.ROLE_DIALOG, "Abandon this game?", "the difficulty question")
    check(setting(config, "Pondrel_Difficulty") == "Easy",
          "Cancel in the difficulty question changed the difficulty")
    audit.close_screen("Preferences")

    session.key("ctrl+n")
    audit.audit(frame, "new-puzzle-question", [(roles.ROLE_PUSH_BUTTON, "Cancel")],
                part=(roles.ROLE_DIALOG, "Abandon this game?"))
    session.key("Return")
    audit.gone(roles.ROLE_DIALOG, "Abandon this game?", "the new-puzzle question after Return")

    # The last digit: the first arrow selects the centre cell.
    session.x("xdotool", "key", "--delay", "15", "Right", str(final_digit))
    audit.audit(frame, "solved", [(roles.ROLE_HEADING, "Puzzle Solved"),
                                  (roles.ROLE_PUSH_BUTTON, "Play Again")],
                part=(roles.ROLE_PANEL, "Puzzle Solved"))
    check(poll(lambda: setting(config, SAVED_GAME_KEY) is None, 5),
          "the won game is still saved")

    audit.open_screen("Statistics")
    audit.audit(frame, "statistics", [(roles.ROLE_PUSH_BUTTON, "Reset"),
                                      (roles.ROLE_PUSH_BUTTON, "Close")], screen=True)
    audit.click(roles.ROLE_PUSH_BUTTON, "Reset")
    audit.audit(frame, "reset-question", [(roles.ROLE_PUSH_BUTTON, "Cancel")],
                part=(roles.ROLE_DIALOG, "Reset all statistics?"))
    audit.click(roles.ROLE_PUSH_BUTTON, "Cancel")
    audit.gone(roles.ROLE_DIALOG, "Reset all statistics?", "the reset question")
    audit.close_screen("Statistics")

    audit.open_screen("How to Play")
    audit.audit(frame, "how-to-play", [(roles.ROLE_HEADING, "How to Play")], screen=True)
    # Most of it lies below the fold of its scrolling body: the wheel
    # brings the keyboard section up.
    title = audit.node(roles.ROLE_HEADING, "How to Play")
    x, y = at.centre_of(pyatspi, title.accessible)
    session.x("xdotool", "mousemove", str(x), str(y + 200), "click", "--repeat", "15",
              "--delay", "20", "5")
    audit.audit(frame, "how-to-play-end", [(roles.ROLE_HEADING, "KEYBOARD")])
    audit.close_screen("How to Play")

    audit.open_screen("About")
    about = audit.audit(frame, "about", [(roles.ROLE_PUSH_BUTTON, "Close")], screen=True)
    buttons = [node.name for node in about if node.role == roles.ROLE_PUSH_BUTTON]
    check(len(buttons) >= 2, f"About has no button besides Close: {buttons}")
    audit.close_screen("About")

    check_app_healthy(app, artefacts, log_name)
    quit_app(session, app, f"the app in {language}")
    print(f"{language}: " + ", ".join(f"{name} {count}" for name, count in audit.audited)
          + " controls audited")


def fresh_folders(session, record):
    """Empty settings and data folders, with only the seeded game."""
    for variable in ("XDG_CONFIG_HOME", "XDG_DATA_HOME"):
        folder = session.env[variable]
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder, mode=0o700)
    seed_settings(session.env["XDG_CONFIG_HOME"], {SAVED_GAME_KEY: saved_game_value(record)})


def run(binary, artefacts):
    def body(session):
        steps = Steps(session, artefacts)
        pyatspi = at.start(session)
        record, final_digit = almost_solved_game()
        for language in ("en", "de"):
            if language != "en" and not os.path.exists(STRING_TABLE.format(language)):
                print(f"SKIP {language}: no string table {STRING_TABLE.format(language)}")
                continue
            fresh_folders(session, record)
            if language == "en":
                session.env.pop("LANGUAGE", None)
            else:
                session.env["LANGUAGE"] = language
            audit_language(session, pyatspi, binary, artefacts, steps, language, final_digit)

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
