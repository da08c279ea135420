"""A throw-away X desktop for driving the real application from outside.

Xvfb on a free display, openbox as the window manager and (unless told
otherwise) trayer as the system tray, docked at the top right; each process
started here and ended here. The application runs with its own empty home and XDG folders and a
session bus of its own, so it can neither read nor touch the user's data or
tray.
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 800
# Seconds the window manager and the tray may take to come up; generous,
# since a loaded machine (a build beside the tests) slows them a lot.
START_TIMEOUT = 20

REQUIRED_TOOLS = ("Xvfb", "dbus-daemon", "openbox", "trayer", "xdotool", "xwininfo", "xprop",
                  "import", "convert")

# One panel with a separator that pushes the tray to the right end, as a
# desktop would have it.
XFCE_PANEL_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="@POSITION@;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="28"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
        <value type="int" value="2"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
      <property name="style" type="uint" value="0"/>
    </property>
    <property name="plugin-2" type="string" value="systray"/>
  </property>
</channel>
"""

# One line of `xwininfo -root -tree`:
#   0x600006 "Pondrel Sudoku": ("pondrel-sudoku" "pondrel-sudoku")  22x24+0+0  +1257+1
TREE_LINE = re.compile(
    r'^(?P<indent>\s*)(?P<id>0x[0-9a-f]+) (?:"(?P<name>[^"]*)"|\(has no name\)): '
    r'\((?:"(?P<instance>[^"]*)" "(?P<wm_class>[^"]*)")?\)\s+'
    r'(?P<w>\d+)x(?P<h>\d+)\+-?\d+\+-?\d+\s+\+(?P<x>-?\d+)\+(?P<y>-?\d+)'
)


class Window:
    def __init__(self, match, ancestors):
        self.id = match["id"]
        self.name = match["name"] or ""
        self.instance = match["instance"] or ""
        self.wm_class = match["wm_class"] or ""
        self.x, self.y = int(match["x"]), int(match["y"])
        self.width, self.height = int(match["w"]), int(match["h"])
        self.ancestors = ancestors

    @property
    def centre(self):
        return self.x + self.width // 2, self.y + self.height // 2

    @property
    def bottom(self):
        return self.y + self.height

    def __repr__(self):
        return f"{self.id} {self.name!r} {self.width}x{self.height}+{self.x}+{self.y}"


_PR_SET_PDEATHSIG = 1


def _end_with_parent():
    """Runs in each child before exec: when the test process is killed (a
    ctest timeout, Ctrl+C) the children are not left running with it."""
    try:
        ctypes.CDLL(None, use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)
    except (OSError, AttributeError):
        pass


def missing_tools():
    return [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]


def poll(condition, timeout, interval=0.05):
    """Returns the first truthy value of condition(), or None after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


def start_session_bus(spawn):
    """Starts a session bus with `spawn(name, command, pass_fds=...)` and
    returns its address."""
    read_end, write_end = os.pipe()
    spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                   f"--print-address={write_end}"], pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as reader:
        address = reader.readline().strip()
    if not address:
        raise RuntimeError("dbus-daemon did not report its address")
    return address


class XSession:
    # What start() needs, as run_in_session asks every kind of desktop.
    REQUIRED_TOOLS = REQUIRED_TOOLS
    REQUIRED_FILES = ()

    def __init__(self, log_dir):
        self.log_dir = log_dir
        self.home = tempfile.mkdtemp(prefix="pondrel-home-")
        self.processes = []
        self.display = None
        self.env = None

    # Set-up

    def start(self, with_tray=True, tray="trayer", edge="top"):
        """With a tray, `tray` is "trayer" (an X embedding tray) or
        "xfce4-panel" (a panel with the StatusNotifier tray too), along the
        top or bottom `edge`."""
        self._start_display()
        self.env = self._clean_environment()
        self._start_session_bus()
        openbox = self._spawn("openbox", ["openbox", "--sm-disable"])
        if not poll(self._window_manager_running, START_TIMEOUT):
            with open(os.path.join(self.log_dir, "openbox.log"), encoding="utf-8",
                      errors="replace") as log:
                said = log.read().strip()
            raise RuntimeError(f"openbox did not come up on {self.display} (exit "
                               f"{openbox.poll()}): {said}")
        if not with_tray:
            return
        if tray == "xfce4-panel":
            self.start_xfce_panel(edge)
            return
        self._spawn("trayer", ["trayer", "--edge", "top", "--align", "right",
                               "--SetDockType", "true", "--height", "26"])
        if not poll(lambda: self.find(lambda w: w.instance == "panel" and w.wm_class == "trayer"),
                    START_TIMEOUT):
            raise RuntimeError("trayer did not come up")

    def start_xfce_panel(self, edge="top"):
        """xfce4-panel with one panel along `edge` whose systray plugin sits
        at its right end; returns once its StatusNotifierWatcher is on the
        bus. Its settings come from a file here, read by the xfconfd the
        session bus starts on demand."""
        folder = os.path.join(self.env["XDG_CONFIG_HOME"], "xfce4", "xfconf",
                              "xfce-perchannel-xml")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "xfce4-panel.xml"), "w", encoding="utf-8") as out:
            out.write(XFCE_PANEL_CONFIG.replace("@POSITION@", "p=6" if edge == "top" else "p=10"))
        panel = self._spawn("xfce4-panel", ["xfce4-panel", "--disable-wm-check"])
        if not poll(lambda: self.bus_has_name("org.kde.StatusNotifierWatcher"), START_TIMEOUT):
            raise RuntimeError("xfce4-panel's StatusNotifier tray did not come up")
        return panel

    def stop_process(self, process):
        """Ends one process started here (a tray that is to go away)."""
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def bus_has_name(self, name):
        return f"'{name}'" in self.x("gdbus", "call", "--session", "--dest",
                                     "org.freedesktop.DBus", "--object-path",
                                     "/org/freedesktop/DBus", "--method",
                                     "org.freedesktop.DBus.ListNames")

    def _start_display(self):
        # -noreset: otherwise the server resets when its first client leaves,
        # and a client connecting during the reset (openbox, next) is turned
        # away. The display is taken once it answers; a desktop that does not
        # come up is started once more by run_in_session.
        read_end, write_end = os.pipe()
        xvfb = self._spawn("xvfb", ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp",
                                    "-noreset", "-screen", "0",
                                    f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24"],
                           pass_fds=(write_end,), env=os.environ.copy())
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not report a display")
        if not poll(lambda: xvfb.poll() is not None or self._answers(":" + number),
                    START_TIMEOUT) or xvfb.poll() is not None:
            raise RuntimeError(f"Xvfb did not answer on :{number}")
        self.display = ":" + number

    @staticmethod
    def _answers(display):
        return subprocess.run(["xprop", "-root", "-display", display, "_NET_WM_NAME"],
                              capture_output=True, timeout=10).returncode == 0

    def _start_session_bus(self):
        # Without one, D-Bus clients would start a bus of their own that
        # outlives the test by a few seconds.
        self.env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(self._spawn)

    def _clean_environment(self):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("XDG_", "QT_", "DBUS_", "WAYLAND_", "KDE_", "GNOME_"))
               and key not in ("DESKTOP_SESSION", "SESSION_MANAGER")}
        folders = {"XDG_CONFIG_HOME": "config", "XDG_DATA_HOME": "data",
                   "XDG_CACHE_HOME": "cache", "XDG_RUNTIME_DIR": "runtime"}
        for variable, folder in folders.items():
            path = os.path.join(self.home, folder)
            os.makedirs(path, mode=0o700, exist_ok=True)
            env[variable] = path
        env.update(HOME=self.home, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                   LANG="C.UTF-8", LC_ALL="C.UTF-8")
        return env

    def _spawn(self, name, command, env=None, pass_fds=()):
        log = open(os.path.join(self.log_dir, f"{name}.log"), "wb")
        process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, env=env or self.env,
                                   pass_fds=pass_fds, start_new_session=True,
                                   preexec_fn=_end_with_parent)
        log.close()
        self.processes.append(process)
        return process

    def launch(self, name, command):
        return self._spawn(name, command)

    def stop(self):
        """Ends everything started here, newest first."""
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.processes):
            try:
                process.wait(timeout=3)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        self.processes.clear()
        shutil.rmtree(self.home, ignore_errors=True)

    # Looking at the screen

    def x(self, *command):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=10)
        return result.stdout if result.returncode == 0 else ""

    def _window_manager_running(self):
        return "window id #" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")

    def windows(self):
        """Every window, with its absolute geometry and its ancestors' ids."""
        found = []
        stack = []  # (indent, id)
        for line in self.x("xwininfo", "-root", "-tree").splitlines():
            match = TREE_LINE.match(line)
            if not match:
                continue
            indent = len(match["indent"])
            while stack and stack[-1][0] >= indent:
                stack.pop()
            found.append(Window(match, [ancestor for _, ancestor in stack]))
            stack.append((indent, match["id"]))
        return found

    def find(self, predicate):
        for window in self.windows():
            if predicate(window):
                return window
        return None

    def close_window(self, window_id):
        """Asks the window to close, as its title bar's close button does."""
        self.x("xdotool", "windowactivate", "--sync", window_id)
        # The window manager takes the key: it must reach it once the window
        # has the keyboard, which can come a moment after it is active.
        poll(lambda: self.focused_window() == hex(int(window_id, 16)), 2)
        self.x("xdotool", "key", "--clearmodifiers", "alt+F4")

    def is_viewable(self, window_id):
        return "IsViewable" in self.x("xwininfo", "-id", window_id)

    def focused_window(self):
        focus = self.x("xdotool", "getwindowfocus").strip()
        return hex(int(focus)) if focus.isdigit() else None

    def is_focused(self, window):
        return self.focused_window() == window.id

    def click(self, x, y, button=1):
        self.x("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def key(self, name):
        self.x("xdotool", "key", name)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True,
                       capture_output=True, timeout=20)

    @staticmethod
    def mean_brightness(image_path, window):
        """The mean brightness (0 to 1) of the window's area in a screenshot."""
        area = f"{window.width}x{window.height}+{window.x}+{window.y}"
        result = subprocess.run(["convert", image_path, "-crop", area, "-colorspace", "Gray",
                                 "-format", "%[fx:mean]", "info:"],
                                capture_output=True, text=True, timeout=20)
        try:
            return float(result.stdout.strip())
        except ValueError:
            return 0.0

    @staticmethod
    def crop(image_path, window, out_path):
        """Saves the window's area of a screenshot as its own image."""
        area = f"{window.width}x{window.height}+{window.x}+{window.y}"
        subprocess.run(["convert", image_path, "-crop", area, "+repage", out_path],
                       check=True, capture_output=True, timeout=20)
        return out_path

    @staticmethod
    def difference(first_path, second_path):
        """The mean difference (0 to 1) between two images of one size, or
        1.0 when they cannot be compared."""
        result = subprocess.run(["convert", first_path, second_path, "-compose", "difference",
                                 "-composite", "-colorspace", "Gray", "-format", "%[fx:mean]",
                                 "info:"], capture_output=True, text=True, timeout=20)
        try:
            return float(result.stdout.strip())
        except ValueError:
            return 1.0
