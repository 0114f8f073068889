#!/usr/bin/env python3
"""Draws the wizard's pictures: the background beside the step list, the tick and the cross
(white is their transparent colour) and the program icon. Writes them beside the resource
script; run it again after changing a picture and check the files in."""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)
WHITE = (255, 255, 255)


def bmp24(width, height, pixel):
    """A bottom-up 24-bit BMP file; pixel(x, y) gives (r, g, b) with y counted from the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - width * 3)
        rows.append(bytes(row))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


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


def icon_image(size):
    pixel = icon_pixel(size)
    xor = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixel(x, y)
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(mask_stride)
        for x in range(size):
            if pixel(x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def icon(sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


write("background.bmp", bmp24(160, 322, background))
write("tick.bmp", bmp24(24, 24, stroke([(4, 13, 10, 19), (10, 19, 20, 5)], (0, 150, 60), 3.5)))
write("cross.bmp", bmp24(24, 24, stroke([(5, 5, 19, 19), (19, 5, 5, 19)], (210, 30, 30), 3.5)))
write("mardell.ico", icon([16, 32]))
