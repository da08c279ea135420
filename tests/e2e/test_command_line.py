#!/usr/bin/python3
"""The real pondrel-sudoku's command line, with no display at all: --help and
--version answer and exit 0 before any GUI starts (which would abort for
want of a display), and an unknown option gets one line on stderr and exit 2.

    test_command_line.py <pondrel-sudoku binary>
"""

import os
import subprocess
import sys


def run(binary, *arguments):
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env["QT_QPA_PLATFORM"] = "xcb"
    return subprocess.run([binary, *arguments], env=env, capture_output=True, text=True,
                          timeout=30)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    binary = sys.argv[1]
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    for option in ("--help", "-h"):
        result = run(binary, option)
        expect(result.returncode == 0, f"{option} exited {result.returncode}: {result.stderr}")
        expect(result.stdout.startswith("Usage: pondrel-sudoku") and "--toggle" in result.stdout,
               f"{option} printed {result.stdout!r}")
    result = run(binary, "--version")
    expect(result.returncode == 0 and result.stdout.startswith("pondrel-sudoku "),
           f"--version exited {result.returncode}, printed {result.stdout!r} {result.stderr!r}")
    for arguments in (["--bogus"], ["--toggle", "extra"]):
        result = run(binary, *arguments)
        expect(result.returncode == 2, f"{arguments} exited {result.returncode}")
        lines = result.stderr.splitlines()
        expect(len(lines) == 1 and "pondrel-sudoku" in lines[0] and not result.stdout,
               f"{arguments} said {result.stderr!r} {result.stdout!r}")

    for failure in failures:
        print(f"FAIL: {failure}")
    if not failures:
        print("all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
