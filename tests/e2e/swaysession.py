"""A throw-away Wayland desktop: sway in headless mode with XWayland and
waybar as the bar whose tray is the StatusNotifier host, each started here
and ended here.

sway refuses to run as root, so under root everything here runs as a user
made for the session and removed with it. That user gets its own home,
XDG_RUNTIME_DIR and session bus; the app runs as the same user inside the
session, so it sees the same bus and displays.
"""

import json
import os
import pwd
import shutil
import signal
import subprocess
import tempfile
import time

from harness.xsession import TREE_LINE, Window, _end_with_parent, poll, start_session_bus

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 800
BAR_HEIGHT = 30
START_TIMEOUT = 20


class SwaySession:
    REQUIRED_TOOLS = ("sway", "swaymsg", "waybar", "grim", "Xwayland", "dbus-daemon", "gdbus", "wtype",
                      "xwininfo", "convert")
    REQUIRED_FILES = ()

    def __init__(self, log_dir):
        self.log_dir = log_dir
        self.processes = []
        self.user = None
        self.uid, self.gid = os.getuid(), os.getgid()
        self.home = None
        self.env = None
        self.waybar = None

    # Set-up

    def start(self):
        self.make_user()
        self.home = tempfile.mkdtemp(prefix="pondrel-sway-")
        os.chmod(self.home, 0o700)
        folders = {"XDG_CONFIG_HOME": "config", "XDG_DATA_HOME": "data",
                   "XDG_CACHE_HOME": "cache", "XDG_RUNTIME_DIR": "runtime"}
        self.env = {"HOME": self.home, "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
                    "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
                    # No screen, no input devices, no GPU.
                    "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
                    "WLR_RENDERER": "pixman", "XDG_SESSION_TYPE": "wayland"}
        for variable, folder in folders.items():
            path = os.path.join(self.home, folder)
            os.makedirs(path, mode=0o700)
            self.env[variable] = path
        self.give_to_user(self.home)
        self._start_session_bus()
        config = self.write("sway.conf",
                            f"output HEADLESS-1 resolution {SCREEN_WIDTH}x{SCREEN_HEIGHT} "
                            "position 0 0\nxwayland enable\n")
        self.spawn("sway", ["sway", "--config", config])
        runtime = self.env["XDG_RUNTIME_DIR"]

        def sockets():
            names = os.listdir(runtime)
            wayland = [n for n in names if n.startswith("wayland-") and not n.endswith(".lock")]
            ipc = [n for n in names if n.startswith("sway-ipc")]
            return wayland and ipc and (wayland[0], ipc[0])

        found = poll(sockets, START_TIMEOUT)
        if not found:
            raise RuntimeError("sway did not come up")
        self.env["WAYLAND_DISPLAY"] = found[0]
        self.env["SWAYSOCK"] = os.path.join(runtime, found[1])
        # XWayland's display is known to sway's children only: ask one.
        display_file = os.path.join(self.home, "display")
        self.run("swaymsg", "exec", f"printenv DISPLAY > {display_file}")
        display = poll(lambda: os.path.exists(display_file)
                       and open(display_file, encoding="utf-8").read().strip(), START_TIMEOUT)
        if not display:
            raise RuntimeError("sway did not report XWayland's display")
        self.env["DISPLAY"] = display

    def start_waybar(self, position):
        """waybar along the top or bottom, with its tray at the right end;
        returns once its StatusNotifierWatcher is on the bus."""
        if self.waybar is not None:
            self.stop_process(self.waybar)
        config = self.write("waybar.json", json.dumps({
            "layer": "top", "position": position, "height": BAR_HEIGHT,
            "modules-right": ["tray"], "tray": {"spacing": 4}}))
        self.waybar = self.spawn(f"waybar-{position}", ["waybar", "--config", config])
        if not poll(lambda: "'org.kde.StatusNotifierWatcher'" in self.run(
                "gdbus", "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path",
                "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.ListNames"),
                START_TIMEOUT):
            raise RuntimeError("waybar's tray did not come up")

    def make_user(self):
        """Under root, makes the throw-away user the session runs as."""
        if os.getuid() != 0:
            return
        name = f"pondrel-e2e-{os.getpid()}"
        subprocess.run(["useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin",
                        name], check=True, capture_output=True, timeout=30)
        self.user = name
        entry = pwd.getpwnam(self.user)
        self.uid, self.gid = entry.pw_uid, entry.pw_gid

    def _start_session_bus(self):
        self.env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(self.spawn)

    def give_to_user(self, path):
        """Hands files written here (as root) under `path` to the session's
        user, so the app can rewrite them."""
        for root, folders, files in os.walk(path):
            for name in [root] + [os.path.join(root, f) for f in folders + files]:
                os.chown(name, self.uid, self.gid)

    def copy_for_user(self, path):
        """A copy of the file at `path` in the session's home, the user's:
        the checkout may sit in a folder only root can enter (mktemp -d)."""
        if self.user is None:
            return path
        copy = os.path.join(self.home, os.path.basename(path))
        shutil.copy2(path, copy)
        os.chown(copy, self.uid, self.gid)
        return copy

    def write(self, name, text):
        path = os.path.join(self.home, name)
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)
        os.chown(path, self.uid, self.gid)
        return path

    def _as_user(self):
        if self.user is None:
            return {}
        return {"user": self.uid, "group": self.gid, "extra_groups": []}

    def spawn(self, name, command, pass_fds=(), extra_env=None):
        log = open(os.path.join(self.log_dir, f"{name}.log"), "wb")
        process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, env={**self.env, **(extra_env or {})},
                                   cwd=self.home, pass_fds=pass_fds, start_new_session=True,
                                   preexec_fn=_end_with_parent, **self._as_user())
        log.close()
        self.processes.append(process)
        return process

    def run(self, *command):
        result = subprocess.run(command, env=self.env, cwd=self.home, capture_output=True,
                                text=True, timeout=10, **self._as_user())
        return result.stdout if result.returncode == 0 else ""

    def stop_process(self, process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def stop(self):
        for process in reversed(self.processes):
            self.stop_process(process)
        self.processes.clear()
        if self.home:
            shutil.rmtree(self.home, ignore_errors=True)
        if self.user is not None:
            # The user's processes are gone; give the kernel a moment to
            # reap the last before the account goes.
            for _ in range(20):
                if subprocess.run(["userdel", self.user], capture_output=True).returncode == 0:
                    break
                time.sleep(0.1)
            self.user = None

    # Looking at the screen

    def screenshot(self, path):
        inside = os.path.join(self.home, "shot.png")
        subprocess.run(["grim", inside], env=self.env, check=True, capture_output=True,
                       timeout=20, **self._as_user())
        shutil.copyfile(inside, path)
        return path

    def windows(self):
        """XWayland's windows (the app's), with their absolute geometry, but
        without their ancestors: the compositor frames the windows it
        manages, and on GNOME and KDE the panel is one of them."""
        found = []
        for line in self.run("xwininfo", "-root", "-tree").splitlines():
            match = TREE_LINE.match(line)
            if match:
                found.append(Window(match, []))
        return found

    def is_viewable(self, window_id):
        return "IsViewable" in self.run("xwininfo", "-id", window_id)

    def tree(self):
        try:
            return json.loads(self.run("swaymsg", "-t", "get_tree", "--raw") or "{}")
        except ValueError:
            return {}
