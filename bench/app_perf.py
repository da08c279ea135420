#!/usr/bin/python3
"""Measures the real pondrel-sudoku from outside, on a virtual X desktop of
its own (Xvfb, openbox, trayer), and prints one table in the style of
pondrel-bench's: how fast its tray icon docks and its panel opens, how much
memory it holds with the panel open and closed, and how often it wakes up
while it sits closed in the tray.

    app_perf.py <pondrel-sudoku binary> [--quick] [--idle-seconds N] [--runs N]

How each figure is taken:
- start -> docked: from just before the process is spawned until its icon
  window is viewable inside trayer's panel with a real size, polled every
  2 ms over one X connection.
- click -> mapped / first frame: from the synthetic button press on the icon
  (XTest) until the panel window is viewable, and until at least 90 % of a
  12x12 grid of points over the panel's area differ from what the screen
  showed there before the click (the panel's window has no background, so
  its area changes only when the app puts its first frame there).
- resident memory: VmRSS of /proc/<pid>/status.
- wake-ups: the sum over all the process's threads of voluntary and
  involuntary context switches (/proc/<pid>/task/*/status) across the idle
  window, taken once the process's CPU time has stopped growing (background
  puzzle generation finished); a thread that ends inside the window counts
  as one wake-up, its own counters being gone with it. CPU time from
  /proc/<pid>/stat.

Timings depend on the machine and its load; nothing here fails on a figure.
Exits 1 only when the desktop or the app could not be driven at all.
"""

import argparse
import os
import platform
import signal
import statistics
import sys
import tempfile
import time

# The desktop and the X client come from the harness the end-to-end tests
# drive the program with (tests/harness).
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests"))

from harness.xprobe import XProbe  # noqa: E402
from harness.xsession import (SCREEN_HEIGHT, SCREEN_WIDTH, XSession, missing_tools,  # noqa: E402
                              poll)

APP_INSTANCE = "pondrel-sudoku"
POLL_SECONDS = 0.002
DOCK_TIMEOUT = 10
OPEN_TIMEOUT = 5
OUTSIDE_POINT = (SCREEN_WIDTH // 4, SCREEN_HEIGHT // 2)
# A 12x12 grid of probe points; 10 % may keep the colour they had, since a
# dark glyph can sit on a point of a black desktop.
SAMPLE_GRID = 12
PAINTED_FRACTION = 0.9
# Memory is read this long after the panel opened, once it has settled.
OPEN_SETTLE_SECONDS = 1.0
CLOSED_REST_SECONDS = 10.0
# CPU time counts in clock ticks (10 ms); generation is over when it has not
# moved for this long.
CPU_QUIET_SECONDS = 3.0
CPU_SETTLE_TIMEOUT = 300.0

TARGET_DOCK_MS = 150
TARGET_FRAME_MS = 100
# The board is made ahead, so a first open has nothing more to do than a
# later one.
TARGET_FIRST_FRAME_MS = 50
TARGET_CLOSED_MB = 60
TARGET_OPEN_MB = 90


class HarnessError(Exception):
    pass


# ---------------------------------------------------------------------------
# The table, laid out as pondrel-bench's ResultTable does.

class ResultTable:
    GAP = 2

    def __init__(self, columns):
        self.columns = columns  # (heading, "left" | "right")
        self.lines = []

    def add_section(self, title):
        self.lines.append(("section", [title]))

    def add_row(self, cells):
        self.lines.append(("row", list(cells) + [""] * (len(self.columns) - len(cells))))

    def add_note(self, text):
        self.lines.append(("note", [text]))

    def print(self, stream=sys.stdout):
        widths = [len(heading) for heading, _ in self.columns]
        for kind, cells in self.lines:
            if kind == "row":
                widths = [max(width, len(cell)) for width, cell in zip(widths, cells)]

        def line(cells):
            text = (" " * self.GAP).join(
                cell.ljust(width) if align == "left" else cell.rjust(width)
                for cell, width, (_, align) in zip(cells, widths, self.columns))
            print(text.rstrip(), file=stream)

        line([heading for heading, _ in self.columns])
        print("=" * (sum(widths) + self.GAP * (len(widths) - 1)), file=stream)
        indent = " " * (widths[0] + self.GAP)
        for index, (kind, cells) in enumerate(self.lines):
            if kind == "section":
                if index > 0:
                    print(file=stream)
                print(cells[0], file=stream)
            elif kind == "row":
                line(cells)
            else:
                print(indent + cells[0], file=stream)


def milliseconds(value):
    return "-" if value is None else f"{value:.0f} ms" if value >= 100 else f"{value:.1f} ms"


def megabytes(kilobytes):
    return f"{kilobytes / 1024:.1f} MB"


def verdict(met):
    return "met" if met else "MISSED"


def spread(values):
    return f"min {milliseconds(min(values))}, max {milliseconds(max(values))}"


# ---------------------------------------------------------------------------
# /proc

def proc_status(pid, task=None):
    path = f"/proc/{pid}/status" if task is None else f"/proc/{pid}/task/{task}/status"
    fields = {}
    try:
        with open(path) as status:
            for line in status:
                name, _, value = line.partition(":")
                fields[name] = value.strip()
    except OSError:
        return None
    return fields


def resident(pid):
    """VmRSS and its parts, in kB."""
    fields = proc_status(pid) or {}

    def kilobytes(name):
        return int(fields.get(name, "0 kB").split()[0])
    return {name: kilobytes(name) for name in ("VmRSS", "RssAnon", "RssFile", "RssShmem")}


def cpu_seconds(pid):
    """User plus system time of the whole process, ended threads included."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # Fields 14 and 15 of the line; the split started at field 3.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def thread_switches(pid):
    """{thread id: (name, context switches so far)}; the name tells a
    generation thread (niceness 10) from Qt's own."""
    threads = {}
    for task in os.listdir(f"/proc/{pid}/task"):
        fields = proc_status(pid, task)
        if fields is None:
            continue
        switches = int(fields.get("voluntary_ctxt_switches", 0)) + \
            int(fields.get("nonvoluntary_ctxt_switches", 0))
        name = fields.get("Name", "?")
        try:
            with open(f"/proc/{pid}/task/{task}/stat") as stat:
                nice = int(stat.read().rsplit(")", 1)[1].split()[16])
            if nice:
                name += f", nice {nice}"
        except (OSError, IndexError, ValueError):
            pass
        threads[int(task)] = (name, switches)
    return threads


def wait_for_cpu_to_settle(pid, quiet, timeout):
    """Seconds until the CPU time stayed still for `quiet` seconds, or None."""
    started = time.monotonic()
    last, since = cpu_seconds(pid), time.monotonic()
    while time.monotonic() - started < timeout:
        time.sleep(0.25)
        now = cpu_seconds(pid)
        if now != last:
            last, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return time.monotonic() - started
    return None


class IdleWindow:
    """Wake-ups and CPU time of a process over a window, with the moments
    they happened: /proc is read once a second, which does not wake the
    process."""

    def __init__(self, pid, seconds):
        self.threads_at_start = thread_switches(pid)
        cpu_at_start = cpu_seconds(pid)
        self.seconds = seconds
        self.wakeups = 0
        # (seconds into the window, wake-ups, whether a thread ended, text)
        self.events = []
        threads = self.threads_at_start
        started = time.monotonic()
        while time.monotonic() - started < seconds:
            time.sleep(min(1.0, seconds - (time.monotonic() - started)))
            now = thread_switches(pid)
            happened, count = [], 0
            for tid, (name, switches) in now.items():
                delta = switches - threads.get(tid, (name, 0))[1]
                if delta:
                    happened.append(f"{name} ({tid}) woke {delta}")
                    count += delta
            ended = [f"{name} ({tid}) ended" for tid, (name, _) in threads.items()
                     if tid not in now]
            count += len(ended)
            if count:
                self.events.append((time.monotonic() - started, count, bool(ended),
                                    ", ".join(happened + ended)))
                self.wakeups += count
            threads = now
        self.threads_at_end = threads
        self.cpu_milliseconds = (cpu_seconds(pid) - cpu_at_start) * 1000

    def after_last_thread_ended(self):
        """(seconds, wake-ups) of the part of the window after the last
        thread ended: the steady state, once idle pool threads are gone."""
        last = max((at for at, _, ended, _ in self.events if ended), default=0.0)
        return self.seconds - last, sum(count for at, count, _, _ in self.events if at > last)


# ---------------------------------------------------------------------------
# Driving the app

class Desktop:
    def __init__(self, binary, log_dir):
        self.binary = binary
        self.session = XSession(log_dir)
        self.probe = None
        self.tray = None
        self.app = None
        self.icon = None
        self.panel = None  # this process's panel window, once it has been open
        self.panel_rect = None  # where the panel opens, from the first open
        self.runs = 0

    def __enter__(self):
        self.session.start()
        self.probe = XProbe(self.session.display)
        self.tray = poll(lambda: self.probe.find_top_level(
            lambda w: w.instance == "panel" and w.viewable), DOCK_TIMEOUT)
        if self.tray is None:
            raise HarnessError("trayer's panel is not on screen")
        return self

    def __exit__(self, *exc):
        if self.probe:
            self.probe.close()
        self.session.stop()

    def _docked_icon(self):
        for window in self.probe.descendants(self.tray.id):
            if self.probe.instance(window) == APP_INSTANCE:
                info = self.probe.info(window)
                if info and info.viewable and info.width > 1 and info.x > 0:
                    return info
        return None

    def start(self):
        """Starts the app; returns the milliseconds until its icon docked."""
        self.runs += 1
        started = time.monotonic()
        self.app = self.session.launch(f"pondrel-sudoku-{self.runs}", [self.binary])
        while time.monotonic() - started < DOCK_TIMEOUT:
            icon = self._docked_icon()
            if icon:
                self.icon = icon
                self.panel = None
                return (time.monotonic() - started) * 1000
            if self.app.poll() is not None:
                raise HarnessError(f"pondrel-sudoku ended at start (exit {self.app.returncode})")
            time.sleep(POLL_SECONDS)
        raise HarnessError("the tray icon did not dock")

    def stop(self):
        if self.app and self.app.poll() is None:
            os.killpg(self.app.pid, signal.SIGTERM)
            self.app.wait(timeout=5)
        self.app = None
        # The next icon docks in the same place only once this one is gone.
        deadline = time.monotonic() + DOCK_TIMEOUT
        while self._docked_icon() and time.monotonic() < deadline:
            time.sleep(0.05)

    def _shown_panel(self):
        if self.panel is not None:
            info = self.probe.info(self.panel.id)
            return info if info and info.viewable else None
        # Created on the first open. It bypasses the window manager, so it is
        # a child of the root, unlike a framed window such as the welcome
        # window.
        for window in self.probe.children(self.probe.root):
            if self.probe.instance(window) == APP_INSTANCE:
                info = self.probe.info(window)
                if info and info.viewable and info.width >= 200:
                    return info
        return None

    def _probe_points(self, rect):
        _, _, width, height = rect
        step_x, step_y = (width - 8) / (SAMPLE_GRID - 1), (height - 8) / (SAMPLE_GRID - 1)
        return [(int(4 + i * step_x), int(4 + j * step_y))
                for i in range(SAMPLE_GRID) for j in range(SAMPLE_GRID)]

    def open(self):
        """Clicks the icon; returns (ms to mapped, ms to first frame).

        The first frame needs to know where the panel appears; on the very
        first open of the session it is learnt, and only mapping is timed.
        """
        self.probe.move_pointer(*self.icon.centre)
        time.sleep(0.05)
        rect = self.panel_rect
        points = self._probe_points(rect) if rect else None
        before = self.probe.sample(rect, points) if rect else None
        started = time.monotonic()
        self.probe.press_and_release()
        mapped = painted = None
        # Each state is timed when the reply that shows it has arrived: an
        # upper bound, late by at most one poll and one request.
        while time.monotonic() - started < OPEN_TIMEOUT:
            if mapped is None:
                panel = self._shown_panel()
                if panel:
                    mapped = (time.monotonic() - started) * 1000
                    self.panel = panel
            if before is not None and painted is None:
                after = self.probe.sample(rect, points)
                changed = sum(1 for old, new in zip(before, after or []) if old != new)
                if changed >= PAINTED_FRACTION * len(before):
                    painted = (time.monotonic() - started) * 1000
            if mapped is not None and painted is not None:
                # Shown between the two requests of one poll.
                mapped = min(mapped, painted)
            if mapped is not None and (painted is not None or before is None):
                break
            time.sleep(POLL_SECONDS)
        if mapped is None:
            raise HarnessError("a click on the tray icon did not open the panel")
        if self.panel.rect != rect and before is not None:
            raise HarnessError(f"the panel opened at {self.panel.rect}, not at {rect} as before")
        self.panel_rect = self.panel.rect
        return mapped, painted

    def close(self):
        self.probe.move_pointer(*OUTSIDE_POINT)
        self.probe.press_and_release()
        deadline = time.monotonic() + OPEN_TIMEOUT
        while time.monotonic() < deadline:
            if self._shown_panel() is None:
                return
            time.sleep(0.01)
        raise HarnessError("a click elsewhere did not hide the panel")


# ---------------------------------------------------------------------------

def machine_description():
    model = platform.processor() or "unknown CPU"
    try:
        with open("/proc/cpuinfo") as cpuinfo:
            for line in cpuinfo:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return f"{model}, {os.cpu_count()} hardware threads, " \
           f"load average {os.getloadavg()[0]:.2f} at start"


def progress(text):
    print(f"  {text}...", file=sys.stderr, flush=True)


def measure(binary, options, log_dir):
    table = ResultTable([("Measure", "left"), ("Condition", "left"), ("Runs", "right"),
                         ("Pondrel", "right"), ("Target", "left")])
    table.add_section("Setup")
    table.add_note(machine_description())
    table.add_note("pondrel-sudoku on Xvfb 1280x800 with openbox and trayer, "
                   "fresh home and XDG folders, software scene graph")

    with Desktop(binary, log_dir) as desktop:
        progress("first start on empty folders")
        first_start = desktop.start()
        wait_for_cpu_to_settle(desktop.app.pid, 0.5, 10)
        desktop.open()  # learns where the panel opens
        time.sleep(OPEN_SETTLE_SECONDS)
        desktop.close()
        desktop.stop()

        starts, first_maps, first_frames, open_rss = [], [], [], []
        for run in range(options.runs):
            progress(f"start and first open {run + 1} of {options.runs}")
            starts.append(desktop.start())
            # Clicked once the start-up work is done, as a person would.
            wait_for_cpu_to_settle(desktop.app.pid, 0.5, 10)
            if run == options.runs - 1:
                rss_before_open = resident(desktop.app.pid)
            mapped, painted = desktop.open()
            first_maps.append(mapped)
            first_frames.append(painted)
            time.sleep(OPEN_SETTLE_SECONDS)
            open_rss.append(resident(desktop.app.pid)["VmRSS"])
            desktop.close()
            if run < options.runs - 1:
                desktop.stop()

        pid = desktop.app.pid
        progress(f"resting {options.rest:g} s with the panel closed")
        time.sleep(options.rest)
        rss_closed = resident(pid)

        later_maps, later_frames = [], []
        for run in range(options.runs):
            progress(f"reopening {run + 1} of {options.runs}")
            mapped, painted = desktop.open()
            later_maps.append(mapped)
            later_frames.append(painted)
            time.sleep(0.3)
            desktop.close()
            time.sleep(0.5)
        time.sleep(2)
        rss_after_reopens = resident(pid)

        progress("waiting for the CPU time to stop growing")
        settled_after = wait_for_cpu_to_settle(pid, CPU_QUIET_SECONDS, CPU_SETTLE_TIMEOUT)
        progress(f"counting wake-ups over {options.idle_seconds:g} s")
        idle = IdleWindow(pid, options.idle_seconds)
        rss_end = resident(pid)
        alive = desktop.app.poll() is None
        desktop.stop()

    runs = str(options.runs)
    table.add_section("Tray icon and panel, wall time (median)")
    table.add_row(["start → tray icon docked", "first start, empty folders", "1",
                   milliseconds(first_start), ""])
    start_median = statistics.median(starts)
    table.add_row(["start → tray icon docked", "later starts", runs, milliseconds(start_median),
                   f"≤ {TARGET_DOCK_MS} ms: {verdict(start_median <= TARGET_DOCK_MS)}"])
    table.add_note("later starts: " + spread(starts))
    for label, maps, frames, target in (
            ("first open of a process", first_maps, first_frames, TARGET_FIRST_FRAME_MS),
            ("panel opened before", later_maps, later_frames, TARGET_FRAME_MS)):
        table.add_row(["click on icon → panel mapped", label, runs,
                       milliseconds(statistics.median(maps)), ""])
        painted = [frame for frame in frames if frame is not None]
        if painted:
            frame_median = statistics.median(painted)
            table.add_row(["click on icon → first frame", label, str(len(painted)),
                           milliseconds(frame_median),
                           f"≤ {target} ms: {verdict(frame_median <= target)}"])
            table.add_note(f"{label}: " + spread(painted))
        if len(painted) < len(frames):
            table.add_note(f"{label}: {len(frames) - len(painted)} opens showed no first frame "
                           f"within {OPEN_TIMEOUT} s")

    table.add_section("Memory, resident (VmRSS)")
    table.add_row(["resident, panel never opened", "after start", "1",
                   megabytes(rss_before_open["VmRSS"]), ""])
    open_median = statistics.median(open_rss)
    table.add_row(["resident, panel open", f"{OPEN_SETTLE_SECONDS:g} s after the first open",
                   runs, megabytes(open_median),
                   f"≤ {TARGET_OPEN_MB} MB: {verdict(open_median <= TARGET_OPEN_MB * 1024)}"])
    table.add_row(["resident, panel closed", f"{options.rest:g} s after one open and close", "1",
                   megabytes(rss_closed["VmRSS"]),
                   f"≤ {TARGET_CLOSED_MB} MB: "
                   f"{verdict(rss_closed['VmRSS'] <= TARGET_CLOSED_MB * 1024)}"])
    table.add_row(["resident, panel closed", f"after {options.runs} more opens", "1",
                   megabytes(rss_after_reopens["VmRSS"]), ""])
    table.add_row(["resident, panel closed", "after the idle window", "1",
                   megabytes(rss_end["VmRSS"]), ""])
    table.add_note("closed after one open: anonymous " + megabytes(rss_closed["RssAnon"]) +
                   ", file-backed " + megabytes(rss_closed["RssFile"]) + ", shared memory " +
                   megabytes(rss_closed["RssShmem"]))

    table.add_section("Idle in the tray, panel closed, background generation finished")
    window = f"{options.idle_seconds:g} s"
    if settled_after is None:
        table.add_note(f"the CPU time was still growing after {CPU_SETTLE_TIMEOUT:g} s; "
                       "measured anyway")
    else:
        table.add_note(f"CPU time stopped growing {settled_after:.0f} s after the last close "
                       f"(still for {CPU_QUIET_SECONDS:g} s)")
    table.add_row(["wake-ups (context switches)", window, "1", str(idle.wakeups),
                   f"0: {verdict(idle.wakeups == 0)}"])
    steady_seconds, steady_wakeups = idle.after_last_thread_ended()
    if steady_seconds < idle.seconds:
        table.add_row(["wake-ups after the last thread ended", f"last {steady_seconds:.0f} s",
                       "1", str(steady_wakeups), ""])
    table.add_row(["CPU time used", window, "1", milliseconds(idle.cpu_milliseconds), ""])
    table.add_note(f"threads: {len(idle.threads_at_start)} at the start, "
                   f"{len(idle.threads_at_end)} at the end; a thread that ends counts one")
    for seconds, _, _, text in idle.events:
        table.add_note(f"at {seconds:.0f} s: {text}")
    if not alive:
        table.add_note("pondrel-sudoku was no longer running at the end")
    return table


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("binary")
    parser.add_argument("--quick", action="store_true",
                        help="a smoke run of under a minute: 2 runs, short rest and idle window")
    parser.add_argument("--runs", type=int, help="starts and reopens per median (5)")
    parser.add_argument("--idle-seconds", type=float, help="the idle window (60)")
    parser.add_argument("--logs", help="keep the logs of every process in this folder")
    options = parser.parse_args()
    options.runs = options.runs or (2 if options.quick else 5)
    options.idle_seconds = options.idle_seconds or (5.0 if options.quick else 60.0)
    options.rest = 2.0 if options.quick else CLOSED_REST_SECONDS

    missing = missing_tools()
    if missing:
        print(f"\nApplication measurements skipped: not installed: {', '.join(missing)}")
        return 0
    log_dir = options.logs or tempfile.mkdtemp(prefix="pondrel-app-perf-")
    os.makedirs(log_dir, exist_ok=True)
    print("Measuring the application on a virtual desktop...", file=sys.stderr)
    try:
        table = measure(os.path.abspath(options.binary), options, log_dir)
    except (HarnessError, RuntimeError) as error:
        print(f"app_perf: {error} (logs in {log_dir})", file=sys.stderr)
        return 1
    if not options.logs:
        for name in os.listdir(log_dir):
            os.remove(os.path.join(log_dir, name))
        os.rmdir(log_dir)
    print()
    table.print()
    print("\nWall times from outside the process over one X connection, polled every "
          f"{POLL_SECONDS * 1000:g} ms.\n"
          "First frame: the panel's area differs from the desktop before the click at "
          f"{PAINTED_FRACTION:.0%} of {SAMPLE_GRID}x{SAMPLE_GRID} points.\n"
          "Wake-ups: voluntary and involuntary context switches summed over all threads.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
