"""Steps shared by the tests that drive pondrel-sudoku in its tray: running a
test in a throw-away desktop of a chosen kind, finding the docked icon and
the panel, opening and hiding the panel, and the command line every test
takes.

    test_<name>.py <pondrel-sudoku binary> <artefact folder>
"""

import os
import shutil
import subprocess
import sys
import time

from harness.xsession import SCREEN_WIDTH, XSession, poll

SKIPPED = 77


class Failure(Exception):
    pass


class Skip(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def is_app_window(window):
    return window.instance == "pondrel-sudoku"


def docked_icon(session):
    """The app's window inside trayer's panel, once it has its place there."""
    panel = session.find(lambda w: w.instance == "panel" and w.wm_class == "trayer")
    return panel and session.find(lambda w: is_app_window(w) and panel.id in w.ancestors
                                  and w.width > 1 and w.x > 0)


def wait_for_icon(session, timeout=10):
    icon = poll(lambda: docked_icon(session), timeout)
    check(icon is not None, "the tray icon did not dock in trayer")
    return icon


def shown_panel(session):
    """The panel once it is on screen and in place, else None: the app's
    window big enough to be the board and smaller than the screen (a window
    that catches clicks away may cover it), which the window manager does
    not frame (on X sessions the welcome window and the board's own window
    without a tray are framed; XWayland desktops list their windows without
    frames). A window just mapped may still read as at (0, 0) before it is
    placed: two looks a moment apart must agree."""
    def look():
        return next((w for w in session.windows() if is_app_window(w) and not w.ancestors
                     and 200 <= w.width < SCREEN_WIDTH and session.is_viewable(w.id)), None)

    first = look()
    if first is None:
        return None
    time.sleep(0.1)
    second = look()
    return second if second and (first.x, first.y) == (second.x, second.y) else None


def open_panel(session, point, what="the panel", click=None):
    """Clicks the icon at `point` (with `click`, the session's plain click
    unless told) and waits until the panel is shown and has the keyboard."""
    (click or session.click)(*point)
    panel = poll(lambda: shown_panel(session), 5)
    check(panel is not None, f"a click on the tray icon did not open {what}")
    check(poll(lambda: session.is_focused(panel), 3),
          f"{what} is open but does not have the keyboard focus")
    return panel


def click_away(session, panel, point, what):
    """Clicks at `point` (on `what`, away from the panel) and checks the
    panel hides."""
    session.click(*point)
    started = time.monotonic()
    # Each look takes a few milliseconds: the time is an upper bound.
    check(poll(lambda: not session.is_viewable(panel.id), 5, interval=0.005),
          f"the panel stayed open after a click on {what}")
    print(f"a click on {what} hid the panel within {(time.monotonic() - started) * 1000:.0f} ms")
    # A click on the icon right after one that hid the panel counts as the
    # same click (it would have hidden it): the player's next is later.
    time.sleep(0.5)


def welcome_windows(session):
    """The welcome windows on screen (there should be at most one), by the
    English title."""
    return [w for w in session.windows()
            if is_app_window(w) and w.name.startswith("Welcome") and session.is_viewable(w.id)]


def quit_app(session, app, what="the app"):
    """Ctrl+Q, the Quit command's shortcut, in the open panel; waits for the
    process to end and checks it ended cleanly."""
    session.key("ctrl+q")
    check(poll(lambda: app.poll() is not None, 5) is not None, f"Ctrl+Q did not end {what}")
    check(app.returncode == 0, f"{what} ended with {app.returncode} after Ctrl+Q")


class Steps:
    """Numbered screenshots of a test's steps: <artefacts>/01-welcome.png,
    02-..., kept for a person to look at."""

    def __init__(self, session, artefacts):
        self.session = session
        self.artefacts = artefacts
        self.count = 0

    def shot(self, name):
        self.count += 1
        path = os.path.join(self.artefacts, f"{self.count:02d}-{name}.png")
        self.session.screenshot(path)
        return path


def qml_errors(log_path):
    """Lines of the app's log in which QML reports a script or binding error."""
    try:
        with open(log_path, encoding="utf-8", errors="replace") as log:
            lines = log.read().splitlines()
    except OSError:
        return []
    markers = ("TypeError", "ReferenceError", "SyntaxError", "RangeError", "Unable to assign",
               "is not a type", "Cannot assign", "Cannot read property")
    return [line for line in lines if "qrc:/" in line and any(m in line for m in markers)]


def check_app_healthy(app, artefacts, log_name="pondrel-sudoku"):
    """The app is still running and its log (the one it was launched with)
    shows no QML errors."""
    check(app.poll() is None, "the application ended during the test")
    errors = qml_errors(os.path.join(artefacts, f"{log_name}.log"))
    check(not errors, "the app reported QML errors:\n  " + "\n  ".join(errors))


def run_in_session(artefacts, body, desktop=XSession, **start_options):
    """Starts a throw-away desktop of the kind `desktop` (XSession: Xvfb,
    openbox and a tray; SwaySession; shellsession's GnomeSession and
    KdeSession) with start_options, runs body(session) in it and turns the
    outcome into an exit code: 0 when every check held; 1 when one failed,
    saying which and leaving a screenshot. Raises Skip when the desktop's
    tools are missing or the desktop cannot be set up on this machine. The
    desktop and everything started in it end with the call."""
    missing = [tool for tool in desktop.REQUIRED_TOOLS if shutil.which(tool) is None]
    missing += [path for path in desktop.REQUIRED_FILES if not os.path.exists(path)]
    if missing:
        raise Skip(f"not installed: {', '.join(missing)} (./dev.sh test installs them)")
    sessions = [desktop(artefacts)]

    def start():
        try:
            sessions[-1].start(**start_options)
        except RuntimeError as failure:
            # A desktop that does not come up on a loaded machine is no
            # finding about the app; a second one gets the same time.
            print(f"starting the desktop again: {failure}")
            sessions[-1].stop()
            kept = os.path.join(artefacts, "failed-start")
            os.makedirs(kept, exist_ok=True)
            for name in os.listdir(artefacts):
                if name.endswith(".log"):
                    os.replace(os.path.join(artefacts, name), os.path.join(kept, name))
            sessions.append(desktop(artefacts))
            sessions[-1].start(**start_options)

    try:
        try:
            start()
        except (OSError, subprocess.SubprocessError, KeyError) as error:
            # No user to run it as, or a program that cannot run here.
            raise Skip(f"the desktop could not be started here: {error}")
        body(sessions[-1])
        print("all checks passed")
        return 0
    except (Failure, RuntimeError, ValueError) as failure:
        print(f"FAIL: {failure}")
        try:
            sessions[-1].screenshot(os.path.join(artefacts, "failure.png"))
        except Exception:  # the display may be gone; the message is what counts
            pass
        return 1
    finally:
        sessions[-1].stop()


def main(run, doc):
    """Parses the command line and runs run(binary, artefacts), which
    returns an exit code or raises Failure or Skip."""
    if len(sys.argv) != 3:
        print(doc)
        return 2
    binary, artefacts = sys.argv[1], sys.argv[2]
    os.makedirs(artefacts, exist_ok=True)
    for name in os.listdir(artefacts):
        if name.endswith((".png", ".log")):
            os.remove(os.path.join(artefacts, name))
    try:
        return run(binary, artefacts)
    except Skip as reason:
        print(f"SKIP: {reason}")
        return SKIPPED
