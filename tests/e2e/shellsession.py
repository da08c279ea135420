"""Throw-away GNOME Shell and KDE Plasma desktops (Wayland, with XWayland),
headless, with real pointer and key input through the desktop's own seat.

Both refuse or misbehave as root, so under root they run as a user made for
the session and removed with it (the machinery of SwaySession). The app runs
as that user inside the session, on XWayland as a player's would.

- GNOME Shell 43 with the AppIndicator extension: `--headless
  --virtual-monitor` in unsafe mode, so that Eval and the Screenshot
  interface answer; clicks and keys through Clutter virtual devices made
  inside the shell with Eval. A private stand-in for the system bus keeps
  the shell's login-manager proxy from failing.
- KDE Plasma 5.27: kwin_wayland on its virtual backend running
  kactivitymanagerd, kded5 (the StatusNotifierWatcher) and plasmashell;
  clicks and keys through KWin's fake-input protocol (a small client built
  here), screenshots through KWin's ScreenShot2 interface.
"""

import os
import re
import shutil
import subprocess
import tempfile
import time

from savedgame import grid, wait_for_record
from swaysession import SwaySession
from test_keys_and_clock import CENTRE_CELL, arrows_between, candidate_mask, nearest_free_cell
from trayapp import check, shown_panel
from harness.xsession import poll

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 800
START_TIMEOUT = 40
HIDE_TIMEOUT = 5
SAVE_TIMEOUT = 5
HERE = os.path.dirname(os.path.abspath(__file__))

APPINDICATOR = "ubuntu-appindicators@ubuntu.com"
KACTIVITYMANAGERD = "/usr/lib/x86_64-linux-gnu/libexec/kactivitymanagerd"
X11_SOCKETS = "/tmp/.X11-unix"
FAKE_INPUT_PROTOCOL = "/usr/share/plasma-wayland-protocols/fake-input.xml"


class ShellSession(SwaySession):
    """What the two desktops share: the user, its folders and bus, and the
    XWayland display the app runs on."""

    desktop = ""

    def prepare(self):
        """The home, its XDG folders and the session bus; the desktop comes next."""
        self.make_user()
        # Mutter puts XWayland's socket there and gives up when the folder is
        # not writable; an XWayland started by another user may have made it
        # with its own owner. The mode every system gives it at boot:
        if os.getuid() == 0:
            os.makedirs(X11_SOCKETS, exist_ok=True)
            os.chown(X11_SOCKETS, 0, 0)
            os.chmod(X11_SOCKETS, 0o1777)
        self.home = tempfile.mkdtemp(prefix=f"pondrel-{self.desktop.lower()}-")
        os.chmod(self.home, 0o700)
        self.env = {"HOME": self.home, "PATH": "/usr/bin:/bin", "LANG": "C.UTF-8",
                    "XDG_SESSION_TYPE": "wayland", "XDG_CURRENT_DESKTOP": self.desktop,
                    "XDG_SESSION_DESKTOP": self.desktop}
        for variable, folder in {"XDG_CONFIG_HOME": "config", "XDG_DATA_HOME": "data",
                                 "XDG_CACHE_HOME": "cache", "XDG_RUNTIME_DIR": "runtime"}.items():
            path = os.path.join(self.home, folder)
            os.makedirs(path, mode=0o700)
            self.env[variable] = path
        self.give_to_user(self.home)
        self._pass_sanitizer_options()
        self._start_session_bus()

    def _pass_sanitizer_options(self):
        """The sanitizer build's options reach the app as they reach the
        other tests' apps, its leak suppressions through a copy the user can
        read (the checkout may be root's alone)."""
        for variable in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
            if variable in os.environ:
                self.env[variable] = os.environ[variable]
        leaks = os.environ.get("LSAN_OPTIONS")
        if leaks:
            self.env["LSAN_OPTIONS"] = re.sub(
                r"(^|:)suppressions=([^:]+)",
                lambda match: match.group(1) + "suppressions=" +
                self.copy_for_user(match.group(2)), leaks)

    def x_root_property(self, name):
        return self.run("xprop", "-root", name)

    def active_x_window(self):
        match = re.search(r"window id # (0x[0-9a-f]+)", self.x_root_property("_NET_ACTIVE_WINDOW"))
        return match and int(match.group(1), 16)

    def is_focused(self, window):
        """Whether the window manager holds `window` (an X window) active."""
        return self.active_x_window() == int(window.id, 16)


class GnomeSession(ShellSession):
    desktop = "GNOME"
    REQUIRED_TOOLS = ("gnome-shell", "gsettings", "gdbus", "dbus-daemon", "Xwayland", "xprop",
                      "xwininfo", "convert", "useradd")
    REQUIRED_FILES = (f"/usr/share/gnome-shell/extensions/{APPINDICATOR}",)

    def start(self, extension=APPINDICATOR):
        self.prepare()
        system_bus = os.path.join(self.env["XDG_RUNTIME_DIR"], "system_bus")
        self.spawn("system-bus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                  f"--address=unix:path={system_bus}"])
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = f"unix:path={system_bus}"
        poll(lambda: os.path.exists(system_bus), 5)
        for key, value in (("enabled-extensions", f"['{extension}']"),
                           ("welcome-dialog-last-shown-version", "'99'")):
            self.run("gsettings", "set", "org.gnome.shell", key, value)
        self.run("gsettings", "set", "org.gnome.desktop.interface", "enable-animations", "false")
        self.spawn("gnome-shell", ["gnome-shell", "--wayland", "--headless", "--virtual-monitor",
                                   f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}", "--unsafe-mode"])
        if not poll(lambda: self.eval("1") == "1", START_TIMEOUT, interval=0.3):
            raise RuntimeError("GNOME Shell did not come up")
        display = poll(lambda: self.eval('imports.gi.GLib.getenv("DISPLAY")'), START_TIMEOUT)
        runtime = self.env["XDG_RUNTIME_DIR"]
        auth = poll(lambda: [n for n in os.listdir(runtime) if n.startswith(".mutter-Xwaylandauth")],
                    START_TIMEOUT)
        if not display or not auth:
            raise RuntimeError("GNOME Shell did not report XWayland's display")
        self.env.update(DISPLAY=display, XAUTHORITY=os.path.join(runtime, auth[0]),
                        WAYLAND_DISPLAY="wayland-0")
        # The first key of a new virtual keyboard is lost: make it now.
        self.eval(KEYBOARD + "'keyboard'")
        # The shell starts in the overview, shown at the end of its start-up
        # animation: left before that ends, it comes back, and a window
        # opened in it waits for the keyboard until it is left.
        if not poll(lambda: self.eval("imports.ui.main.layoutManager._startingUp === true "
                                      "? 'starting' : 'up'") == "up", START_TIMEOUT, interval=0.3):
            raise RuntimeError("GNOME Shell did not finish starting")
        self.eval("imports.ui.main.overview.hide(); 1")
        if not poll(lambda: self.eval("imports.ui.main.overview.visible") == "false", 5):
            raise RuntimeError("GNOME Shell stayed in the overview")

    def eval(self, script):
        """The shell's answer to a JavaScript expression, or None."""
        reply = self.run("gdbus", "call", "--session", "--dest", "org.gnome.Shell",
                         "--object-path", "/org/gnome/Shell", "--method",
                         "org.gnome.Shell.Eval", script)
        match = re.match(r"\(true, '(.*)'\)\s*$", reply, re.S)
        return match.group(1).strip('"') if match else None

    def click(self, x, y, button=1):
        self.eval(POINTER + f"d.notify_absolute_motion(G.get_monotonic_time(), {x}, {y}); 1")
        time.sleep(0.15)
        self.eval(POINTER + "const t=G.get_monotonic_time(); "
                  f"d.notify_button(t, {button}, C.ButtonState.PRESSED); "
                  f"d.notify_button(t + 60000, {button}, C.ButtonState.RELEASED); 1")

    def double_click(self, x, y):
        self.eval(POINTER + f"d.notify_absolute_motion(G.get_monotonic_time(), {x}, {y}); 1")
        time.sleep(0.15)
        self.eval(POINTER + "const t=G.get_monotonic_time(); "
                  "for (const [dt, s] of [[0, 1], [60000, 0], [150000, 1], [210000, 0]]) "
                  "d.notify_button(t + dt, 1, s ? C.ButtonState.PRESSED : "
                  "C.ButtonState.RELEASED); 1")

    def key(self, name):
        """A key by Clutter's name (h, 5, Escape, Down)."""
        self.eval(KEYBOARD + "const t=G.get_monotonic_time(); "
                  f"k.notify_keyval(t, C.KEY_{name}, C.KeyState.PRESSED); "
                  f"k.notify_keyval(t + 30000, C.KEY_{name}, C.KeyState.RELEASED); 1")

    def tray_icons(self):
        """The top bar's AppIndicator buttons that are laid out (one coming or
        going has no position yet): name -> (x, y, width, height)."""
        listing = self.eval(
            "Object.entries(imports.ui.main.panel.statusArea).filter(([k, a]) => "
            "k.startsWith('appindicator') && a.visible).map(([k, a]) => { const [x, y] = "
            "a.get_transformed_position(); return [k, Math.round(x), Math.round(y), "
            "Math.round(a.width), Math.round(a.height)].join(' '); }).join(';')") or ""
        icons = {}
        for entry in filter(None, listing.split(";")):
            name, *box = entry.split(" ")
            if all(value.lstrip("-").isdigit() for value in box):
                icons[name] = tuple(int(value) for value in box)
        return icons

    def is_focused(self, window):
        """Whether the shell's focus, where keys go, is on `window`: the
        shell may hold it a moment before _NET_ACTIVE_WINDOW says so."""
        return self.eval("global.display.focus_window ? "
                         "global.display.focus_window.get_description() : ''") == window.id

    def menu_open(self):
        return self.eval("Object.values(imports.ui.main.panel.statusArea).some("
                         "a => a.menu && a.menu.isOpen)") == "true"

    def screenshot(self, path):
        inside = os.path.join(self.home, "shot.png")
        self.run("gdbus", "call", "--session", "--dest", "org.gnome.Shell.Screenshot",
                 "--object-path", "/org/gnome/Shell/Screenshot", "--method",
                 "org.gnome.Shell.Screenshot.Screenshot", "false", "false", inside)
        if os.path.exists(inside):
            shutil.copyfile(inside, path)
        return path


# A Clutter virtual pointer (d) and keyboard (k), made once inside the shell.
POINTER = ("const C = imports.gi.Clutter, G = imports.gi.GLib; if (!globalThis._pv) "
           "globalThis._pv = C.get_default_backend().get_default_seat()"
           ".create_virtual_device(C.InputDeviceType.POINTER_DEVICE); const d = globalThis._pv; ")
KEYBOARD = ("const C = imports.gi.Clutter, G = imports.gi.GLib; if (!globalThis._kb) "
            "globalThis._kb = C.get_default_backend().get_default_seat()"
            ".create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE); const k = globalThis._kb; ")


# Linux key codes (linux/input-event-codes.h) of the keys the tests type.
LINUX_KEYS = {"a": 30, "Up": 103, "Down": 108, "Left": 105, "Right": 106, "Escape": 1,
              **{str(digit): digit + 1 for digit in range(1, 10)}}


class KdeSession(ShellSession):
    desktop = "KDE"
    REQUIRED_TOOLS = ("kwin_wayland", "plasmashell", "kded5", "gdbus", "dbus-daemon", "Xwayland",
                      "xprop", "xwininfo", "convert", "wayland-scanner", "cc", "useradd")
    REQUIRED_FILES = (KACTIVITYMANAGERD, FAKE_INPUT_PROTOCOL)

    def start(self):
        self.prepare()
        self.env.update(KDE_FULL_SESSION="true", KDE_SESSION_VERSION="5",
                        KWIN_WAYLAND_NO_PERMISSION_CHECKS="1",
                        KWIN_SCREENSHOT_NO_PERMISSION_CHECKS="1")
        self.fakeinput = self._build_fake_input()
        # The leak Qt's X platform leaves for each fake-input pointer is
        # suppressed by a frame the fast unwinder does not reach.
        if "ASAN_OPTIONS" in self.env:
            self.env["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
        inside = self.write("inside.sh", (
            "#!/bin/sh\n"
            "printenv DISPLAY > \"$HOME/display\"\n"
            f"{KACTIVITYMANAGERD} &\nkded5 &\nexec plasmashell\n"))
        os.chmod(inside, 0o755)
        # /usr/bin/kwin_wayland carries a file capability that a container
        # may refuse at exec; a plain copy runs the same code.
        kwin = os.path.join(self.home, "kwin_wayland")
        shutil.copyfile("/usr/bin/kwin_wayland", kwin)
        os.chmod(kwin, 0o755)
        self.spawn("kwin", [kwin, "--virtual", "--xwayland", "--width", str(SCREEN_WIDTH),
                            "--height", str(SCREEN_HEIGHT), "--no-lockscreen", "--socket",
                            "wayland-kde", "--exit-with-session", inside])
        self.env["WAYLAND_DISPLAY"] = "wayland-kde"
        display_file = os.path.join(self.home, "display")
        display = poll(lambda: os.path.exists(display_file)
                       and open(display_file, encoding="utf-8").read().strip(), START_TIMEOUT)
        if not display:
            raise RuntimeError("KWin did not start its session")
        self.env["DISPLAY"] = display
        if not poll(lambda: "true" in self.run(
                "gdbus", "call", "--session", "--dest", "org.kde.StatusNotifierWatcher",
                "--object-path", "/StatusNotifierWatcher", "--method",
                "org.freedesktop.DBus.Properties.Get", "org.kde.StatusNotifierWatcher",
                "IsStatusNotifierHostRegistered"), START_TIMEOUT, interval=0.3):
            raise RuntimeError("Plasma's system tray did not come up")

    def _build_fake_input(self):
        out = os.path.join(self.home, "fakeinput-build")
        os.makedirs(out)
        header = os.path.join(out, "fake-input-client-protocol.h")
        code = os.path.join(out, "fake-input-protocol.c")
        binary = os.path.join(self.home, "fakeinput")
        for command in (["wayland-scanner", "client-header", FAKE_INPUT_PROTOCOL, header],
                        ["wayland-scanner", "private-code", FAKE_INPUT_PROTOCOL, code],
                        ["cc", "-O2", f"-I{out}", "-o", binary, os.path.join(HERE, "fakeinput.c"),
                         code, "-lwayland-client"]):
            subprocess.run(command, check=True, capture_output=True, timeout=60)
        os.chown(binary, self.uid, self.gid)
        return binary

    def input(self, *steps):
        self.run(self.fakeinput, *[str(step) for step in steps])

    def click(self, x, y, button=272):
        """272 left, 273 right."""
        self.input("m", x, y, "s", 150, "d", button, "s", 60, "u", button)

    def key(self, name):
        """A key by the names GnomeSession.key takes, as its Linux key code."""
        self.input("k", LINUX_KEYS[name])

    def screenshot(self, path):
        inside = os.path.join(self.home, "shot.png")
        self.run("/usr/bin/python3", self.copy_for_user(os.path.join(HERE, "kwinshot.py")), inside)
        if os.path.exists(inside):
            shutil.copyfile(inside, path)
        return path


def check_has_keyboard(session, config, play):
    """A digit typed straight after the panel opened with the keyboard
    (open_panel) lands on the board: the first time in the free cell nearest
    the centre, after that the same digit in the same (still selected) cell,
    which takes it out again."""
    # The compositor names the active window a moment before XWayland hands
    # the keyboard to it; nobody types quicker than that.
    time.sleep(0.2)
    if not play:
        # A fresh game saves on its first change: A fills every note.
        session.key("a")
        first = wait_for_record(config, lambda record: record["hasStarted"], SAVE_TIMEOUT)
        check(first is not None, "A typed into the open panel did not reach the board")
        values = grid(first["values"])
        play["cell"] = target = nearest_free_cell(grid(first["givens"]))
        play["digit"] = next(d for d in range(1, 10) if candidate_mask(values, target) & (1 << d))
        keys = ["Down"] + arrows_between(CENTRE_CELL, target)
        play["value"] = 0
    else:
        keys = []
    cell, digit = play["cell"], play["digit"]
    expected = 0 if play["value"] else digit
    for key in keys + [str(digit)]:
        session.key(key)
    check(wait_for_record(config, lambda record: grid(record["values"])[cell] == expected,
                          SAVE_TIMEOUT), f"the digit {digit} typed into the open panel did not land")
    play["value"] = expected


def second_start(session, binary, item_is_back):
    """Starts the app afresh and then once more: the second start hands over
    to the first and ends. Returns the first one's panel it opened."""
    first = session.spawn("pondrel-sudoku-again", [binary])
    check(poll(item_is_back, 15, interval=0.2), "the app's item did not come back")
    second = session.spawn("pondrel-sudoku-second", [binary])
    check(poll(lambda: second.poll() is not None, 10) and second.returncode == 0,
          "a second start did not hand over to the first")
    panel = poll(lambda: shown_panel(session), HIDE_TIMEOUT)
    check(panel is not None, "a second start did not open the first one's panel")
    check(first.poll() is None, "the application ended")
    print(f"second start: panel at {panel}")
    return panel

