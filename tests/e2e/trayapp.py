"""Steps shared by the tests that drive pondrel-sudoku in its tray: finding
the docked icon, opening the panel, and the command line every test takes.

    test_<name>.py <pondrel-sudoku binary> <artefact folder>
"""

import os
import sys

from xsession import XSession, missing_tools, poll

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


def shown_panel(session, icon):
    """The panel, when it is on screen: the app's big window that the window
    manager does not frame (it bypasses it), unlike the welcome window."""
    return session.find(lambda w: is_app_window(w) and w.id != icon.id and not w.ancestors
                        and w.width >= 200 and session.is_viewable(w.id))


def open_panel(session, icon, what="the panel"):
    """Clicks the icon and waits until the panel is shown and has the keyboard."""
    session.click(*icon.centre)
    panel = poll(lambda: shown_panel(session, icon), 5)
    check(panel is not None, f"a click on the tray icon did not open {what}")
    check(poll(lambda: session.focused_window() == panel.id, 3),
          f"{what} is open but does not have the keyboard focus")
    return panel


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


def hide_panel_by_clicking_elsewhere(session, panel, x, y):
    session.click(x, y)
    check(poll(lambda: not session.is_viewable(panel.id), 5),
          "the panel stayed open after a click elsewhere")


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


def outcome(artefacts, steps, current_session):
    """Runs steps() and turns the outcome into an exit code: 0 when every
    check held; 1 when one failed, saying which and leaving a screenshot of
    current_session(). That session ends with the call."""
    try:
        steps()
        print("all checks passed")
        return 0
    except (Failure, RuntimeError, ValueError) as failure:
        print(f"FAIL: {failure}")
        try:
            current_session().screenshot(os.path.join(artefacts, "failure.png"))
        except Exception:  # the display may be gone; the message is what counts
            pass
        return 1
    finally:
        current_session().stop()


def run_in_session(artefacts, body, **start_options):
    """Starts a virtual desktop, runs body(session) in it and turns the
    outcome into an exit code, leaving a screenshot when a check fails. The
    desktop and everything started in it end with the call."""
    sessions = [XSession(artefacts)]

    def steps():
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
            sessions.append(XSession(artefacts))
            sessions[-1].start(**start_options)
        body(sessions[-1])

    return outcome(artefacts, steps, lambda: sessions[-1])


def main(run, doc):
    """Parses the command line, skips when the X tools are missing, and runs
    run(binary, artefacts), which returns an exit code or raises Failure or
    Skip."""
    if len(sys.argv) != 3:
        print(doc)
        return 2
    binary, artefacts = sys.argv[1], sys.argv[2]
    missing = missing_tools()
    if missing:
        print(f"SKIP: not installed: {', '.join(missing)} (./dev.sh test installs them)")
        return SKIPPED
    os.makedirs(artefacts, exist_ok=True)
    for name in os.listdir(artefacts):
        if name.endswith((".png", ".log")):
            os.remove(os.path.join(artefacts, name))
    try:
        return run(binary, artefacts)
    except Skip as reason:
        print(f"SKIP: {reason}")
        return SKIPPED
