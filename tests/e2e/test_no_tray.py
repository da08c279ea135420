#!/usr/bin/python3
"""With no system tray the game is still playable: after waiting for a tray
a few seconds, pondrel-sudoku shows the board in an ordinary window, centred
and titled, and closing that window ends the program (nothing else could
bring the board back).

    test_no_tray.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed.
"""

import os
import sys

from xsession import SCREEN_HEIGHT, SCREEN_WIDTH, XSession, missing_tools, poll

SKIPPED = 77
TRAY_WAIT = 5  # seconds the app waits for a tray (TrayItem::kTrayWait)


def run(binary, artefacts):
    session = XSession(artefacts)
    try:
        session.start(with_tray=False)
        app = session.launch("pondrel-sudoku", [binary])

        window = poll(lambda: session.find(lambda w: w.instance == "pondrel-sudoku"
                                           and w.width >= 200 and session.is_viewable(w.id)),
                      TRAY_WAIT + 5)
        if window is None:
            print("FAIL: no window appeared without a tray")
            return 1
        print(f"window: {window}")
        properties = session.x("xprop", "-id", window.id, "_NET_WM_WINDOW_TYPE", "WM_NAME")
        if "_NET_WM_WINDOW_TYPE_NORMAL" not in properties or '"Pondrel Sudoku"' not in properties:
            print(f"FAIL: not an ordinary titled window: {properties}")
            return 1
        centre_x, centre_y = window.centre
        if abs(centre_x - SCREEN_WIDTH // 2) > 30 or abs(centre_y - SCREEN_HEIGHT // 2) > 30:
            print("FAIL: the window is not centred")
            return 1
        session.screenshot(os.path.join(artefacts, "no-tray-window.png"))

        session.close_window(window.id)
        if poll(lambda: app.poll() is not None, 5) is None:
            print("FAIL: closing the window did not end the program")
            return 1
        if app.returncode != 0:
            print(f"FAIL: the program ended with {app.returncode}")
            return 1
        print("all checks passed")
        return 0
    except RuntimeError as failure:
        print(f"FAIL: {failure}")
        return 1
    finally:
        session.stop()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    binary, artefacts = sys.argv[1], sys.argv[2]
    missing = missing_tools()
    if missing:
        print(f"SKIP: not installed: {', '.join(missing)} (./dev.sh test installs them)")
        return SKIPPED
    os.makedirs(artefacts, exist_ok=True)
    return run(binary, artefacts)


if __name__ == "__main__":
    sys.exit(main())
