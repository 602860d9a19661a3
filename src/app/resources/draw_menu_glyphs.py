#!/usr/bin/env python3
"""Draws the system menu's four 16 x 16 glyphs (restore, maximize, minimize,
close) side by side as one 64 x 16 monochrome BMP: black ink on white, white
being the image list's mask colour. The output is deterministic."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
W, H = 64, 16


def glyphs():
    ink = set()

    def box(x0, y0, x1, y1, top=1):
        for x in range(x0, x1 + 1):
            for t in range(top):
                ink.add((x, y0 + t))
            ink.add((x, y1))
        for y in range(y0, y1 + 1):
            ink.add((x0, y))
            ink.add((x1, y))

    # restore: two overlapping windows
    box(6, 3, 12, 8, top=2)
    box(3, 6, 9, 11, top=2)
    for x in range(4, 9):
        for y in range(8, 11):
            ink.discard((x, y))
    # maximize
    box(16 + 3, 3, 16 + 12, 12, top=2)
    # minimize: a bar at the bottom
    for x in range(32 + 4, 32 + 11):
        ink.add((x, 11))
        ink.add((x, 12))
    # close: a cross
    for i in range(8):
        for dx in (0, 1):
            ink.add((48 + 4 + i + dx, 4 + i))
            ink.add((48 + 11 - i + dx, 4 + i))
    return ink


def write_bmp(path, ink):
    stride = ((W + 31) // 32) * 4
    rows = []
    for y in range(H - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(W):
            if (x, y) not in ink:  # white = 1
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits))
    pixels = b"".join(rows)
    palette = b"\x00\x00\x00\x00\xff\xff\xff\x00"
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 1, 0, len(pixels), 2835, 2835, 2, 2)
    with open(path, "wb") as f:
        f.write(header + info + palette + pixels)


if __name__ == "__main__":
    write_bmp(os.path.join(HERE, "glyphs", "menu_glyphs.bmp"), glyphs())
