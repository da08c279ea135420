#!/usr/bin/python3
"""Keys typed into the open tray panel reach the board, and the play clock
runs only while the panel is shown. Checked from outside, through the game
the app saves into its settings file:

- the first change of a fresh game (A, fill all notes) writes the first
  record, and nothing is saved before it;
- the first arrow key selects the centre cell, the arrows then move the
  selection, and a digit lands in the selected cell, and only there;
- a click elsewhere hides the panel and saves the time reached; while it is
  hidden the count does not grow (the first save after reopening carries
  only the time open since); after reopening it grows again.

    test_keys_and_clock.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed. Leaves a screenshot of
the open panel with the selected cell, and the logs of every process, in the
artefact folder.
"""

import os
import sys
import time

from savedgame import (HAS_SEEN_WELCOME_KEY, grid, saved_game, seed_settings, settled_record,
                       wait_for_record)
from trayapp import (check, check_app_healthy, click_away, main, open_panel,
                     run_in_session, wait_for_icon)
from harness.xsession import SCREEN_HEIGHT, SCREEN_WIDTH, poll

CENTRE_CELL = 40
# Long enough that a clock left running would add more than the allowance
# for the time the panel is open around it (that time plus two seconds).
HIDDEN_SECONDS = 5
# How long the reopened panel may take to show a grown count before the
# clock counts as not resumed; it ticks once a second.
RESUME_TIMEOUT = 8
SAVE_TIMEOUT = 5
OUTSIDE_POINT = (SCREEN_WIDTH // 4, SCREEN_HEIGHT // 2)


def row_of(cell):
    return cell // 9


def column_of(cell):
    return cell % 9


def peers(cell):
    box_row, box_column = row_of(cell) // 3 * 3, column_of(cell) // 3 * 3
    return {other for other in range(81) if other != cell and (
        row_of(other) == row_of(cell) or column_of(other) == column_of(cell)
        or (row_of(other) // 3 * 3 == box_row and column_of(other) // 3 * 3 == box_column))}


def candidate_mask(values, cell):
    """Bit d set for every digit d that no filled peer holds."""
    mask = 0x3FE
    for peer in peers(cell):
        if values[peer]:
            mask &= ~(1 << values[peer])
    return mask


def nearest_free_cell(givens):
    """The non-given cell closest to the centre (fewest arrow presses)."""
    def distance(cell):
        return abs(row_of(cell) - 4) + abs(column_of(cell) - 4), cell
    return min((cell for cell in range(81) if givens[cell] == 0), key=distance)


def arrows_between(start, end):
    rows = row_of(end) - row_of(start)
    columns = column_of(end) - column_of(start)
    return (["Down"] * rows if rows > 0 else ["Up"] * -rows) + \
        (["Right"] * columns if columns > 0 else ["Left"] * -columns)


def check_notes_filled(record):
    values = grid(record["values"])
    for cell in range(81):
        if values[cell] == 0:
            expected = candidate_mask(values, cell)
            check(record["notes"][cell] == expected,
                  f"A filled cell {cell}'s notes with {record['notes'][cell]:#x}, "
                  f"its candidates are {expected:#x}")


def run(binary, artefacts):
    def body(session):
        config = session.env["XDG_CONFIG_HOME"]
        # A first start would open the welcome window over the screen and
        # give it the focus; this test is about the panel.
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        app = session.launch("pondrel-sudoku", [binary])
        icon = wait_for_icon(session)
        panel = open_panel(session, icon.centre)
        check(saved_game(config) is None,
              "a game was saved before the first change (opening the panel saved it)")

        # The first change writes the first record, and with it the givens.
        session.key("a")
        first = wait_for_record(config, lambda record: record["hasStarted"], SAVE_TIMEOUT)
        check(first is not None, "A (fill all notes) on the open panel saved no started game; "
              "keys do not reach the board")
        givens, values = grid(first["givens"]), grid(first["values"])
        check(len(givens) == 81 and givens == values,
              "the first record is not a fresh game (values differ from givens)")
        check_notes_filled(first)
        print(f"first record saved: {first['difficulty']}, {81 - givens.count(0)} givens")

        # The first arrow only selects the centre cell; the four arrows then
        # walk a loop back to it, so each of them must have moved the
        # selection for the digit to land where expected.
        target = nearest_free_cell(givens)
        digit = min(d for d in range(1, 10) if candidate_mask(values, target) & (1 << d))
        keys = ["Right", "Up", "Left", "Down", "Right"] + arrows_between(CENTRE_CELL, target)
        session.x("xdotool", "key", *keys, str(digit))
        entered = wait_for_record(config, lambda record: grid(record["values"]) != values,
                                  SAVE_TIMEOUT)
        check(entered is not None, f"the keys {' '.join(keys)} {digit} changed no cell")
        after = grid(entered["values"])
        changed = [cell for cell in range(81) if after[cell] != values[cell]]
        check(changed == [target] and after[target] == digit,
              f"after {' '.join(keys)} {digit} the cells {changed} changed "
              f"(to {[after[cell] for cell in changed]}); expected only cell {target} to hold "
              f"{digit}")
        print(f"keys {' '.join(keys)} {digit}: the digit landed in cell {target}")

        screenshot = os.path.join(artefacts, "panel-selected-cell.png")

        def drawn():
            # Mapped and focused can come a frame before the first paint,
            # more so in a slow (sanitizer) build: look again for a while.
            session.screenshot(screenshot)
            return session.mean_brightness(screenshot, panel) > 0.05

        check(poll(drawn, 5, interval=0.2), "the panel is mapped but nothing is drawn in it")

        # Hiding the panel stops the clock, which saves the time reached.
        click_away(session, panel, OUTSIDE_POINT, "the desktop")
        stopped = settled_record(config, quiet=1.0, timeout=SAVE_TIMEOUT)
        check(stopped is not None, "no saved game after hiding the panel")
        stopped_elapsed = stopped["elapsed"]
        print(f"panel hidden at elapsed {stopped_elapsed}")
        # Ticks save nothing, so a clock left running shows only in the next
        # save, made after reopening.
        time.sleep(HIDDEN_SECONDS)

        # Reopened: the same digit takes the entry out again, a change whose
        # save carries the count as it is now. Only the time open since the
        # reopening may have been added to it.
        reopened_at = time.monotonic()
        panel = open_panel(session, icon.centre, "the panel a second time")
        session.key(str(digit))
        taken_out = wait_for_record(config, lambda record: grid(record["values"])[target] == 0,
                                    SAVE_TIMEOUT)
        open_for = time.monotonic() - reopened_at
        check(taken_out is not None, f"{digit} on the reopened panel did not reach the board")
        # One second more for a save of the hiding that came after the
        # record was read as settled.
        check(taken_out["elapsed"] - stopped_elapsed <= open_for + 2,
              f"the clock ran while the panel was hidden: elapsed went from {stopped_elapsed} "
              f"to {taken_out['elapsed']} over {HIDDEN_SECONDS} s hidden and {open_for:.1f} s "
              f"open")
        reopened_elapsed = taken_out["elapsed"]

        # Open, it counts again: toggle the digit now and then, each change
        # saving the count, until the count has grown.
        deadline = time.monotonic() + RESUME_TIMEOUT
        holds_digit = False
        while True:
            time.sleep(1.0)
            session.key(str(digit))
            holds_digit = not holds_digit
            expected = digit if holds_digit else 0
            record = wait_for_record(config, lambda r: grid(r["values"])[target] == expected,
                                     SAVE_TIMEOUT)
            check(record is not None, f"{digit} on the reopened panel did not reach the board")
            if record["elapsed"] > reopened_elapsed:
                print(f"clock resumed: elapsed {reopened_elapsed} -> {record['elapsed']}")
                break
            check(time.monotonic() < deadline,
                  f"the clock did not resume after reopening: elapsed still {record['elapsed']} "
                  f"after {RESUME_TIMEOUT} s open")

        check_app_healthy(app, artefacts)

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
