#!/usr/bin/env python3
"""Draws the updater's pictures: the program icon (a green disc with a white arrow pointing down,
16 and 32 pixels) and the picture beside the download buttons (a program box under an arrow).
Writes them beside the resource script; run it again after changing a picture and check the
files in."""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts"))
from art_files import bmp24, icon, mix, write  # noqa: E402


def in_arrow(u, v):
    """A downward arrow in the unit square: a shaft and a head."""
    shaft = abs(u - 0.5) < 0.09 and 0.20 < v < 0.56
    head = 0.50 <= v < 0.80 and abs(u - 0.5) < (0.80 - v) * 0.95
    return shaft or head


def picture(x, y):
    # A grey program window at the bottom with a green arrow coming down into it, on the
    # dialog's face colour.
    face = (240, 240, 240)
    u, v = (x + 0.5) / 64.0, (y + 0.5) / 64.0
    if 0.12 < u < 0.88 and 0.62 < v < 0.94:
        if v < 0.70:
            return (0, 84, 166)  # the window's caption
        if abs(u - 0.12) < 0.03 or abs(u - 0.88) < 0.03 or abs(v - 0.94) < 0.03:
            return (90, 90, 90)
        return (255, 255, 255)
    if in_arrow(u, v * 1.15 - 0.12):
        return mix((60, 180, 80), (20, 120, 40), v / 0.6)
    return face


def icon_pixel(size):
    """The program icon as (r, g, b, alpha)."""
    def pixel(x, y):
        u, v = (x + 0.5) / size, (y + 0.5) / size
        if math.hypot(u - 0.5, v - 0.5) > 0.47:
            return (0, 0, 0, 0)
        if in_arrow(u, v):
            return (255, 255, 255, 255)
        return mix((70, 190, 90), (10, 110, 40), v) + (255,)
    return pixel


write(OUT, "picture.bmp", bmp24(64, 64, picture))
write(OUT, "zolvane.ico", icon([16, 32], icon_pixel))
