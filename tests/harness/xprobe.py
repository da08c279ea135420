"""A minimal X client over ctypes (libX11, libXtst) for timing the app from
outside: window tree, mapping state, pixels of the screen and synthetic
clicks, each one request away.

Spawning xwininfo or xdotool per look costs several milliseconds and a
process that competes with the app for the CPU, which would blur figures of
tens of milliseconds; a request on an open connection costs tens of
microseconds.
"""

import ctypes
import ctypes.util

_IS_VIEWABLE = 2  # map_state of a mapped window whose ancestors are mapped
_Z_PIXMAP = 2
_ALL_PLANES = 0xFFFFFFFFFFFFFFFF

Window = ctypes.c_ulong


class _XClassHint(ctypes.Structure):
    _fields_ = [("res_name", ctypes.c_void_p), ("res_class", ctypes.c_void_p)]


class _XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int),
                ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", Window),
                ("c_class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
                ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
                ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
                ("screen", ctypes.c_void_p)]


class _XImage(ctypes.Structure):
    # Only the leading fields are read; the image is freed field by field as
    # Xlib's own destroy function does for an image from XGetImage.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int),
                ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class WindowInfo:
    def __init__(self, window, instance, x, y, width, height, viewable):
        self.id = window
        self.instance = instance
        self.x, self.y, self.width, self.height = x, y, width, height
        self.viewable = viewable

    @property
    def centre(self):
        return self.x + self.width // 2, self.y + self.height // 2

    @property
    def rect(self):
        return self.x, self.y, self.width, self.height


class XProbe:
    def __init__(self, display):
        self._x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        xtst = ctypes.util.find_library("Xtst") or "libXtst.so.6"
        self._xtst = ctypes.CDLL(xtst)
        self._declare()
        # Windows vanish between two requests (an icon re-docking, a closing
        # panel); Xlib's default handler would end this process for that.
        self._on_error = _ERROR_HANDLER(lambda display, event: 0)
        self._x11.XSetErrorHandler(self._on_error)
        self._display = self._x11.XOpenDisplay(display.encode())
        if not self._display:
            raise RuntimeError(f"cannot open display {display}")
        self.root = self._x11.XDefaultRootWindow(self._display)
        self._instances = {}

    def _declare(self):
        x11, xtst = self._x11, self._xtst
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x11.XSetErrorHandler.restype = ctypes.c_void_p
        x11.XSetErrorHandler.argtypes = [_ERROR_HANDLER]
        x11.XDefaultRootWindow.restype = Window
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XQueryTree.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window),
                                   ctypes.POINTER(Window), ctypes.POINTER(ctypes.POINTER(Window)),
                                   ctypes.POINTER(ctypes.c_uint)]
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XGetClassHint.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(_XClassHint)]
        x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, Window,
                                             ctypes.POINTER(_XWindowAttributes)]
        x11.XTranslateCoordinates.argtypes = [ctypes.c_void_p, Window, Window, ctypes.c_int,
                                              ctypes.c_int, ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(ctypes.c_int), ctypes.POINTER(Window)]
        x11.XGetImage.restype = ctypes.POINTER(_XImage)
        x11.XGetImage.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                              ctypes.c_int, ctypes.c_ulong]
        xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                              ctypes.c_ulong]

    def close(self):
        if self._display:
            self._x11.XCloseDisplay(self._display)
            self._display = None

    # The window tree

    def children(self, window):
        root, parent = Window(), Window()
        children = ctypes.POINTER(Window)()
        count = ctypes.c_uint()
        if not self._x11.XQueryTree(self._display, window, ctypes.byref(root),
                                    ctypes.byref(parent), ctypes.byref(children),
                                    ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            self._x11.XFree(children)
        return found

    def descendants(self, window):
        for child in self.children(window):
            yield child
            yield from self.descendants(child)

    def instance(self, window):
        """The instance part of WM_CLASS ("pondrel-sudoku"), cached per window."""
        if window not in self._instances:
            hint = _XClassHint()
            name = ""
            if self._x11.XGetClassHint(self._display, window, ctypes.byref(hint)):
                if hint.res_name:
                    name = ctypes.string_at(hint.res_name).decode(errors="replace")
                    self._x11.XFree(hint.res_name)
                if hint.res_class:
                    self._x11.XFree(hint.res_class)
            self._instances[window] = name
        return self._instances[window]

    def info(self, window):
        """Geometry in screen coordinates and whether it is on screen, or None."""
        attributes = _XWindowAttributes()
        if not self._x11.XGetWindowAttributes(self._display, window, ctypes.byref(attributes)):
            return None
        x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
        if not self._x11.XTranslateCoordinates(self._display, window, self.root, 0, 0,
                                               ctypes.byref(x), ctypes.byref(y),
                                               ctypes.byref(child)):
            return None
        return WindowInfo(window, self.instance(window), x.value, y.value, attributes.width,
                          attributes.height, attributes.map_state == _IS_VIEWABLE)

    def find_top_level(self, predicate):
        """The first child of the root (or one level down, under a window
        manager frame) whose info satisfies predicate."""
        for child in self.children(self.root):
            for window in [child] + self.children(child):
                info = self.info(window)
                if info is not None and predicate(info):
                    return info
        return None

    # The screen

    def sample(self, rect, points):
        """The colours at `points` (offsets inside rect), one request."""
        x, y, width, height = rect
        image = self._x11.XGetImage(self._display, self.root, x, y, width, height, _ALL_PLANES,
                                    _Z_PIXMAP)
        if not image:
            return None
        try:
            contents = image.contents
            if contents.bits_per_pixel != 32:
                raise RuntimeError(f"unsupported screen format ({contents.bits_per_pixel} bpp)")
            data = ctypes.string_at(contents.data, contents.bytes_per_line * height)
            line = contents.bytes_per_line
            return [int.from_bytes(data[py * line + 4 * px:py * line + 4 * px + 3], "little")
                    for px, py in points]
        finally:
            self._x11.XFree(image.contents.data)
            self._x11.XFree(image)

    # Input

    def move_pointer(self, x, y):
        self._xtst.XTestFakeMotionEvent(self._display, -1, x, y, 0)
        self._x11.XSync(self._display, 0)

    def press_and_release(self, button=1):
        """A click where the pointer is, sent at once."""
        self._xtst.XTestFakeButtonEvent(self._display, button, 1, 0)
        self._xtst.XTestFakeButtonEvent(self._display, button, 0, 0)
        self._x11.XFlush(self._display)
