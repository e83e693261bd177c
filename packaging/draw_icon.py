#!/usr/bin/env python3
"""Draws the program's icon, quellaro.png: a 128 x 128 RGBA PNG of a white coffee cup with
steam on a brown rounded square, the colours of the program's buttons.

Run it from any folder; it writes the PNG next to itself. Needs only the standard library.
"""
import math
import os
import struct
import zlib

SIZE = 128
SAMPLES = 4  # per axis, for smooth edges

BROWN = (165, 42, 42)
BEIGE = (245, 245, 220)
WHITE = (255, 255, 255)
COFFEE = (92, 51, 23)


def rounded_box(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and left <= x <= right and top <= y <= bottom


def colour_at(x, y):
    """The colour of the point (x, y), or None outside the icon."""
    if not rounded_box(x, y, 4, 4, 124, 124, 22):
        return None
    # Steam: three waves above the cup.
    for base in (46, 62, 78):
        if 22 <= y <= 46 and abs(x - (base + 4 * math.sin((y - 22) / 4.0))) <= 2.2:
            return BEIGE
    # Handle: a ring right of the cup.
    ring = math.hypot(x - 92, y - 72)
    if 9 <= ring <= 15 and x > 88:
        return WHITE
    # Cup: straight sides down to a rounded bottom; coffee at the top.
    if 34 <= x <= 94 and 54 <= y <= 98 and rounded_box(x, y, 34, 40, 94, 98, 18):
        return COFFEE if y <= 60 and 38 <= x <= 90 else WHITE
    # Saucer.
    if ((x - 64) / 44.0) ** 2 + ((y - 102) / 6.0) ** 2 <= 1:
        return WHITE
    return BROWN


def pixel(px, py):
    total = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            c = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            if c is not None:
                for i in range(3):
                    total[i] += c[i]
                total[3] += 255
    n = SAMPLES * SAMPLES
    alpha = total[3] / n
    if alpha == 0:
        return (0, 0, 0, 0)
    covered = total[3] / 255
    return tuple(round(total[i] / covered) for i in range(3)) + (round(alpha),)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main():
    rows = bytearray()
    for y in range(SIZE):
        rows.append(0)  # filter type: none
        for x in range(SIZE):
            rows.extend(pixel(x, y))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
           + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "quellaro.png"), "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()
