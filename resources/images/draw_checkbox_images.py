#!/usr/bin/env python3
"""Draws the four check box images: 64 x 64 PNGs, 8-bit RGB without alpha, each a
diagonal gradient from its top-left colour to its bottom-right colour; and the spin box's up
and down arrows: 10 x 6 PNGs with alpha, a dark grey triangle on a transparent ground. Beside
each goes its "@2x" version, twice as large, for screens with two device pixels to one.

Run it from any folder; it writes the PNGs next to itself. Needs only the standard library.
"""
import os
import struct
import zlib

SIZE = 64
SCALES = {"": 1, "@2x": 2}  # file name suffix: scale
IMAGES = {
    "checkbox_inputs_checked.png": ((0, 255, 0), (169, 255, 170)),
    "checkbox_inputs_unchecked.png": ((79, 255, 79), (255, 255, 255)),
    "checkbox_outputs_checked.png": ((0, 71, 139), (139, 171, 202)),
    "checkbox_outputs_unchecked.png": ((0, 199, 227), (227, 236, 244)),
}


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def gradient_png(top_left, bottom_right, size):
    rows = bytearray()
    last = 2 * (size - 1)
    for y in range(size):
        rows.append(0)  # filter type: none
        for x in range(size):
            t = (x + y) / last
            for a, b in zip(top_left, bottom_right):
                rows.append(round(a + (b - a) * t))
    header = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)  # 8-bit truecolour, no alpha
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


ARROW_SIZE = (10, 6)  # width, height
ARROW_COLOUR = (64, 64, 64)
ARROWS = {"spinbox_up.png": True, "spinbox_down.png": False}  # name: points up
SAMPLES = 4  # per pixel and axis, for smooth edges


def arrow_png(points_up, scale):
    width, height = ARROW_SIZE[0] * scale, ARROW_SIZE[1] * scale
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # filter type: none
        for x in range(width):
            inside = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    px = (x + (sx + 0.5) / SAMPLES) / width  # 0..1 across
                    py = (y + (sy + 0.5) / SAMPLES) / height  # 0..1 down
                    depth = py if points_up else 1 - py  # 0 at the tip, 1 at the base
                    inside += abs(px - 0.5) <= depth / 2
            rows.extend(ARROW_COLOUR)
            rows.append(round(255 * inside / SAMPLES ** 2))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit truecolour with alpha
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, (top_left, bottom_right) in IMAGES.items():
        for suffix, scale in SCALES.items():
            scaled_name = name.replace(".png", suffix + ".png")
            with open(os.path.join(here, scaled_name), "wb") as f:
                f.write(gradient_png(top_left, bottom_right, SIZE * scale))
    for name, points_up in ARROWS.items():
        for suffix, scale in SCALES.items():
            with open(os.path.join(here, name.replace(".png", suffix + ".png")), "wb") as f:
                f.write(arrow_png(points_up, scale))


if __name__ == "__main__":
    main()
