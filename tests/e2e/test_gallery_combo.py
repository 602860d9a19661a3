#!/usr/bin/env python3
"""The gallery's drop-down combo under Wine, driven as a user would: its
skinned arrow opens the list (six rows and a skinned scrollbar), the
keyboard picks the last item, and the combo then holds that item's text
(read back through the clipboard); the list's skinned thumb dragged to the
bottom shows the last item, which a click picks. Screenshots of the page
and of the open list are kept."""
import subprocess
import time
import unittest

from e2e_support import GALLERY_CLIENT_H, GalleryProgramTest, SkinFrame, crop, geometry, run

# Client coordinates of the page control's third tab (输入) and, on that
# page, of the drop-down combo (page origin (424, 31) in the client area).
INPUT_TAB = (420 + 136, 8 + 10)
PAGE = (424, 31)
COMBO = (104, 6, 124, 22)
LAST_ITEM = "最后一项"
# The gallery's client height: the client area starts this far above the
# bottom border, below the caption and the menu bar.
CLIENT_H = GALLERY_CLIENT_H
ITEMS = 12


class GalleryComboTest(GalleryProgramTest):

    def setUp(self):
        super().setUp()
        self.window = self.program_window()
        self.frame = SkinFrame("yellow")
        time.sleep(1.0)
        self.client_top = geometry(self.window)["HEIGHT"] - self.frame.bottom - CLIENT_H

    def click(self, x, y):
        """A click at a client point."""
        run("xdotool", "mousemove", "--window", self.window, str(x + self.frame.left),
            str(y + self.client_top), "click", "1")
        time.sleep(0.8)

    def page_shot(self, name):
        png = self.shot(name + "-screen.png")
        g = geometry(self.window)
        crop(png, (g["X"] + self.frame.left + 420, g["Y"] + self.client_top + 8, 380, 150),
             self.shots + "/" + name + ".png")
        return png

    def column(self, png, x, top, height):
        """The (r, g, b) pixels of one screen column."""
        data = subprocess.run(["convert", png, "-crop", "1x%d+%d+%d" % (height, x, top), "+repage",
                               "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
        return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]

    def clipboard(self):
        out = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                             timeout=10)
        return out.stdout.decode("utf-8", "replace")

    def test_the_last_item_picked_from_the_open_list_is_the_combos_text(self):
        self.click(*INPUT_TAB)
        self.page_shot("gallery-input-page")
        x, y, w, h = COMBO
        self.click(PAGE[0] + x + w - 8, PAGE[1] + y + h // 2)
        self.page_shot("gallery-combo-open")
        # Down past the end stays on the last item.
        run("xdotool", "key", "--delay", "80", *["Down"] * (ITEMS + 2))
        time.sleep(0.4)
        self.page_shot("gallery-combo-last")
        run("xdotool", "key", "Return")
        time.sleep(0.8)
        self.page_shot("gallery-combo-picked")
        run("xdotool", "key", "ctrl+a", "ctrl+c")
        time.sleep(0.8)
        self.assertEqual(self.clipboard(), LAST_ITEM)

    def test_dragging_the_lists_thumb_to_the_bottom_reaches_the_last_item(self):
        self.click(*INPUT_TAB)
        x, y, w, h = COMBO
        self.click(PAGE[0] + x + w - 8, PAGE[1] + y + h // 2)
        g = geometry(self.window)
        # The list opens under the combo, as wide as it, with a one-pixel
        # border; its bar is 16 wide with 16-pixel arrows.
        left = g["X"] + self.frame.left + PAGE[0] + x
        top = g["Y"] + self.client_top + PAGE[1] + y + h
        bar_x = left + w - 1 - 8
        open_png = self.page_shot("gallery-combo-bar")
        # The list's bottom border: the first pixel down the bar's column
        # that is the border's colour again.
        column = self.column(open_png, left + 1, top + 1, 200)
        border = self.column(open_png, left, top + 5, 1)[0]
        bottom = top + 1 + next(i for i, c in enumerate(column) if i > 10 and c == border)
        thumb = self.column(open_png, bar_x, top + 1 + 16 + 4, 1)[0]
        track = self.column(open_png, bar_x, bottom - 16 - 3, 1)[0]
        self.assertNotEqual(thumb, track, "no skinned thumb at the top of the list's bar")

        run("xdotool", "mousemove", str(bar_x), str(top + 1 + 16 + 4))
        run("xdotool", "mousedown", "1")
        for dy in range(0, 200, 20):
            run("xdotool", "mousemove", str(bar_x), str(top + 1 + 16 + 4 + dy))
            time.sleep(0.05)
        run("xdotool", "mouseup", "1")
        time.sleep(0.8)
        dragged_png = self.page_shot("gallery-combo-dragged")
        self.assertNotEqual(self.column(dragged_png, bar_x, bottom - 16 - 3, 1)[0], track,
                            "the skinned thumb is not at the bottom of the list's bar")
        # The last row is the last item: a click there picks it.
        run("xdotool", "mousemove", str(left + 30), str(bottom - 8), "click", "1")
        time.sleep(0.8)
        run("xdotool", "key", "ctrl+a", "ctrl+c")
        time.sleep(0.8)
        self.assertEqual(self.clipboard(), LAST_ITEM)


if __name__ == "__main__":
    unittest.main()
