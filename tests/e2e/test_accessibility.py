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
import shutil
import subprocess
import sys

from savedgame import HAS_SEEN_WELCOME_KEY, grid, seed_settings, wait_for_record
from trayapp import Skip, check, check_app_healthy, main, open_panel, run_in_session, wait_for_icon
from xsession import poll

BUS_LAUNCHER_PATHS = ("/usr/libexec/at-spi-bus-launcher",
                      "/usr/lib/at-spi2-core/at-spi-bus-launcher")
APP_NAME = "pondrel-sudoku"
CELL_NAME = re.compile(r"^Row (?P<row>[1-9]), column (?P<column>[1-9]), (?P<content>.+)$")
MAX_DEPTH = 40
SAVE_TIMEOUT = 5


def bus_launcher():
    for path in BUS_LAUNCHER_PATHS:
        if os.access(path, os.X_OK):
            return path
    return None


def start_accessibility_bus(session):
    """Starts the accessibility bus on the session bus, as a desktop does at
    login, and returns once the session bus hands out its address."""
    launcher = bus_launcher()
    if launcher is None or shutil.which("dbus-send") is None:
        raise Skip("at-spi-bus-launcher or dbus-send is not installed (package at-spi2-core, dbus)")
    session.launch("at-spi-bus-launcher", [launcher, "--launch-immediately"])

    def address():
        result = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                env=session.env, capture_output=True, text=True, timeout=10)
        return "unix:" in result.stdout
    if not poll(address, 10, interval=0.1):
        raise Skip("at-spi-bus-launcher did not register org.a11y.Bus on the session bus")


def import_pyatspi(session):
    # The client finds the accessibility bus through the session bus and the
    # display of this process's environment, so both point at the test's.
    for variable in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
        os.environ[variable] = session.env[variable]
    os.environ.pop("NO_AT_BRIDGE", None)
    try:
        import pyatspi
    except ImportError as error:
        raise Skip(f"the AT-SPI Python bindings are missing ({error}; package python3-pyatspi)")
    return pyatspi


class Node:
    """One accessible object, read once."""

    def __init__(self, accessible, depth):
        self.accessible = accessible
        self.depth = depth
        self.role = accessible.getRole()
        self.role_name = accessible.getRoleName()
        self.name = accessible.name or ""
        try:
            action = accessible.queryAction()
            self.actions = [action.getName(i) for i in range(action.nActions)]
        except NotImplementedError:
            self.actions = []

    def __repr__(self):
        return f"{self.role_name} {self.name!r}"


def walk(accessible, depth=0):
    yield Node(accessible, depth)
    if depth >= MAX_DEPTH:
        return
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, depth + 1)


def find_application(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == APP_NAME:
            return application
    return None


def showing_frame(pyatspi, application):
    """The app's window on screen with the board in it, or None."""
    for index in range(application.childCount):
        window = application.getChildAtIndex(index)
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING) \
                and window.childCount > 0:
            return window
    return None


def is_selected(pyatspi, accessible):
    clear_cache(accessible)
    return accessible.getState().contains(pyatspi.STATE_SELECTED)


def name_of(accessible):
    clear_cache(accessible)
    return accessible.name or ""


def clear_cache(accessible):
    # libatspi may keep what it read before; the app's answer now is wanted.
    clear = getattr(accessible, "clear_cache", None)
    if clear is not None:
        clear()


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index("Press") if "Press" in names else 0
    check(action.nActions > 0 and action.doAction(index),
          f"the AT-SPI action {names[index] if names else '(none)'} failed")


def cell_index(node):
    match = CELL_NAME.match(node.name)
    return (int(match["row"]) - 1) * 9 + int(match["column"]) - 1 if match else None


def cell_digit(node):
    """The digit a cell's name says it holds, or 0."""
    match = CELL_NAME.match(node.name)
    content = match["content"] if match else ""
    return int(content[0]) if content[:1].isdigit() else 0


def interactive_roles(pyatspi):
    names = ("PUSH_BUTTON", "TOGGLE_BUTTON", "CHECK_BOX", "RADIO_BUTTON", "COMBO_BOX",
             "MENU_ITEM", "CHECK_MENU_ITEM", "RADIO_MENU_ITEM", "SLIDER", "SPIN_BUTTON", "LINK",
             "PAGE_TAB", "TABLE_CELL", "LIST_ITEM", "ENTRY", "SWITCH", "BUTTON")
    return {getattr(pyatspi, "ROLE_" + name) for name in names if hasattr(pyatspi, "ROLE_" + name)}


def audit_names(pyatspi, nodes):
    interactive = interactive_roles(pyatspi)
    no_role = {pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID}
    problems = []
    for node in nodes:
        if node.role not in interactive and not node.actions:
            continue
        if node.role in no_role:
            problems.append(f"a control without a role: {node!r} (actions {node.actions})")
        if not node.name.strip():
            problems.append(f"a control without a name: {node.role_name} (actions {node.actions})")
        if node.role == pyatspi.ROLE_PUSH_BUTTON and not node.actions:
            problems.append(f"a push button without an action: {node!r}")
    check(not problems, "accessibility problems:\n  " + "\n  ".join(problems))


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
        open_panel(session, icon)
        frame = poll(lambda: showing_frame(pyatspi, application), 5, interval=0.1)
        check(frame is not None, "the open panel has no showing window in the accessible tree")
        check((frame.name or "").strip(), "the panel's window has no accessible name")

        nodes = list(walk(frame))
        with open(os.path.join(artefacts, "accessible-tree.log"), "w", encoding="utf-8") as dump:
            for node in nodes:
                dump.write(f"{'  ' * node.depth}{node.role_name} {node.name!r} {node.actions}\n")
        buttons = [node for node in nodes if node.role == pyatspi.ROLE_PUSH_BUTTON]
        print(f"{len(nodes)} accessible objects, {len(buttons)} push buttons")
        audit_names(pyatspi, nodes)
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
