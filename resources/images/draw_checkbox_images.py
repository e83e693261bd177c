#!/usr/bin/env python3
"""Draws the four check box images: 64 x 64 PNGs, 8-bit RGB without alpha, each a
diagonal gradient from its top-left colour to its bottom-right colour.

Run it from any folder; it writes the PNGs next to itself. Needs only the standard library.
"""
import os
import struct
import zlib

SIZE = 64
IMAGES = {
    "checkbox_inputs_checked.png": ((0, 255, 0), (169, 255, 170)),
    "checkbox_inputs_unchecked.png": ((79, 255, 79), (255, 255, 255)),
    "checkbox_outputs_checked.png": ((0, 71, 139), (139, 171, 202)),
    "checkbox_outputs_unchecked.png": ((0, 199, 227), (227, 236, 244)),
}


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def gradient_png(top_left, bottom_right):
    rows = bytearray()
    last = 2 * (SIZE - 1)
    for y in range(SIZE):
        rows.append(0)  # filter type: none
        for x in range(SIZE):
            t = (x + y) / last
            for a, b in zip(top_left, bottom_right):
                rows.append(round(a + (b - a) * t))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)  # 8-bit truecolour, no alpha
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, (top_left, bottom_right) in IMAGES.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(gradient_png(top_left, bottom_right))


if __name__ == "__main__":
    main()
