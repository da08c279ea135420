"""Talking to a StatusNotifier tray and to the app's item on it over the
session bus, the way hosts do, with gdbus; and finding the item's icon in a
bar on a screenshot, since such trays draw their icons themselves."""

import re
import subprocess

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM_PREFIX = "org.kde.StatusNotifierItem-"


def gdbus(run, destination, path, method, *arguments):
    """Calls method on the bus; `run(*command)` runs a command in the
    session and returns its output ("" on failure)."""
    return run("gdbus", "call", "--session", "--dest", destination, "--object-path", path,
               "--method", method, "--", *arguments)


def registered_items(run):
    """The items the watcher lists, as service names (or service/path)."""
    reply = gdbus(run, WATCHER, "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties.Get",
                  WATCHER, "RegisteredStatusNotifierItems")
    return re.findall(r"'([^']+)'", reply)


def our_service(run):
    """The app's item's bus name, once the watcher lists it."""
    for item in registered_items(run):
        if item.startswith(ITEM_PREFIX) or "/StatusNotifierItem" in item:
            return item.split("/", 1)[0]
    return None


def item_property(run, service, name):
    return gdbus(run, service, "/StatusNotifierItem", "org.freedesktop.DBus.Properties.Get",
                 "org.kde.StatusNotifierItem", name)


def activate(run, service, x, y):
    """What a host does on a left click on the icon at x, y."""
    return gdbus(run, service, "/StatusNotifierItem", "org.kde.StatusNotifierItem.Activate",
                 str(x), str(y))


def choose_menu_entry(run, service, entry):
    """What a host does when the user picks an entry of the item's menu."""
    return gdbus(run, service, "/MenuBar", "com.canonical.dbusmenu.Event", str(entry), "clicked",
                 "<0>", "0")


def menu_labels(run, service):
    layout = gdbus(run, service, "/MenuBar", "com.canonical.dbusmenu.GetLayout", "0", "-1", "[]")
    return re.findall(r"'label': <'([^']*)'>", layout)


def content_box(image_path, area):
    """The bounding box (x, y, width, height) of what differs from the
    background within area (x, y, width, height) of a screenshot: the
    icons in a bar. None when the area is plain."""
    x, y, width, height = area
    result = subprocess.run(["convert", image_path, "-crop", f"{width}x{height}+{x}+{y}",
                             "+repage", "-fuzz", "12%", "-format", "%@", "info:"],
                            capture_output=True, text=True, timeout=20)
    match = re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", result.stdout.strip())
    if not match:
        return None
    w, h, left, top = (int(value) for value in match.groups())
    # Nothing drawn yet trims to nothing; a bar that is still painting to
    # its full width.
    if w < 8 or h < 8 or w >= width // 2:
        return None
    return x + left, y + top, w, h
