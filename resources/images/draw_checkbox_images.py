#!/usr/bin/env python3
"""Draws the four check box images: 64 x 64 PNGs, 8-bit RGB without alpha, each a
diagonal gradient from its top-left colour to its bottom-right colour, and beside each its
"@2x" version of 128 x 128 for screens with two device pixels to one.

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


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, (top_left, bottom_right) in IMAGES.items():
        for suffix, scale in SCALES.items():
            scaled_name = name.replace(".png", suffix + ".png")
            with open(os.path.join(here, scaled_name), "wb") as f:
                f.write(gradient_png(top_left, bottom_right, SIZE * scale))


if __name__ == "__main__":
    main()
