#!/usr/bin/env python3
"""The real Velmora.exe under Wine with 40 more themes than fit: the theme
list's skinned vertical bar, its thumb dragged with the pointer to the bottom
of the track; the list follows to its last row and the skinned thumb lies at
the bottom; Home brings it back, and the blue skin redraws the bar with the
thumb in place. Screenshots are kept."""
import os
import time
import unittest

from e2e_support import ProgramTest, SkinFrame, geometry, pixel, run

THEMES = 40
# The list in the client area (group box at (7, 7), list at (10, 17) in it),
# 215 x 340 with a two-pixel edge; the platform's bar is 16 wide and its
# arrows 16 long.
LIST = (17, 24, 215, 340)
EDGE, BAR, ARROW = 2, 16, 16


class ScrollingTest(ProgramTest):
    def add_fixtures(self, themes):
        for i in range(THEMES):
            text = "[Theme]\r\nDisplayName=Velmora 滚动测试 %02d\r\n" % i
            with open(os.path.join(themes, "velmora-e2e-scroll-%02d.theme" % i), "wb") as f:
                f.write(b"\xff\xfe" + text.encode("utf-16-le"))

    def test_dragging_the_thumb_to_the_bottom_shows_the_last_row(self):
        window = self.program_window()
        run("xdotool", "mousemove", "--window", window, "200", "8")
        time.sleep(1.5)
        frame = SkinFrame("yellow")
        g = geometry(window)
        left, top, width, height = LIST
        # The bar's middle column and its track's ends, in screen coordinates.
        x = g["X"] + frame.left + left + width - EDGE - BAR // 2
        track_top = g["Y"] + frame.top + top + EDGE + ARROW
        track_bottom = g["Y"] + frame.top + top + height - EDGE - ARROW
        before_png = self.shot("scroll-before.png")
        track = pixel(before_png, x, track_bottom - 3)
        thumb = pixel(before_png, x, track_top + 6)
        self.assertNotEqual(track, thumb, "no thumb at the top of the skinned track")

        run("xdotool", "mousemove", str(x), str(track_top + 6))
        run("xdotool", "mousedown", "1")
        for y in range(track_top + 6, track_bottom + 40, 20):
            run("xdotool", "mousemove", str(x), str(y))
            time.sleep(0.05)
        run("xdotool", "mouseup", "1")
        time.sleep(1.0)
        run("xdotool", "mousemove", "--window", window, "200", "8")
        time.sleep(0.5)
        after_png = self.shot("scroll-after.png")
        self.assertEqual(pixel(after_png, x, track_top + 6), track,
                         "the top of the track is bare after the drag")
        self.assertNotEqual(pixel(after_png, x, track_bottom - 3), track,
                            "the skinned thumb is not at the bottom of the track")

        # The thumb is drawn where the platform's own thumb is: at the bottom
        # means the list is at its last row. The keyboard brings it back.
        run("xdotool", "mousemove", str(x - 100), str(track_top + 40), "click", "1")
        time.sleep(0.5)
        run("xdotool", "key", "Home")
        time.sleep(1.0)
        home_png = self.shot("scroll-home.png")
        self.assertEqual(pixel(home_png, x, track_top + 6), thumb,
                         "Home brings the skinned thumb back to the top")
        self.assertEqual(pixel(home_png, x, track_bottom - 3), track)

        # The blue skin from the skin menu (its second item): the bar is
        # redrawn in the new skin with the thumb where it was.
        run("xdotool", "key", "alt+k")
        time.sleep(1.0)
        run("xdotool", "key", "Down", "Down", "Return")
        time.sleep(2.5)
        run("xdotool", "mousemove", "--window", window, "200", "8")
        time.sleep(0.5)
        blue_png = self.shot("scroll-blue.png")
        blue = SkinFrame("blue")
        g = geometry(window)
        bx = g["X"] + blue.left + left + width - EDGE - BAR // 2
        btop = g["Y"] + blue.top + top + EDGE + ARROW
        bbottom = g["Y"] + blue.top + top + height - EDGE - ARROW
        blue_thumb = pixel(blue_png, bx, btop + 6)
        self.assertNotEqual(blue_thumb, thumb, "the thumb still in the yellow skin")
        self.assertNotEqual(blue_thumb, pixel(blue_png, bx, bbottom - 3),
                            "no thumb at the top of the blue track")

if __name__ == "__main__":
    unittest.main()
