#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""xtest_down.py mouse|key: presses the left button or Space down by XTest and prints the wall clock
(us) just before the request and once the server has taken it: xdotool's start-up would blur it."""
import ctypes
import sys
import time

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
space = x11.XKeysymToKeycode(display, 0x20)
x11.XSync(display, 0)
before = time.time_ns() // 1000
if sys.argv[1] == "mouse":
    xtst.XTestFakeButtonEvent(display, 1, 1, 0)
else:
    xtst.XTestFakeKeyEvent(display, space, 1, 0)
x11.XSync(display, 0)
after = time.time_ns() // 1000
print(before, after)
