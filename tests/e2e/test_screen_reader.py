#!/usr/bin/python3
"""A short game played by keyboard under the real Orca screen reader, what
Orca speaks (its debug log) checked line by line: the opened board with its
play time; the arrows reading each cell reached ("Row 5, column 5, empty");
Preferences read by its title as it opens, Tab reaching a switch read with
its state, Space turning it on, Escape closing the screen only; a wrong
digit, undo and a note each read; Next Step's two lines (as the header
shows them); and the win. The game is seeded two digits short of solved.

    test_screen_reader.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools, the AT-SPI bus, pyatspi or orca are
missing. Leaves Orca's debug log and the logs in the artefact folder.
"""

import re
import sys

import accessibletree as at
from savedgame import HAS_SEEN_WELCOME_KEY, SAVED_GAME_KEY, saved_game_value, seed_settings
from test_screens_accessibility import LAST_CELL, almost_solved_game
from trayapp import check, check_app_healthy, main, open_panel, run_in_session, wait_for_icon
from harness.xsession import poll

TIME = re.compile(r"^Play time \d+:\d\d$")


def cell(index, content):
    return f"Row {index // 9 + 1}, column {index % 9 + 1}, {content}"


def run(binary, artefacts):
    def body(session):
        pyatspi = at.start(session)
        orca = at.Orca(session, artefacts)
        # A second empty cell in the centre's row, and the digits of both.
        record, last = almost_solved_game()
        other = next(i for i in range(36, 45) if i != LAST_CELL and record["givens"][i] == "0")
        digit = int(record["values"][other])
        record["values"] = record["values"][:other] + "0" + record["values"][other + 1:]
        seed_settings(session.env["XDG_CONFIG_HOME"], {
            HAS_SEEN_WELCOME_KEY: "true", SAVED_GAME_KEY: saved_game_value(record)})
        app = session.launch("pondrel-sudoku", [binary])
        application = at.wait_for_application(pyatspi, app)
        open_panel(session, wait_for_icon(session).centre)
        orca.wait_for("Sudoku board panel", "the board as the panel opens", timeout=15)

        def play(keys, *lines):
            session.x("xdotool", "key", "--delay", "80", *keys.split())
            for line in lines:
                orca.wait_for(line, f"what {keys!r} brings")
        steps = abs(other - LAST_CELL)
        there, back = ("Left", "Right") if other < LAST_CELL else ("Right", "Left")
        orca.wait_for(TIME, "the play time with the board")
        play("Right", cell(LAST_CELL, "empty"))
        play(" ".join([there] * steps), cell(other, "empty"))
        play(" ".join([back] * steps), cell(LAST_CELL, "empty"))

        play("ctrl+comma", "Preferences dialog")
        for _ in range(10):
            play("Tab")
            heard = orca.hear(re.compile(r"^Highlight Mistakes check box"), 2)
            if heard:
                break
        check(heard == "Highlight Mistakes check box not checked",
              f"Tab reached the Highlight Mistakes switch as {heard!r}, not with its state")
        play("space", "checked")
        play("Escape", "Sudoku board panel", cell(LAST_CELL, "empty"))

        play(str(digit), cell(LAST_CELL, f"{digit}, wrong"))
        play("ctrl+z", cell(LAST_CELL, "empty"))
        play(f"n {last} n", cell(LAST_CELL, f"empty, notes {last}"))
        for press in ("first", "second"):
            play("s")
            line = poll(lambda: at.find_node(pyatspi, at.showing_frame(pyatspi, application),
                                             pyatspi.ROLE_ALERT, re.compile(".")), 5)
            check(line, f"no line in the header after the {press} S")
            orca.wait_for(line.name, f"Next Step's {press} line")

        play(" ".join(["Escape"] + [there] * steps + [str(digit)]), cell(other, str(digit)))
        play(" ".join([back] * steps + [str(last)]), re.compile("^Puzzle Solved"),
             "Play Again push button", re.compile(r"^Time: \d+:\d\d$"))
        check_app_healthy(app, artefacts)

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
