#!/usr/bin/python3
"""A player's first evening with pondrel-sudoku, through the real binary,
with the pointer and the keyboard only:

1. a first start on fresh folders shows the welcome window once; a pointer
   click on "Got it" closes it;
2. the tray icon opens the panel; the dealt puzzle (read from the cells'
   accessible names and solved here) is played to the end with arrow keys
   and digits; the solved overlay announces it; Statistics, chosen from the
   board's menu with the pointer, shows one game played and won, and the
   settings file holds the same counts;
3. Play Again deals a second game; two digits and three notes typed into
   it (N switches notes mode) and a few seconds of play survive Ctrl+Q: the
   next start restores the same board, notes and time (never less than
   before), and shows no welcome window.

    test_whole_game.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools, the AT-SPI bus launcher or pyatspi are
missing. Leaves numbered screenshots of every step, the accessible trees and
the logs in the artefact folder.
"""

import os
import re
import sys

import accessibletree as at
from savedgame import grid, saved_game, setting, wait_for_record
from sudokusolver import solve
from trayapp import (Steps, check, check_app_healthy, main, open_panel, quit_app, run_in_session,
                     wait_for_icon, welcome_windows)
from harness.xsession import poll

SAVE_TIMEOUT = 5
# Seconds of play the second game collects before the quit; the clock ticks
# once a second while the panel is open.
PLAYED_SECONDS = 2
NOTE_DIGITS = (1, 4, 9)
KEY_DELAY_MS = "15"


def type_keys(session, keys):
    session.x("xdotool", "key", "--delay", KEY_DELAY_MS, *keys)


def to_top_left():
    """From no selection: the first arrow selects the centre cell, four Up
    and four Left then reach row 1, column 1."""
    return ["Right"] + ["Up"] * 4 + ["Left"] * 4


def play_to_the_end(session, config, givens, solution):
    """Walks the board row by row, snaking, from the top-left cell and types
    the solution's digit into every empty cell. One xdotool call per row, so
    a failure names the row."""
    type_keys(session, to_top_left())
    for row in range(9):
        columns = range(9) if row % 2 == 0 else range(8, -1, -1)
        step = "Right" if row % 2 == 0 else "Left"
        keys = []
        for position, column in enumerate(columns):
            cell = row * 9 + column
            if givens[cell] == 0:
                keys.append(str(solution[cell]))
            if position < 8:
                keys.append(step)
        if row < 8:
            keys.append("Down")
        type_keys(session, keys)
        if row < 8:
            # The row's digits are on the board before the next row starts;
            # the last row ends the game, which removes the record.
            expected = solution[:(row + 1) * 9]
            record = wait_for_record(config, lambda r: grid(r["values"])[:(row + 1) * 9]
                                     == expected, SAVE_TIMEOUT)
            check(record is not None, f"the digits typed into row {row + 1} did not all land "
                  f"there: {saved_game(config)}")


def clock_seconds(pyatspi, clock):
    """The play time the header's clock reads ("Play time 1:05"), in seconds."""
    text = at.name_of(clock).rsplit(" ", 1)[-1]
    parts = [int(part) for part in text.split(":")]
    seconds = 0
    for part in parts:
        seconds = seconds * 60 + part
    return seconds


def choose_from_menu(session, pyatspi, frame, item):
    menu = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, "Menu", "the menu button")
    at.click(session, pyatspi, menu.accessible)
    entry = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_MENU_ITEM, item,
                             f"the menu item {item!r}")
    at.click(session, pyatspi, entry.accessible)


def run(binary, artefacts):
    def body(session):
        config = session.env["XDG_CONFIG_HOME"]
        steps = Steps(session, artefacts)
        pyatspi = at.start(session)

        # 1. The welcome window of a first start; "Got it" by the pointer.
        app = session.launch("pondrel-sudoku", [binary])
        check(poll(lambda: welcome_windows(session), 10), "a first start showed no welcome window")
        check(len(welcome_windows(session)) == 1,
              "a first start showed more than one welcome window")
        application = at.wait_for_application(pyatspi, app)
        welcome = poll(lambda: at.showing_frame(pyatspi, application), 5, interval=0.1)
        check(welcome is not None and welcome.name == "Welcome",
              f"the welcome window is not in the accessible tree: {welcome and welcome.name!r}")
        got_it = at.wait_for_node(pyatspi, welcome, pyatspi.ROLE_PUSH_BUTTON, "Got it",
                                  "the Got it button")
        steps.shot("welcome")
        at.click(session, pyatspi, got_it.accessible)
        check(poll(lambda: not welcome_windows(session), 5),
              "a click on Got it did not close the welcome window")
        check(setting(config, "Pondrel_HasSeenWelcome") == "true",
              "the welcome was not recorded as seen")

        # 2. The whole game, from the keyboard.
        icon = wait_for_icon(session)
        open_panel(session, icon.centre)
        frame = poll(lambda: at.showing_frame(pyatspi, application), 5, interval=0.1)
        check(frame is not None, "the open panel is not in the accessible tree")
        cells = at.cells_by_index(pyatspi, at.nodes_of(pyatspi, frame))
        givens = at.givens_of(cells)
        solution = solve(givens)
        check(solution is not None, f"the dealt puzzle has no solution: {givens}")
        print(f"first puzzle: {81 - givens.count(0)} givens")
        steps.shot("fresh-board")

        play_to_the_end(session, config, givens, solution)
        solved = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_HEADING, "Puzzle Solved",
                                  "the solved overlay's \"Puzzle Solved\"")
        check(at.find_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, "Play Again"),
              "the solved overlay has no Play Again button")
        check(poll(lambda: saved_game(config) is None
                   and setting(config, "Pondrel_SolvedCount") == "1", SAVE_TIMEOUT),
              "after the win the settings file does not count one solved game and drop the "
              "saved game")
        steps.shot("solved")
        print(f"solved: {solved!r}")

        choose_from_menu(session, pyatspi, frame, "Statistics")
        at.wait_for_node(pyatspi, frame, pyatspi.ROLE_HEADING, "Statistics",
                         "the Statistics screen")
        rows = {node.name for node in at.nodes_of(pyatspi, frame)
                if node.role == pyatspi.ROLE_LABEL}
        for row in ("Games Played, 1", "Games Won, 1", "Games Lost, 0", "Win Rate, 100.0%",
                    "Current Streak, 1", "Best Streak, 1"):
            check(row in rows, f"the Statistics screen does not show {row!r}: {sorted(rows)}")
        check(at.find_node(pyatspi, frame, pyatspi.ROLE_HEADING, "Puzzle Solved") is None,
              "the solved card shows through the Statistics screen")
        best_times = [name for name in rows if name.startswith("Best Time: ")
                      and name[-1].isdigit()]
        check(len(best_times) == 1, f"not exactly one best time after one win: {best_times}")
        for key, value in (("Pondrel_GamesCount", "1"), ("Pondrel_SolvedCount", "1"),
                           ("Pondrel_CurrentStreak", "1"), ("Pondrel_BestStreak", "1")):
            check(setting(config, key) == value,
                  f"{key} is {setting(config, key)!r} in the settings file, not {value}")
        steps.shot("statistics")
        close = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, "Close",
                                 "the Close button")
        at.click(session, pyatspi, close.accessible)

        # 3. A second game, left half-done by Ctrl+Q.
        play_again = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_PUSH_BUTTON, "Play Again",
                                      "Play Again after closing Statistics")
        at.click(session, pyatspi, play_again.accessible)
        check(poll(lambda: not at.find_node(pyatspi, frame, pyatspi.ROLE_HEADING,
                                            "Puzzle Solved"), 5),
              "Play Again did not take the solved overlay away")
        first_givens = givens
        cells = at.cells_by_index(pyatspi, at.nodes_of(pyatspi, frame))
        givens = at.givens_of(cells)
        check(givens != first_givens, "Play Again did not deal a new puzzle")
        solution = solve(givens)
        check(solution is not None, "the second puzzle has no solution")
        free = [cell for cell in range(9) if givens[cell] == 0]
        check(len(free) >= 3, "fewer than three free cells in the first row")
        first, second, noted = free[:3]
        keys = to_top_left() + ["Right"] * first + [str(solution[first])]
        keys += ["Right"] * (second - first) + [str(solution[second])]
        keys += ["Right"] * (noted - second) + ["n"] + [str(d) for d in NOTE_DIGITS] + ["n"]
        type_keys(session, keys)
        note_mask = sum(1 << digit for digit in NOTE_DIGITS)
        record = wait_for_record(config, lambda r: r["hasStarted"]
                                 and grid(r["values"])[first] == solution[first]
                                 and grid(r["values"])[second] == solution[second]
                                 and r["notes"][noted] == note_mask, SAVE_TIMEOUT)
        check(record is not None, f"the second game's digits and notes were not saved: "
              f"{saved_game(config)}")
        clock = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_LABEL, re.compile("^Play time "),
                                 "the header's clock")
        # The clock's name tells the time as of the last move, not a name
        # changing every second: a move away and back asks for it.
        there_and_back = ["Left", "Right"] if noted % 9 == 8 else ["Right", "Left"]

        def clock_after_move():
            type_keys(session, there_and_back)
            return clock_seconds(pyatspi, clock.accessible)
        check(poll(lambda: clock_after_move() >= PLAYED_SECONDS, PLAYED_SECONDS + 5,
                   interval=0.5),
              f"the clock does not run in a started game: {at.name_of(clock.accessible)!r}")
        shown_before = clock_seconds(pyatspi, clock.accessible)
        steps.shot("second-game")
        noted_name = f"Row 1, column {noted + 1}, empty, notes " + " ".join(map(str, NOTE_DIGITS))
        check(at.name_of(cells[noted].accessible) == noted_name,
              f"the noted cell is named {at.name_of(cells[noted].accessible)!r}, not "
              f"{noted_name!r}")
        check_app_healthy(app, artefacts)
        quit_app(session, app)
        before = saved_game(config)
        check(before is not None and before["hasStarted"], "Ctrl+Q left no started game saved")
        check(before["elapsed"] >= shown_before,
              f"the game was saved at {before['elapsed']} s, the clock showed {shown_before} s")
        print(f"quit with {before['elapsed']} s played, clock showing {shown_before} s")

        # The next start: the same game, no welcome.
        again = session.launch("pondrel-sudoku-again", [binary])
        icon = wait_for_icon(session)
        application = at.wait_for_application(pyatspi, again)
        check(not welcome_windows(session), "the second start showed the welcome window")
        check(saved_game(config) == before, "starting again rewrote the saved game")
        open_panel(session, icon.centre, "the panel after the restart")
        frame = poll(lambda: at.showing_frame(pyatspi, application), 5, interval=0.1)
        check(frame is not None, "the panel after the restart is not in the accessible tree")
        nodes = at.nodes_of(pyatspi, frame)
        at.dump(nodes, os.path.join(artefacts, "restored-board.log"))
        restored = at.cells_by_index(pyatspi, nodes)
        check(at.givens_of(restored) == givens, "the restart brought another puzzle")
        for cell in (first, second):
            name = f"Row 1, column {cell + 1}, {solution[cell]}"
            check(restored[cell].name == name,
                  f"cell {cell} is named {restored[cell].name!r} after the restart, not {name!r}")
        check(restored[noted].name == noted_name, f"the notes did not come back: the cell is "
              f"named {restored[noted].name!r}")
        clock = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_LABEL, re.compile("^Play time "),
                                 "the header's clock after the restart")
        shown_after = clock_seconds(pyatspi, clock.accessible)
        check(shown_after >= before["elapsed"],
              f"the restored clock shows {shown_after} s, less than the {before['elapsed']} s "
              f"saved")
        steps.shot("restored")
        for key, value in (("Pondrel_GamesCount", "2"), ("Pondrel_SolvedCount", "1"),
                           ("Pondrel_CurrentStreak", "1")):
            check(setting(config, key) == value,
                  f"{key} is {setting(config, key)!r} after the second game, not {value}")
        check(not welcome_windows(session), "the welcome window appeared after the restart")
        check_app_healthy(again, artefacts, "pondrel-sudoku-again")

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
