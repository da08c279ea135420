#!/usr/bin/python3
"""Accessibility audit of the open tray panel through the real AT-SPI client
(pyatspi), as a screen reader sees it:

- every control (anything offering an action, and every button, toggle,
  cell or other interactive role) has a role and a non-empty name;
- the board holds exactly 81 cells, one per row and column, named
  "Row r, column c, ..." and telling what the cell holds, in agreement with
  the game the app saves;
- every push button offers an action (a screen reader's "Press");
- the "Press" action on a cell selects it, as a click does: the cell reports
  the selected state, the next digit key lands in it, and pressing another
  cell moves the selection.

    test_accessibility.py <pondrel-sudoku binary> <artefact folder>

Runs its own accessibility bus (at-spi-bus-launcher) on the test's private
session bus. Exits 77 (skipped) when the X tools, the AT-SPI bus launcher or
the Python bindings are not installed. Leaves the accessible tree
(accessible-tree.log), a screenshot and the logs in the artefact folder.
"""

import os
import re
import sys

from accessibletree import (CELL_NAME, audit_names, find_application, import_pyatspi,
                            is_selected, name_of, press, showing_frame, start_accessibility_bus,
                            walk)
from savedgame import HAS_SEEN_WELCOME_KEY, grid, seed_settings, wait_for_record
from trayapp import check, check_app_healthy, main, open_panel, run_in_session, wait_for_icon
from harness.xsession import poll

SAVE_TIMEOUT = 5


def cell_index(node):
    match = CELL_NAME.match(node.name)
    return (int(match["row"]) - 1) * 9 + int(match["column"]) - 1 if match else None


def cell_digit(node):
    """The digit a cell's name says it holds, or 0."""
    match = CELL_NAME.match(node.name)
    content = match["content"] if match else ""
    return int(content[0]) if content[:1].isdigit() else 0


def audit_cells(pyatspi, nodes):
    cells = [node for node in nodes if node.role == pyatspi.ROLE_TABLE_CELL
             or re.match(r"^cell-\d+$", node.name)]
    check(len(cells) == 81, f"{len(cells)} cells in the accessible tree, not 81")
    by_index = {}
    for node in cells:
        index = cell_index(node)
        check(index is not None, f"a cell's name does not say its place: {node.name!r}")
        check(index not in by_index, f"two cells are named for row and column of {node.name!r}")
        by_index[index] = node
        check(node.actions, f"the cell {node.name!r} offers no action")
    return by_index


def check_names_match_board(cells, record):
    """Every cell's name tells what the saved game holds there."""
    givens, values = grid(record["givens"]), grid(record["values"])
    for index, node in cells.items():
        place = f"Row {index // 9 + 1}, column {index % 9 + 1}, "
        name = name_of(node.accessible)
        if givens[index]:
            expected_ok = name == f"{place}{givens[index]}, given"
            expected = f"{place}{givens[index]}, given"
        elif values[index]:
            expected_ok = name in (f"{place}{values[index]}", f"{place}{values[index]}, wrong")
            expected = f"{place}{values[index]}"
        else:
            expected_ok = name.startswith(f"{place}empty")
            expected = f"{place}empty..."
        check(expected_ok, f"cell {index} is named {name!r}, the board says {expected!r}")


def peers_digits(cells, index):
    row, column = index // 9, index % 9
    digits = set()
    for other, node in cells.items():
        same_box = other // 27 == index // 27 and other % 9 // 3 == column // 3
        if other != index and (other // 9 == row or other % 9 == column or same_box):
            digits.add(cell_digit(node))
    return digits


def run(binary, artefacts):
    def body(session):
        config = session.env["XDG_CONFIG_HOME"]
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        start_accessibility_bus(session)
        pyatspi = import_pyatspi(session)
        # Qt bridges to AT-SPI only when asked; a desktop asks through the
        # bus's IsEnabled, which nothing sets here.
        session.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        app = session.launch("pondrel-sudoku", [binary])
        icon = wait_for_icon(session)
        application = poll(lambda: find_application(pyatspi), 10, interval=0.2)
        check(application is not None, "pondrel-sudoku did not appear on the accessibility bus")
        open_panel(session, icon.centre)
        frame = poll(lambda: showing_frame(pyatspi, application), 5, interval=0.1)
        check(frame is not None, "the open panel has no showing window in the accessible tree")
        check((frame.name or "").strip(), "the panel's window has no accessible name")

        nodes = list(walk(frame))
        with open(os.path.join(artefacts, "accessible-tree.log"), "w", encoding="utf-8") as dump:
            for node in nodes:
                dump.write(f"{'  ' * node.depth}{node.role_name} {node.name!r} {node.actions}\n")
        buttons = [node for node in nodes if node.role == pyatspi.ROLE_PUSH_BUTTON]
        print(f"{len(nodes)} accessible objects, {len(buttons)} push buttons")
        audit_names(pyatspi, nodes, "the board")
        cells = audit_cells(pyatspi, nodes)
        check(not any(is_selected(pyatspi, node.accessible) for node in cells.values()),
              "a cell is selected in a fresh game")

        # Press on the empty cell nearest the centre, then a digit key.
        empty = sorted((index for index, node in cells.items() if "empty" in node.name),
                       key=lambda index: (abs(index // 9 - 4) + abs(index % 9 - 4), index))
        check(len(empty) >= 2, "fewer than two empty cells on a fresh board")
        first, second = cells[empty[0]], cells[empty[1]]
        press(first.accessible)
        check(poll(lambda: is_selected(pyatspi, first.accessible), 3),
              f"Press on {first.name!r} did not select it")
        selected = [index for index, node in cells.items() if is_selected(pyatspi, node.accessible)]
        check(selected == [empty[0]], f"after Press on cell {empty[0]} the selected cells are "
              f"{selected}")
        digit = min(set(range(1, 10)) - peers_digits(cells, empty[0]))
        session.key(str(digit))
        place = f"Row {empty[0] // 9 + 1}, column {empty[0] % 9 + 1}, {digit}"
        check(poll(lambda: name_of(first.accessible) in (place, place + ", wrong"), 3),
              f"{digit} typed after Press did not land in the pressed cell: it is named "
              f"{name_of(first.accessible)!r}")
        record = wait_for_record(config, lambda r: grid(r["values"])[empty[0]] == digit,
                                 SAVE_TIMEOUT)
        check(record is not None, f"the saved game does not hold {digit} in cell {empty[0]}")
        check_names_match_board(cells, record)
        session.screenshot(os.path.join(artefacts, "panel-after-press.png"))

        # Press on another cell moves the selection; pressing it again
        # deselects it, as a second click does.
        press(second.accessible)
        check(poll(lambda: is_selected(pyatspi, second.accessible)
                   and not is_selected(pyatspi, first.accessible), 3),
              f"Press on {second.name!r} did not move the selection there")
        press(second.accessible)
        check(poll(lambda: not is_selected(pyatspi, second.accessible), 3),
              f"a second Press on {second.name!r} did not deselect it")

        check_app_healthy(app, artefacts)

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
