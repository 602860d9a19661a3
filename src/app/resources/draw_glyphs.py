#!/usr/bin/env python3
"""Draws the program's small pictures and stores them.

Writes glyphs/*.bmp (24-bit, magenta where transparent), velmora.ico, and
refreshes the hex blocks in main_form.dfm that follow a "// picture: NAME"
comment. Run it after changing a drawing; the output is deterministic.
"""
import os
import re
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
KEY = (255, 0, 255)


class Canvas:
    def __init__(self, w, h, fill=KEY):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def dot(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.dot(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def ring(self, cx, cy, r, c, width=1.0):
        for y in range(self.h):
            for x in range(self.w):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if r - width <= d <= r:
                    self.dot(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.dot(x, y, c)

    def bmp(self):
        stride = (self.w * 3 + 3) & ~3
        rows = b""
        for y in reversed(range(self.h)):
            row = b"".join(bytes((b, g, r)) for (r, g, b) in self.px[y])
            rows += row + b"\0" * (stride - len(row))
        header = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
        return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 54) + header + rows


def magnifier():
    c = Canvas(16, 16)
    c.disc(6, 6, 4.6, (200, 228, 255))
    c.ring(6, 6, 5.5, (30, 70, 140), 1.6)
    for i in range(4):
        c.line(10 + i, 11 + i, 11 + i, 10 + i, (90, 60, 30))
        c.line(10 + i, 10 + i, 11 + i, 11 + i, (120, 80, 40))
    c.dot(4, 4, (255, 255, 255))
    c.dot(5, 3, (255, 255, 255))
    return c


def uninstall():
    c = Canvas(16, 16)
    c.rect(3, 4, 12, 14, (230, 230, 236))
    c.frame(3, 4, 12, 14, (90, 90, 110))
    c.rect(2, 2, 13, 3, (120, 120, 140))
    c.rect(6, 1, 9, 1, (120, 120, 140))
    for x in (5, 8, 10):
        c.line(x, 6, x, 12, (150, 150, 170))
    c.line(5, 6, 11, 12, (210, 40, 40))
    c.line(6, 6, 12, 12, (210, 40, 40))
    c.line(11, 6, 5, 12, (210, 40, 40))
    c.line(12, 6, 6, 12, (210, 40, 40))
    return c


def wallpaper_folder():
    c = Canvas(16, 16)
    c.rect(1, 2, 14, 13, (255, 255, 255))
    c.frame(1, 2, 14, 13, (70, 90, 120))
    c.rect(2, 3, 13, 8, (120, 180, 240))
    c.disc(10, 5, 1.6, (255, 220, 60))
    for x in range(2, 14):
        top = 8 - abs(x - 6) // 2
        c.line(x, top, x, 12, (60, 150, 70))
    return c


def theme_folder():
    c = Canvas(16, 16)
    c.rect(1, 3, 6, 4, (230, 180, 60))
    c.rect(1, 5, 14, 13, (250, 205, 90))
    c.frame(1, 5, 14, 13, (170, 120, 30))
    c.line(1, 3, 6, 3, (170, 120, 30))
    c.rect(5, 7, 10, 11, (90, 130, 220))
    c.rect(6, 8, 9, 10, (160, 200, 250))
    return c


def skin_icon():
    c = Canvas(24, 21)
    c.rect(2, 2, 21, 18, (250, 250, 250))
    c.frame(2, 2, 21, 18, (60, 80, 120))
    c.rect(3, 3, 20, 6, (60, 120, 210))
    c.rect(3, 7, 11, 17, (255, 214, 80))
    c.rect(12, 7, 20, 17, (110, 170, 240))
    c.rect(17, 4, 19, 5, (230, 80, 70))
    return c


def icon32():
    c = Canvas(32, 32, (0, 0, 0))
    c.rect(2, 4, 29, 27, (245, 245, 250))
    c.frame(2, 4, 29, 27, (40, 60, 110))
    c.rect(3, 5, 28, 9, (50, 110, 200))
    c.rect(4, 11, 15, 25, (255, 210, 70))
    c.rect(17, 11, 27, 25, (100, 165, 240))
    c.disc(22, 16, 3, (255, 255, 255))
    mask = [[0 if c.px[y][x] != (0, 0, 0) else 1 for x in range(32)] for y in range(32)]
    xor = b"".join(bytes((b, g, r, 255 if mask[y][x] == 0 else 0))
                   for y in reversed(range(32)) for x, (r, g, b) in enumerate(c.px[y]))
    andm = b""
    for y in reversed(range(32)):
        bits = 0
        for x in range(32):
            bits = (bits << 1) | mask[y][x]
        andm += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 32, 0, len(xor) + len(andm), 0, 0, 0, 0)
    image = header + xor + andm
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 0, 0, 1, 32, len(image), 22) + image


PICTURES = {
    "search.bmp": magnifier,
    "uninstall.bmp": uninstall,
    "wallpaper_folder.bmp": wallpaper_folder,
    "theme_folder.bmp": theme_folder,
    "skin.bmp": skin_icon,
}


def hex_block(data, indent):
    text = data.hex().upper()
    lines = [text[i:i + 64] for i in range(0, len(text), 64)]
    return "{\n" + "".join(indent + "  " + l + "\n" for l in lines) + indent + "}"


def main():
    os.makedirs(os.path.join(HERE, "glyphs"), exist_ok=True)
    data = {}
    for name, draw in PICTURES.items():
        data[name] = draw().bmp()
        with open(os.path.join(HERE, "glyphs", name), "wb") as f:
            f.write(data[name])
    with open(os.path.join(HERE, "velmora.ico"), "wb") as f:
        f.write(icon32())
    dfm = os.path.join(HERE, "main_form.dfm")
    with open(dfm, encoding="utf-8") as f:
        text = f.read()
    pattern = re.compile(r"(// picture: (\S+)\n(\s*)\S+ = )\{[^}]*\}")
    text = pattern.sub(lambda m: m.group(1) + hex_block(data[m.group(2)], m.group(3)), text)
    with open(dfm, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
