"""Reading and driving pondrel-sudoku through AT-SPI, as a screen reader does.

The test's own accessibility bus is started on its private session bus
(start_accessibility_bus), the app is asked to bridge to it (enable_bridge),
and the real client library, pyatspi, walks the app's accessible tree.
Objects are read once into Nodes; names and states that change are read again
with name_of and is_selected, past libatspi's cache.
"""

import os
import re
import shutil
import subprocess

from trayapp import Skip, check
from harness.xsession import poll

BUS_LAUNCHER_PATHS = ("/usr/libexec/at-spi-bus-launcher",
                      "/usr/lib/at-spi2-core/at-spi-bus-launcher")
APP_NAME = "pondrel-sudoku"
CELL_NAME = re.compile(r"^Row (?P<row>[1-9]), column (?P<column>[1-9]), (?P<content>.+)$")
MAX_DEPTH = 40

# Words that show a name is a leftover of code rather than text for people.
_PROGRAM_WORDS = {"undefined", "null", "nan", "true", "false", "[object object]", "object"}
# An identifier as the app's items carry them: "closeScreenButton",
# "menuItem-Quit", "stat-gamesWon", "pad-3", "cell-40".
_IDENTIFIER = re.compile(r"^(?:[a-z]+(?:[A-Z][a-z0-9]*)+|[a-z]+[A-Za-z]*-[A-Za-z0-9-]+)$")
# Placeholders of the string table that were not filled in.
_PLACEHOLDER = re.compile(r"%(?:\d+\$)?(?:@|lld|ld|d|s|f|\.\df)")


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


def enable_bridge(session):
    """Makes the apps launched from now on bridge to AT-SPI. Qt bridges only
    when asked; a desktop asks through the bus's IsEnabled, which nothing
    sets here."""
    session.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")


def start(session):
    """The accessibility bus, the bridge for apps launched from now on, and
    the pyatspi module."""
    start_accessibility_bus(session)
    pyatspi = import_pyatspi(session)
    enable_bridge(session)
    return pyatspi


class Node:
    """One accessible object, read once: its role, name and states at once,
    its role's name and its actions when first asked (each question is a
    round trip to the app)."""

    def __init__(self, accessible, depth):
        self.accessible = accessible
        self.depth = depth
        self.role = accessible.getRole()
        self.name = accessible.name or ""
        try:
            self.states = accessible.getState().getStates()
        except Exception:  # an object that went away while being read
            self.states = []
        self._role_name = None
        self._actions = None

    @property
    def role_name(self):
        if self._role_name is None:
            self._role_name = self.accessible.getRoleName()
        return self._role_name

    @property
    def actions(self):
        if self._actions is None:
            try:
                action = self.accessible.queryAction()
                self._actions = [action.getName(i) for i in range(action.nActions)]
            except NotImplementedError:
                self._actions = []
        return self._actions

    def __repr__(self):
        return f"{self.role_name} {self.name!r}"


def walk(accessible, depth=0, keep=None):
    """The object and everything under it; with keep, only the objects for
    which keep(node) holds, and nothing under one for which it does not."""
    node = Node(accessible, depth)
    if keep is not None and depth > 0 and not keep(node):
        return
    yield node
    if depth >= MAX_DEPTH:
        return
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, depth + 1, keep)


def find_application(pyatspi, pid=None):
    """The app on the accessibility bus; with pid, that process's (an app
    that ended may linger on the bus for a moment)."""
    desktop = pyatspi.Registry.getDesktop(0)
    clear_cache(desktop)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is None or application.name != APP_NAME:
            continue
        try:
            if pid is None or application.get_process_id() == pid:
                return application
        except Exception:  # gone while asked
            continue
    return None


def wait_for_application(pyatspi, process=None, timeout=10):
    pid = process.pid if process is not None else None
    application = poll(lambda: find_application(pyatspi, pid), timeout, interval=0.2)
    check(application is not None, "pondrel-sudoku did not appear on the accessibility bus")
    return application


def clear_cache(accessible):
    # libatspi may keep what it read before; the app's answer now is wanted.
    clear = getattr(accessible, "clear_cache", None)
    if clear is not None:
        clear()


def showing_windows(pyatspi, application):
    """The app's top-level accessible windows that are on screen and hold
    something."""
    clear_cache(application)
    found = []
    for index in range(application.childCount):
        window = application.getChildAtIndex(index)
        if window is None:
            continue
        clear_cache(window)
        if window.getState().contains(pyatspi.STATE_SHOWING) and window.childCount > 0:
            found.append(window)
    return found


def showing_frame(pyatspi, application):
    """The app's first window on screen with something in it, or None."""
    windows = showing_windows(pyatspi, application)
    return windows[0] if windows else None


def is_selected(pyatspi, accessible):
    clear_cache(accessible)
    return accessible.getState().contains(pyatspi.STATE_SELECTED)


def is_showing(pyatspi, accessible):
    clear_cache(accessible)
    try:
        return accessible.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def name_of(accessible):
    clear_cache(accessible)
    return accessible.name or ""


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index("Press") if "Press" in names else 0
    check(action.nActions > 0 and action.doAction(index),
          f"the AT-SPI action {names[index] if names else '(none)'} failed")


def nodes_of(pyatspi, window, showing_only=True):
    """The objects under window, read afresh; with showing_only, only those
    on screen: a hidden item stays in the tree, and so does one scrolled out
    of view."""
    clear_cache(window)
    if not showing_only:
        return list(walk(window))
    return list(walk(window, keep=lambda node: pyatspi.STATE_SHOWING in node.states))


def find_node(pyatspi, window, role, name, showing_only=True):
    """The first object of role whose name is name (or matches it, when name
    is a compiled pattern), or None."""
    for node in nodes_of(pyatspi, window, showing_only):
        if node.role != role:
            continue
        if (name.match(node.name) if hasattr(name, "match") else node.name == name):
            return node
    return None


def wait_for_node(pyatspi, window, role, name, what, timeout=5):
    node = poll(lambda: find_node(pyatspi, window, role, name), timeout, interval=0.1)
    check(node is not None, f"{what} did not appear in the accessible tree")
    return node


def centre_of(pyatspi, accessible):
    """The centre of an object on the screen, in root window pixels."""
    clear_cache(accessible)
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    check(width > 0 and height > 0, f"{accessible.name!r} has no size on screen")
    return x + width // 2, y + height // 2


def click(session, pyatspi, accessible):
    """A real pointer click in the middle of the object."""
    session.click(*centre_of(pyatspi, accessible))


def cells_by_index(pyatspi, nodes):
    """The board's 81 cells by index, from their English names
    ("Row r, column c, ...")."""
    cells = {}
    for node in nodes:
        match = CELL_NAME.match(node.name) if node.role == pyatspi.ROLE_TABLE_CELL else None
        if match:
            cells[(int(match["row"]) - 1) * 9 + int(match["column"]) - 1] = node
    check(len(cells) == 81, f"{len(cells)} cells named by row and column, not 81")
    return cells


def givens_of(cells):
    """The givens the cells' names tell, as 81 digits (0 where none)."""
    givens = [0] * 81
    for index, node in cells.items():
        content = CELL_NAME.match(node.name)["content"]
        if content.endswith(", given"):
            givens[index] = int(content[0])
    return givens


def dump(nodes, path):
    with open(path, "w", encoding="utf-8") as out:
        for node in nodes:
            out.write(f"{'  ' * node.depth}{node.role_name} {node.name!r} {node.actions}\n")


def interactive_roles(pyatspi):
    names = ("PUSH_BUTTON", "TOGGLE_BUTTON", "CHECK_BOX", "RADIO_BUTTON", "COMBO_BOX",
             "MENU_ITEM", "CHECK_MENU_ITEM", "RADIO_MENU_ITEM", "SLIDER", "SPIN_BUTTON", "LINK",
             "PAGE_TAB", "TABLE_CELL", "LIST_ITEM", "ENTRY", "SWITCH", "BUTTON")
    return {getattr(pyatspi, "ROLE_" + name) for name in names if hasattr(pyatspi, "ROLE_" + name)}


def is_control(pyatspi, node):
    return node.role in interactive_roles(pyatspi) or bool(node.actions)


def name_problem(name):
    """Why a control's name tells a listener nothing, or None when it is a
    name: empty, a word of program code, an identifier, a placeholder left
    in, or punctuation alone."""
    text = name.strip()
    if not text:
        return "no name"
    if text.lower() in _PROGRAM_WORDS or "undefined" in text or "[object" in text:
        return "a word of program code"
    if _IDENTIFIER.match(text):
        return "an identifier"
    if _PLACEHOLDER.search(text):
        return "an unfilled placeholder"
    if not any(ch.isalnum() for ch in text):
        return "punctuation only"
    return None


def audit_names(pyatspi, nodes, where):
    """Every control has a role, a name that means something, and, for push
    buttons, an action; text objects that carry a name pass the same name
    check. Returns the controls."""
    no_role = {pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID}
    problems = []
    controls = []
    for node in nodes:
        if not is_control(pyatspi, node):
            if node.role in (pyatspi.ROLE_HEADING, pyatspi.ROLE_LABEL) and node.name:
                reason = name_problem(node.name)
                if reason:
                    problems.append(f"{node!r}: {reason}")
            continue
        controls.append(node)
        if node.role in no_role:
            problems.append(f"a control without a role: {node!r} (actions {node.actions})")
        reason = name_problem(node.name)
        if reason:
            problems.append(f"{node!r} (actions {node.actions}): {reason}")
        if node.role == pyatspi.ROLE_PUSH_BUTTON and not node.actions:
            problems.append(f"a push button without an action: {node!r}")
    check(not problems, f"accessibility problems on {where}:\n  " + "\n  ".join(problems))
    return controls



# Orca as a desktop runs it, but without key echo (only what the app causes
# is spoken), writing its debug log line by line rather than through a
# buffer that would hold the last lines back.
_ORCA_SETTINGS = ('{"general": {"enableKeyEcho": false}, "profiles": {"default": {"profile": '
                  '["Default", "default"]}}, "keybindings": {}, "pronunciations": {}}')
_ORCA_LINE_BUFFERED = (
    "import builtins, runpy, sys; plain = builtins.open; "
    "builtins.open = lambda f, m='r', *a, **k: plain(f, m, *a, **k) if a or k or m != 'w' "
    "else plain(f, m, 1); sys.argv[0] = '/usr/bin/orca'; "
    "runpy.run_path('/usr/bin/orca', run_name='__main__')")
_SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s?\{")


class Orca:
    """Orca on the test's accessibility bus (start() it first); its debug
    log records every line it speaks, in order."""

    def __init__(self, session, artefacts):
        if not os.path.exists("/usr/bin/orca"):
            raise Skip("orca is not installed (package orca)")
        self.log = os.path.join(artefacts, "orca-debug.log")
        settings = os.path.join(session.home, "orca")
        os.makedirs(settings, exist_ok=True)
        with open(os.path.join(settings, "user-settings.conf"), "w", encoding="utf-8") as out:
            out.write(_ORCA_SETTINGS)
        session.launch("orca", ["/usr/bin/python3", "-c", _ORCA_LINE_BUFFERED, "-u", settings,
                                "-d", "braille", "-d", "main-window", "-d", "splash-window",
                                "--debug-file", self.log])
        check(poll(self.spoken, 20, interval=0.2), "orca said nothing as it started")
        self.heard = len(self.spoken())

    def spoken(self):
        """Every line spoken so far, without a closing full stop."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return [line.strip().rstrip(".") for line in _SPOKEN.findall(log.read())]
        except OSError:
            return []

    def hear(self, expected, timeout):
        """The first line spoken since the last one heard that equals
        expected (or matches it, a compiled pattern), or None."""
        def find():
            lines = self.spoken()
            for index in range(self.heard, len(lines)):
                if (expected.search(lines[index]) if hasattr(expected, "search")
                        else lines[index] == expected):
                    self.heard = index + 1
                    return lines[index]
            return None
        return poll(find, timeout, interval=0.1)

    def wait_for(self, expected, what, timeout=8):
        line = self.hear(expected, timeout)
        check(line is not None, f"orca did not say {what} ({expected!r}); it said "
              f"{self.spoken()[self.heard:]}")
        return line
