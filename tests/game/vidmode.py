"""Asks the X server, through the XFree86-VidMode extension (the one freeglut's
game mode uses), whether it will really switch to a mode it lists.

    vidmode.py WIDTH HEIGHT   exit 0: switched to WIDTH x HEIGHT and back;
                              1: the mode is listed but the switch is refused;
                              2: the mode is not listed at all
"""
import ctypes
import ctypes.util
import sys


class ModeInfo(ctypes.Structure):
    _fields_ = [("dotclock", ctypes.c_uint), ("hdisplay", ctypes.c_ushort), ("hsyncstart", ctypes.c_ushort),
                ("hsyncend", ctypes.c_ushort), ("htotal", ctypes.c_ushort), ("hskew", ctypes.c_ushort),
                ("vdisplay", ctypes.c_ushort), ("vsyncstart", ctypes.c_ushort), ("vsyncend", ctypes.c_ushort),
                ("vtotal", ctypes.c_ushort), ("flags", ctypes.c_uint), ("privsize", ctypes.c_int),
                ("private", ctypes.c_void_p)]


ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
refused = []


@ERROR_HANDLER
def on_error(display, event):
    refused.append(True)
    return 0


def main(argv):
    width, height = int(argv[0]), int(argv[1])
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    vm = ctypes.CDLL(ctypes.util.find_library("Xxf86vm") or "libXxf86vm.so.1")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XSetErrorHandler.argtypes = [ERROR_HANDLER]
    vm.XF86VidModeGetAllModeLines.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(ctypes.POINTER(ctypes.POINTER(ModeInfo)))]
    vm.XF86VidModeSwitchToMode.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ModeInfo)]
    display = x11.XOpenDisplay(None)
    if not display:
        raise SystemExit("vidmode: no X display")
    x11.XSetErrorHandler(on_error)
    count = ctypes.c_int()
    modes = ctypes.POINTER(ctypes.POINTER(ModeInfo))()
    vm.XF86VidModeGetAllModeLines(display, 0, ctypes.byref(count), ctypes.byref(modes))
    listed = [modes[i] for i in range(count.value)]
    wanted = [m for m in listed if m.contents.hdisplay == width and m.contents.vdisplay == height]
    if not wanted:
        print("vidmode: %dx%d is not among the %d modes listed" % (width, height, len(listed)))
        return 2
    vm.XF86VidModeSwitchToMode(display, 0, wanted[0])
    x11.XSync(display, 0)
    if refused:
        print("vidmode: %dx%d is listed, but the server refuses to switch to it" % (width, height))
        return 1
    vm.XF86VidModeSwitchToMode(display, 0, listed[0])   # the first listed is the current one
    x11.XSync(display, 0)
    print("vidmode: the server switches to %dx%d" % (width, height))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
