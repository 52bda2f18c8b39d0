"""Watches the X screen for a colour, as a player watches the HUD: reads the
root window straight from the X server (libX11 through ctypes) a few dozen
times a second, so a test can act the moment the timing bar turns a colour.

    screenwatch.py COLOUR TIMEOUT LEFT TOP RIGHT BOTTOM
        COLOUR as RRGGBB, the area in fractions of the screen; exit 0 once
        at least 50 pixels there show the colour, 1 on timeout
    screenwatch.py advance COLOUR PIXELS LIMIT TIMEOUT LEFT TOP RIGHT BOTTOM
        a bar of that colour grows to the right: exit 0 once its right end
        has moved PIXELS from where it is now; 2 at once when that would take
        it past LIMIT (a fraction of the screen's width); 1 on timeout
    screenwatch.py still SECONDS TIMEOUT
        exit 0 once the screen (but for the frame-rate corner) has not
        changed for SECONDS: a rider at rest; 1 on timeout
"""
import ctypes
import ctypes.util
import sys
import time

import numpy as np

ZPIXMAP = 2
ALL_PLANES = 0xFFFFFFFF


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class Screen:
    def __init__(self):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.x.XDisplayWidth.argtypes = self.x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.display = self.x.XOpenDisplay(None)
        if not self.display:
            raise SystemExit("screenwatch: no X display")
        self.root = self.x.XDefaultRootWindow(self.display)
        self.width = self.x.XDisplayWidth(self.display, 0)
        self.height = self.x.XDisplayHeight(self.display, 0)

    def grab(self, left, top, width, height):
        """That part of the screen as an (height, width, 3) RGB array."""
        image = self.x.XGetImage(self.display, self.root, left, top, width, height, ALL_PLANES, ZPIXMAP)
        if not image:
            raise SystemExit("screenwatch: XGetImage failed")
        try:
            im = image.contents
            if im.bits_per_pixel != 32:
                raise SystemExit("screenwatch: %d bits per pixel" % im.bits_per_pixel)
            raw = np.ctypeslib.as_array(im.data, shape=(im.height * im.bytes_per_line,)).copy()
        finally:
            self.x.XDestroyImage(image)
        rows = raw.reshape(height, -1)[:, :width * 4].reshape(height, width, 4)
        return rows[:, :, 2::-1]   # BGRX in memory


def count(rgb, colour):
    return int(np.count_nonzero(np.all(np.abs(rgb.astype(int) - colour) <= 2, axis=2)))


def right_end(rgb, colour):
    """The last column with a few pixels of the colour, or -1."""
    columns = np.nonzero(np.count_nonzero(np.all(np.abs(rgb.astype(int) - colour) <= 2, axis=2), axis=0) >= 3)[0]
    return int(columns[-1]) if len(columns) else -1


def wait_advance(screen, colour, pixels, limit, timeout, fractions):
    left, top, right, bottom = fractions
    area = (int(left * screen.width), int(top * screen.height),
            int((right - left) * screen.width), int((bottom - top) * screen.height))
    start = right_end(screen.grab(*area), colour)
    if start < 0:
        return 1
    target = start + pixels
    if target > int(limit * screen.width) - area[0]:
        return 2
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if right_end(screen.grab(*area), colour) >= target:
            return 0
        time.sleep(0.005)
    return 1


def wait_still(screen, seconds, timeout):
    deadline = time.monotonic() + timeout
    # The frame-rate number sits in the bottom-left corner and changes on its own.
    area = (screen.width // 10, 0, screen.width - screen.width // 10, screen.height * 9 // 10)
    last, since = screen.grab(*area), time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.25)
        now = screen.grab(*area)
        if not np.array_equal(now, last):
            last, since = now, time.monotonic()
        elif time.monotonic() - since >= seconds:
            return 0
    return 1


def main(argv):
    if len(argv) == 9 and argv[0] == "advance":
        colour = np.array([int(argv[1][i:i + 2], 16) for i in (0, 2, 4)])
        return wait_advance(Screen(), colour, int(argv[2]), float(argv[3]), float(argv[4]),
                            [float(v) for v in argv[5:]])
    if len(argv) == 3 and argv[0] == "still":
        return wait_still(Screen(), float(argv[1]), float(argv[2]))
    if len(argv) != 6:
        print(__doc__, file=sys.stderr)
        return 2
    colour = np.array([int(argv[0][i:i + 2], 16) for i in (0, 2, 4)])
    deadline = time.monotonic() + float(argv[1])
    screen = Screen()
    left, top, right, bottom = (float(v) for v in argv[2:])
    area = (int(left * screen.width), int(top * screen.height),
            int((right - left) * screen.width), int((bottom - top) * screen.height))
    while time.monotonic() < deadline:
        if count(screen.grab(*area), colour) >= 50:
            return 0
        time.sleep(0.01)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
