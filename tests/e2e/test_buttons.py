#!/usr/bin/env python3
"""The real Velmora.exe under Wine, driven with the pointer: 全选 shows the
skin's hot frame under the pointer and its pressed frame while held, and
letting go ticks every theme (反选 afterwards unticks every one again).
Screenshots are kept."""
import os
import subprocess
import unittest

from e2e_support import ProgramTest, SkinFrame, bmp_size, find_window, geometry, pixel, run

# 全选 in the client area (group box at (7, 7), button at (11, 362) in it).
ALL_BUTTON = (7 + 11, 7 + 362, 83, 24)
REVERSE_BUTTON = (7 + 105, 7 + 362, 83, 24)
# The list's check boxes: a strip down the list's left side, below its header.
CHECK_STRIP = (17 + 2, 24 + 22, 18, 300)

# Frames of the skin's button strip.
NORMAL, PRESSED, HOT = 1, 2, 4


def strip_probe(folder, frame):
    """The two pixels of `frame` of the skin's button strip that a button
    shows unscaled: the middle of its second row and of its second-last."""
    path = os.path.join(folder, "buttons.bmp")
    width, height = bmp_size(path)
    frame_width = width // 5
    x = (frame - 1) * frame_width + frame_width // 2
    return [pixel_of_bmp(path, x, 1), pixel_of_bmp(path, x, height - 2)]


def pixel_of_bmp(path, x, y):
    data = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "+repage",
                           "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return tuple(data[:3])


class ButtonsTest(ProgramTest):
    def test_hover_press_and_release_of_select_all(self):
        window = find_window("^Velmora$")
        self.assertIsNotNone(window, "the main window did not appear")
        frame = SkinFrame("yellow")

        def client_origin():
            # Read each time: the window may still be moved to its place
            # after it first appears.
            g = geometry(window)
            return g["X"] + frame.left, g["Y"] + frame.top

        def probe(png, button):
            x, y, w, h = button
            left, top = client_origin()
            cx = left + x + w // 2
            return [pixel(png, cx, top + y + 1), pixel(png, cx, top + y + h - 2)]

        def point(button):
            x, y, w, h = button
            left, top = client_origin()
            return str(left + x + w // 2), str(top + y + h // 2)

        def checks(png):
            x, y, w, h = CHECK_STRIP
            left, top = client_origin()
            out = os.path.join(self.shots, "checks.png")
            run("convert", png, "-crop", "%dx%d+%d+%d" % (w, h, left + x, top + y), "+repage",
                "-depth", "8", "rgb:" + out)
            with open(out, "rb") as f:
                return f.read()

        def shows(frame_number):
            expected = strip_probe(frame.folder, frame_number)
            return lambda png: probe(png, ALL_BUTTON) == expected

        run("xdotool", "mousemove", "--window", window, "200", "8")
        at_rest = self.shot_until("buttons-rest.png", shows(NORMAL))
        self.assertEqual(probe(at_rest, ALL_BUTTON), strip_probe(frame.folder, NORMAL))

        run("xdotool", "mousemove", *point(ALL_BUTTON))
        hover = self.shot_until("buttons-hot.png", shows(HOT))
        self.assertEqual(probe(hover, ALL_BUTTON), strip_probe(frame.folder, HOT),
                         "全选 under the pointer does not show the hot frame")
        run("xdotool", "mousedown", "1")
        pressed = self.shot_until("buttons-pressed.png", shows(PRESSED))
        self.assertEqual(probe(pressed, ALL_BUTTON), strip_probe(frame.folder, PRESSED),
                         "全选 held down does not show the pressed frame")
        run("xdotool", "mouseup", "1")
        ticked = self.shot_until("buttons-all-ticked.png",
                                 lambda png: checks(png) != checks(at_rest))
        self.assertNotEqual(checks(ticked), checks(at_rest), "letting go ticked nothing")

        # 反选 turns every tick off again only if 全选 ticked every row.
        run("xdotool", "mousemove", *point(REVERSE_BUTTON), "click", "1")
        reversed_png = self.shot_until("buttons-reversed.png",
                                       lambda png: checks(png) == checks(at_rest))
        self.assertEqual(checks(reversed_png), checks(at_rest), "全选 left some row unticked")


if __name__ == "__main__":
    unittest.main()
