#!/usr/bin/env python3
"""A sizeable skinned window (the gallery) under Wine: dragging its skinned
border resizes it, the frame follows to the new edges and nothing of the old
frame is left behind. Screenshots are kept. (Maximizing is checked in
process: without a window manager on the test display Wine moves a
maximized window but cannot resize it.)"""
import os
import sys
import time
import unittest

from e2e_support import (
    GALLERY_CLIENT_H, GALLERY_CLIENT_W, GalleryProgramTest, SkinFrame, crop, geometry, pixel, run)

CLIENT_W, CLIENT_H = GALLERY_CLIENT_W, GALLERY_CLIENT_H


class GalleryResizeTest(GalleryProgramTest):

    def setUp(self):
        super().setUp()
        self.window = self.program_window()
        self.frame = SkinFrame("yellow")
        # The window is taller by its menu bar (test_menu_bar checks it).
        width = CLIENT_W + self.frame.left + self.frame.right
        height = CLIENT_H + self.frame.top + self.frame.bottom
        self.wait_for(lambda g: g["WIDTH"] == width and g["HEIGHT"] > height)

    def wait_for(self, condition, timeout=5.0):
        deadline = time.time() + timeout
        g = geometry(self.window)
        while time.time() < deadline and not condition(g):
            time.sleep(0.1)
            g = geometry(self.window)
        time.sleep(0.4)
        return geometry(self.window)

    def drag(self, x, y, dx, dy, shot=None):
        """Drags from (x, y) by (dx, dy); with `shot`, a screenshot is taken
        before the button is let go and returned with the geometry then."""
        run("xdotool", "mousemove", "--window", self.window, str(x), str(y), "mousedown", "1")
        for _ in range(4):
            run("xdotool", "mousemove_relative", "--sync", "--", str(dx // 4), str(dy // 4))
            time.sleep(0.05)
        during = None
        if shot:
            time.sleep(0.4)
            during = (self.shot(shot), geometry(self.window))
        run("xdotool", "mouseup", "1")
        return during

    def edges(self, png, g):
        """Colours of the bottom border and the right border half-way."""
        return (pixel(png, g["X"] + g["WIDTH"] // 2, g["Y"] + g["HEIGHT"] - 2),
                pixel(png, g["X"] + g["WIDTH"] - 2, g["Y"] + g["HEIGHT"] // 2))

    def corner(self, png, g):
        """The window's top-right pixel: the skin cuts it out of the region."""
        return pixel(png, g["X"] + g["WIDTH"] - 1, g["Y"])

    def test_border_drag_resizes_and_the_frame_follows(self):
        g = geometry(self.window)
        before = self.shot("gallery-before.png")
        edges = self.edges(before, g)
        self.assertEqual(self.corner(before, g), (0, 0, 0), "the skin's corner is not cut out")

        # Grow by the bottom-right corner. While the button is held the window
        # has its new size and whole frame; the corner the region cuts out
        # afterwards is filled in, never the skin's key colour.
        png, during = self.drag(g["WIDTH"] - 2, g["HEIGHT"] - 2, 80, 60, "gallery-dragging.png")
        self.assertEqual((during["WIDTH"], during["HEIGHT"]), (g["WIDTH"] + 80, g["HEIGHT"] + 60))
        self.assertEqual(self.edges(png, during), edges, "the frame did not follow the drag")
        self.assertNotIn(self.corner(png, during), [(255, 0, 255), (0, 0, 0)])
        grown = self.wait_for(lambda n: n["WIDTH"] == g["WIDTH"] + 80)
        self.assertEqual((grown["WIDTH"], grown["HEIGHT"]), (g["WIDTH"] + 80, g["HEIGHT"] + 60))
        png = self.shot("gallery-grown.png")
        crop(png, (grown["X"], grown["Y"], grown["WIDTH"], grown["HEIGHT"]),
             os.path.join(self.shots, "gallery-yellow-grown.png"))
        self.assertEqual(self.edges(png, grown), edges, "the frame did not follow")
        self.assertEqual(self.corner(png, grown), (0, 0, 0), "the region did not follow")

        # Shrink well below the first size: the old frame leaves nothing.
        self.drag(grown["WIDTH"] - 2, grown["HEIGHT"] - 2, -160, -120)
        small = self.wait_for(lambda n: n["WIDTH"] == grown["WIDTH"] - 160)
        self.assertEqual((small["WIDTH"], small["HEIGHT"]),
                         (grown["WIDTH"] - 160, grown["HEIGHT"] - 120))
        png = self.shot("gallery-shrunk.png")
        self.assertEqual(self.edges(png, small), edges)
        self.assertEqual(self.corner(png, small), (0, 0, 0), "the region did not follow")
        # Just inside the new bottom edge and the new corner: the skin's
        # bottom border, not what was there before.
        row = self.frame.bottom - 2
        bottom = self.frame.row_colours("bottom", row)
        for x in (small["X"] + small["WIDTH"] // 3, small["X"] + small["WIDTH"] - 3):
            self.assertIn(pixel(png, x, small["Y"] + small["HEIGHT"] - 2), bottom,
                          "the new bottom edge is not the skin's at x=%d" % x)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
