#!/usr/bin/python3
"""Hints that say why, and puzzles in and out through the real X clipboard,
in the real binary:

1. H gives a hint; the header says why in one line, which the accessible
   tree offers as an alert (what a screen reader announces);
2. Ctrl+C puts the givens on the clipboard as 81 characters ("." for
   empty), read back with xclip; Ctrl+V of that text, after the
   abandon-game question (the hint started the game), deals the same
   puzzle afresh;
3. texts that are no single puzzle, put on the clipboard with xclip, are
   refused with their message and change nothing;
4. a puzzle drawn as a grid, pasted, is the new game; it is saved, and
   after Ctrl+Q the next start shows it again.

    test_hints_and_paste.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools, xclip or pyatspi are missing. Leaves
screenshots of the hint's line and of each paste message.
"""

import re
import shutil
import subprocess
import sys

import accessibletree as at
from savedgame import HAS_SEEN_WELCOME_KEY, grid, saved_game, seed_settings, wait_for_record
from trayapp import (Skip, Steps, check, check_app_healthy, main, open_panel, quit_app,
                     run_in_session, wait_for_icon)
from harness.xsession import poll

SAVE_TIMEOUT = 5
REASON = re.compile(r"^(Only \d fits here|\d has only this place in (row \d|column \d|this box)"
                    r"|Found by elimination|Found with .+|The only digit that completes the puzzle)$")
TWO_SOLUTIONS = "003456789456789123789123456004365897365897214897214365531642978642978531978531642"
REFUSALS = (
    ("no-puzzle", "Shopping list: eggs, milk", "The clipboard holds no puzzle"),
    ("no-solution", "55" + TWO_SOLUTIONS[2:], "This puzzle has no solution"),
    ("two-solutions", TWO_SOLUTIONS, "This puzzle has more than one solution"),
)
# Needs more than the rating's techniques: dealt as Expert.
EXPERT = ("8........", "..36.....", ".7..9.2..", ".5...7...", "....457..", "...1...3.",
          "..1....68", "..85...1.", ".9....4..")


def drawn(rows):
    """The rows as a drawn grid, with "|" between boxes and "------+" lines."""
    lines = []
    for index, row in enumerate(rows):
        if index in (3, 6):
            lines.append("------+-------+------")
        lines.append(" | ".join(" ".join(row[box:box + 3]) for box in (0, 3, 6)))
    return "\n".join(lines) + "\n"


def set_clipboard(session, text):
    # xclip stays behind to serve the selection; with no pipes of ours it
    # does not hold this call up.
    process = subprocess.Popen(["xclip", "-selection", "clipboard", "-i"], env=session.env,
                               stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    process.communicate(text.encode(), timeout=10)


def clipboard(session):
    result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=session.env,
                            capture_output=True, text=True, timeout=10)
    return result.stdout


def board_givens(pyatspi, frame):
    return at.givens_of(at.cells_by_index(pyatspi, at.nodes_of(pyatspi, frame)))


def as_text(givens):
    return "".join(str(value) if value else "." for value in givens)


def wait_for_alert(pyatspi, frame, name, what):
    return at.wait_for_node(pyatspi, frame, pyatspi.ROLE_ALERT, name, what)


def run(binary, artefacts):
    if shutil.which("xclip") is None:
        raise Skip("xclip is not installed (./dev.sh test installs it)")

    def body(session):
        config = session.env["XDG_CONFIG_HOME"]
        steps = Steps(session, artefacts)
        pyatspi = at.start(session)
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        app = session.launch("pondrel-sudoku", [binary])
        application = at.wait_for_application(pyatspi, app)
        icon = wait_for_icon(session)
        open_panel(session, icon.centre)
        frame = poll(lambda: at.showing_frame(pyatspi, application), 5, interval=0.1)
        check(frame is not None, "the open panel is not in the accessible tree")
        dealt = board_givens(pyatspi, frame)

        # 1. A hint and its reason.
        session.key("h")
        reason = wait_for_alert(pyatspi, frame, REASON, "the hint's reason")
        print(f"hint: {reason.name!r}")
        steps.shot("hint-reason")

        # 2. Copy, then paste the same text back over the started game.
        session.key("ctrl+c")
        copied = poll(lambda: clipboard(session) or None, 5)
        check(copied == as_text(dealt), f"Ctrl+C put {copied!r} on the clipboard, "
              f"not the givens {as_text(dealt)!r}")
        wait_for_alert(pyatspi, frame, "Puzzle copied", "the copy confirmation")
        session.key("ctrl+v")
        question = at.wait_for_node(pyatspi, frame, pyatspi.ROLE_DIALOG, "Abandon this game?",
                                    "the abandon-game question before the paste")
        # The question's own button, not the header's of the same name.
        confirm = at.wait_for_node(pyatspi, question.accessible, pyatspi.ROLE_PUSH_BUTTON,
                                   "New Puzzle", "the question's New Puzzle button")
        at.click(session, pyatspi, confirm.accessible)
        record = wait_for_record(config, lambda r: not r["hasStarted"] and r["hintsUsed"] == 0
                                 and grid(r["givens"]) == dealt, SAVE_TIMEOUT)
        check(record is not None, f"the pasted copy is not the new game: {saved_game(config)}")

        # 3. Refusals.
        for tag, text, message in REFUSALS:
            set_clipboard(session, text)
            session.key("ctrl+v")
            wait_for_alert(pyatspi, frame, message, f"the message for {tag}")
            steps.shot(f"paste-{tag}")
            check(grid(saved_game(config)["givens"]) == dealt, f"pasting {tag} changed the game")

        # 4. A drawn puzzle becomes the game and survives a restart.
        set_clipboard(session, drawn(EXPERT))
        session.key("ctrl+v")
        expert = grid("".join(EXPERT).replace(".", "0"))
        record = wait_for_record(config, lambda r: grid(r["givens"]) == expert, SAVE_TIMEOUT)
        check(record is not None and record["difficulty"] == "Expert",
              f"the drawn puzzle is not the new Expert game: {saved_game(config)}")
        check(poll(lambda: board_givens(pyatspi, frame) == expert, 5),
              "the board does not show the pasted puzzle")
        steps.shot("pasted")
        check_app_healthy(app, artefacts)
        quit_app(session, app)

        app = session.launch("pondrel-sudoku-2", [binary])
        application = at.wait_for_application(pyatspi, app)
        open_panel(session, wait_for_icon(session).centre, "the panel after the restart")
        frame = poll(lambda: at.showing_frame(pyatspi, application), 5, interval=0.1)
        check(frame is not None, "the panel after the restart is not in the accessible tree")
        check(board_givens(pyatspi, frame) == expert,
              "the pasted puzzle did not come back after the restart")
        check_app_healthy(app, artefacts, "pondrel-sudoku-2")

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
