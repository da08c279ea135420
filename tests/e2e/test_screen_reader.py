#!/usr/bin/python3
"""A short game played by keyboard under the real Orca screen reader, with
what Orca speaks (its debug log) as the record:

- the opened panel is read as the board with its play time;
- the arrows move the focus from cell to cell, each read by row, column
  and content ("Row 5, column 5, empty"; a given says so);
- Preferences opens with the focus on its first control and its title
  read; Tab reaches the Highlight Mistakes switch, read with its state,
  and Space turns it on, read as checked; Escape closes the screen only;
- a wrong digit is read as wrong, undo reads the cell empty again, a note
  is read with the cell's notes;
- Next Step (S), twice, has both of its lines read;
- the last digits win the game, and the win is read ("Puzzle Solved").

The game is seeded as two digits short of solved, both in row 5.

    test_screen_reader.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools, the AT-SPI bus, pyatspi or orca are
missing. Leaves Orca's debug log, the logs and a screenshot of the end.
"""

import re
import sys

import accessibletree as at
from savedgame import HAS_SEEN_WELCOME_KEY, SAVED_GAME_KEY, saved_game_value, seed_settings
from test_screens_accessibility import LAST_CELL, almost_solved_game
from trayapp import check, check_app_healthy, main, open_panel, run_in_session, wait_for_icon
from harness.xsession import poll


def seeded_game():
    """The almost solved game with one more cell of row 5 emptied: the
    record, that cell, and the digits of the two."""
    record, last_digit = almost_solved_game()
    values = list(record["values"])
    other = next(index for index in range(36, 45)
                 if index != LAST_CELL and record["givens"][index] == "0")
    other_digit = int(values[other])
    values[other] = "0"
    record["values"] = "".join(values)
    return record, other, other_digit, last_digit


def cell_name(index, content):
    return f"Row {index // 9 + 1}, column {index % 9 + 1}, {content}"


def run(binary, artefacts):
    def body(session):
        pyatspi = at.start(session)
        orca = at.Orca(session, artefacts)
        record, other, other_digit, last_digit = seeded_game()
        seed_settings(session.env["XDG_CONFIG_HOME"], {
            HAS_SEEN_WELCOME_KEY: "true", SAVED_GAME_KEY: saved_game_value(record)})
        app = session.launch("pondrel-sudoku", [binary])
        application = at.wait_for_application(pyatspi, app)
        open_panel(session, wait_for_icon(session).centre)
        orca.wait_for("Sudoku board panel", "the board as the panel opens", timeout=15)
        orca.wait_for(re.compile(r"^Play time \d+:\d\d$"), "the play time with the board")

        # The focus follows the selection, each cell read as it arrives.
        session.key("Right")
        orca.wait_for(cell_name(LAST_CELL, "empty"), "the first selected cell")
        step = 1 if other > LAST_CELL else -1
        session.key("Right" if step > 0 else "Left")
        neighbour = LAST_CELL + step
        content = ("empty" if neighbour == other
                   else f"{record['givens'][neighbour]}, given"
                   if record["givens"][neighbour] != "0" else record["values"][neighbour])
        orca.wait_for(cell_name(neighbour, content), "the next cell")
        session.key("Left" if step > 0 else "Right")
        orca.wait_for(cell_name(LAST_CELL, "empty"), "the cell moved back to")

        # A switch is read with its state, and Space changes it.
        session.key("ctrl+comma")
        orca.wait_for("Preferences dialog", "the Preferences screen's title")
        switch = re.compile(r"^Highlight Mistakes check box")
        for _ in range(10):
            session.key("Tab")
            heard = orca.hear(switch, 2)
            if heard:
                break
        check(heard == "Highlight Mistakes check box not checked",
              f"Tab reached the Highlight Mistakes switch as {heard!r}, not with its state")
        session.key("space")
        orca.wait_for(re.compile(r"^checked$"), "the switch turned on")
        session.key("Escape")
        orca.wait_for("Sudoku board panel", "the board after Escape closed the screen")
        orca.wait_for(cell_name(LAST_CELL, "empty"), "the selected cell after the screen")

        # A wrong digit, undo, a note.
        session.key(str(other_digit))
        orca.wait_for(cell_name(LAST_CELL, f"{other_digit}, wrong"), "the wrong digit")
        session.key("ctrl+z")
        orca.wait_for(cell_name(LAST_CELL, "empty"), "the cell after undo")
        session.x("xdotool", "key", "--delay", "50", "n", str(last_digit), "n")
        orca.wait_for(cell_name(LAST_CELL, f"empty, notes {last_digit}"), "the note")

        # Next Step's two lines, as the header shows them.
        def notice():
            frame = at.showing_frame(pyatspi, application)
            node = frame and at.find_node(pyatspi, frame, pyatspi.ROLE_ALERT, re.compile(r"."))
            return node.name if node else None
        for press in ("first", "second"):
            session.key("s")
            line = poll(notice, 5)
            check(line, f"no line in the header after the {press} S")
            orca.wait_for(line, f"Next Step's {press} line")
        session.key("Escape")

        # The last two digits win the game.
        session.key("Right" if step > 0 else "Left")
        orca.wait_for(cell_name(neighbour, "empty" if neighbour == other else content),
                      "the next cell again")
        for _ in range(abs(other - neighbour)):
            session.key("Right" if step > 0 else "Left")
        orca.wait_for(cell_name(other, "empty"), "the other empty cell")
        session.key(str(other_digit))
        orca.wait_for(cell_name(other, str(other_digit)), "the right digit")
        for _ in range(abs(other - LAST_CELL)):
            session.key("Left" if step > 0 else "Right")
        orca.wait_for(cell_name(LAST_CELL, f"empty, notes {last_digit}"), "the noted cell")
        session.key(str(last_digit))
        orca.wait_for(re.compile(r"^Puzzle Solved"), "the win")
        orca.wait_for("Play Again push button", "Play Again")
        orca.wait_for(re.compile(r"^Time: \d+:\d\d$"), "the time of the win")
        session.screenshot(f"{artefacts}/solved.png")
        check_app_healthy(app, artefacts)

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
