#!/usr/bin/env python3
"""Draws the wizard's pictures: the background beside the step list, the tick and the cross
(white is their transparent colour) and the program icon. Writes them beside the resource
script; run it again after changing a picture and check the files in."""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts"))
from art_files import bmp24, icon, mix, write  # noqa: E402

WHITE = (255, 255, 255)


def near_segment(x, y, x0, y0, x1, y1):
    """Distance from the point to the segment."""
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / float(dx * dx + dy * dy)))
    return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy))


def stroke(segments, colour, width):
    """A picture of thick strokes on white, with soft edges toward white."""
    def pixel(x, y):
        d = min(near_segment(x + 0.5, y + 0.5, *s) for s in segments)
        return mix(colour, WHITE, d - width / 2.0 + 0.5) if d < width / 2.0 + 0.5 else WHITE
    return pixel


def background(x, y):
    # A pale sky gradient, darker at the bottom, with the outline of a globe behind the list's end.
    top, bottom = (236, 244, 252), (176, 204, 232)
    colour = mix(top, bottom, y / 321.0)
    cx, cy, radius = 86, 278, 30
    d = math.hypot(x - cx, y - cy)
    on_globe = abs(d - radius) < 1.2
    if d < radius:
        on_globe = on_globe or abs(x - cx) < 0.8 or abs(y - cy) < 0.8
        dy = y - cy
        ellipse = math.hypot((x - cx) / 0.45, dy) if abs(dy) < radius else 99
        on_globe = on_globe or abs(ellipse - radius) < 1.4
    if on_globe:
        colour = mix(colour, (0, 102, 204), 0.55)
    if x >= 157:  # a thin edge toward the pages
        colour = mix(colour, (0, 102, 204), 0.35)
    return colour


def icon_pixel(size):
    """The program icon: a blue disc with a white tick, as (r, g, b, alpha)."""
    tick = [(0.28, 0.52, 0.44, 0.70), (0.44, 0.70, 0.74, 0.32)]

    def pixel(x, y):
        u, v = (x + 0.5) / size, (y + 0.5) / size
        d = math.hypot(u - 0.5, v - 0.5)
        if d > 0.47:
            return (0, 0, 0, 0)
        if min(near_segment(u, v, *s) for s in tick) < 0.07:
            return (255, 255, 255, 255)
        return mix((40, 140, 230), (0, 70, 160), v) + (255,)
    return pixel


write(OUT, "background.bmp", bmp24(160, 322, background))
write(OUT, "tick.bmp", bmp24(24, 24, stroke([(4, 13, 10, 19), (10, 19, 20, 5)], (0, 150, 60), 3.5)))
write(OUT, "cross.bmp", bmp24(24, 24, stroke([(5, 5, 19, 19), (19, 5, 5, 19)], (210, 30, 30), 3.5)))
write(OUT, "mardell.ico", icon([16, 32], icon_pixel))
