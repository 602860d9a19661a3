#!/usr/bin/env python3
"""Draws the media player's 27 button glyphs and stores them.

Writes media_player/{EN,DI,CL}_MP*.bmp: 16 x 16, 24-bit, olive (128, 128, 0)
where transparent. EN_ glyphs are black, DI_ grey with a white highlight
(the etched look of a disabled button), CL_ each in its own colour. Run it
after changing a drawing; the output is deterministic.
"""
import os

from draw_glyphs import Canvas

HERE = os.path.dirname(os.path.abspath(__file__))
OLIVE = (128, 128, 0)


def triangle(c, x0, y0, height, ink, direction):
    """A solid triangle pointing right (1), left (-1) or up (0)."""
    half = height // 2
    for i in range(half + 1):
        if direction == 0:
            c.rect(x0 + half - i, y0 + i, x0 + half + i, y0 + i, ink)
        elif direction > 0:
            c.rect(x0 + i, y0 + i, x0 + i, y0 + height - 1 - i, ink)
        else:
            c.rect(x0 + half - i, y0 + i, x0 + half - i, y0 + height - 1 - i, ink)


def play(c, ink):
    triangle(c, 5, 3, 11, ink, 1)


def pause(c, ink):
    c.rect(4, 3, 6, 12, ink)
    c.rect(9, 3, 11, 12, ink)


def stop(c, ink):
    c.rect(4, 4, 11, 11, ink)


def next_(c, ink):
    triangle(c, 3, 3, 11, ink, 1)
    triangle(c, 7, 3, 11, ink, 1)
    c.rect(12, 3, 12, 13, ink)


def prev(c, ink):
    c.rect(3, 3, 3, 13, ink)
    triangle(c, 3, 3, 11, ink, -1)
    triangle(c, 7, 3, 11, ink, -1)


def step(c, ink):
    triangle(c, 4, 4, 9, ink, 1)
    c.rect(10, 4, 11, 12, ink)


def back(c, ink):
    c.rect(4, 4, 5, 12, ink)
    triangle(c, 7, 4, 9, ink, -1)


def record(c, ink):
    c.disc(7.5, 7.5, 4.6, ink)


def eject(c, ink):
    triangle(c, 3, 3, 9, ink, 0)
    c.rect(3, 10, 12, 11, ink)


BUTTONS = [
    ("MPPLAY", play, (0, 150, 0)),
    ("MPPAUSE", pause, (0, 90, 200)),
    ("MPSTOP", stop, (190, 0, 0)),
    ("MPNEXT", next_, (0, 120, 140)),
    ("MPPREV", prev, (0, 120, 140)),
    ("MPSTEP", step, (0, 120, 140)),
    ("MPBACK", back, (0, 120, 140)),
    ("MPRECORD", record, (220, 0, 0)),
    ("MPEJECT", eject, (120, 40, 160)),
]


def glyph(draw, prefix, colour):
    c = Canvas(16, 16, OLIVE)
    if prefix == "EN":
        draw(c, (0, 0, 0))
    elif prefix == "CL":
        draw(c, colour)
    else:
        # The highlight first, one pixel down and right, then the grey ink.
        shadow = Canvas(16, 16, OLIVE)
        draw(shadow, (255, 255, 255))
        for y in range(15):
            for x in range(15):
                if shadow.px[y][x] != OLIVE:
                    c.dot(x + 1, y + 1, (255, 255, 255))
        draw(c, (128, 128, 128))
    return c


def main():
    out = os.path.join(HERE, "media_player")
    os.makedirs(out, exist_ok=True)
    for name, draw, colour in BUTTONS:
        for prefix in ("EN", "DI", "CL"):
            with open(os.path.join(out, f"{prefix}_{name}.bmp"), "wb") as f:
                f.write(glyph(draw, prefix, colour).bmp())


if __name__ == "__main__":
    main()
