#!/usr/bin/python3
"""Without a session bus, the lock in the data folder keeps a second
pondrel-sudoku from playing into the same files: it says why on stderr,
exits non-zero and leaves the settings file as it was. A lock abandoned by
a killed program does not keep the next start out.

    test_no_bus.py <pondrel-sudoku binary> <artefact folder>

Exits 77 (skipped) when the X tools are not installed.
"""

import os
import signal
import sys

from savedgame import HAS_SEEN_WELCOME_KEY, seed_settings, settings_path
from trayapp import check, docked_icon, main, run_in_session, wait_for_icon
from harness.xsession import poll


def run(binary, artefacts):
    def body(session):
        # An address where no bus listens: an unset one would let D-Bus
        # start a bus of its own for the display.
        session.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + os.path.join(session.home,
                                                                              "no-bus")
        config = session.env["XDG_CONFIG_HOME"]
        seed_settings(config, {HAS_SEEN_WELCOME_KEY: "true"})
        first = session.launch("first", [binary])
        wait_for_icon(session)

        settings = settings_path(config)
        with open(settings, "rb") as file:
            before = (os.stat(settings).st_mtime_ns, file.read())
        second = session.launch("second", [binary])
        check(poll(lambda: second.poll() is not None, 10) is not None,
              "a second start without a bus kept running beside the first")
        with open(os.path.join(artefacts, "second.log"), encoding="utf-8") as log:
            said = log.read().strip()
        print(f"second start: exit {second.returncode}: {said}")
        check(second.returncode != 0, "the refused second start exited 0")
        check("already running" in said, "the second start did not say why it stopped")
        with open(settings, "rb") as file:
            check((os.stat(settings).st_mtime_ns, file.read()) == before,
                  "the refused second start touched the settings file")
        check(first.poll() is None, "the first instance ended")

        # Killed, the first leaves its lock behind; the next start takes it.
        first.send_signal(signal.SIGKILL)
        first.wait(timeout=5)
        check(poll(lambda: docked_icon(session) is None, 5), "the killed one's icon stayed")
        third = session.launch("third", [binary])
        wait_for_icon(session)
        check(third.poll() is None, "a start after a killed one stopped at the abandoned lock")
        third.send_signal(signal.SIGINT)
        check(poll(lambda: third.poll() is not None, 5) is not None, "SIGINT did not end the app")
        check(third.returncode == 0, f"SIGINT ended the app with {third.returncode}")

    return run_in_session(artefacts, body)


if __name__ == "__main__":
    sys.exit(main(run, __doc__))
