#!/usr/bin/env python3
"""The gallery's drop-down combo under Wine, driven as a user would: its
skinned arrow opens the list (six rows and a scrollbar), the keyboard
picks the last item, and the
combo then holds that item's text (read back through the clipboard).
Screenshots of the page and of the open list are kept."""
import subprocess
import time
import unittest

from e2e_support import ProgramTest, SkinFrame, crop, geometry, run

# Client coordinates of the page control's third tab (输入) and, on that
# page, of the drop-down combo (page origin (424, 31) in the client area).
INPUT_TAB = (420 + 136, 8 + 10)
PAGE = (424, 31)
COMBO = (104, 6, 124, 22)
LAST_ITEM = "最后一项"
ITEMS = 12


class GalleryComboTest(ProgramTest):
    program_variable = "VELMORA_GALLERY"
    window_title = "皮肤样例"

    def setUp(self):
        super().setUp()
        self.window = self.program_window()
        self.frame = SkinFrame("yellow")
        time.sleep(1.0)

    def click(self, x, y):
        """A click at a client point."""
        run("xdotool", "mousemove", "--window", self.window, str(x + self.frame.left),
            str(y + self.frame.top), "click", "1")
        time.sleep(0.8)

    def page_shot(self, name):
        png = self.shot(name + "-screen.png")
        g = geometry(self.window)
        crop(png, (g["X"] + self.frame.left + 420, g["Y"] + self.frame.top + 8, 380, 150),
             self.shots + "/" + name + ".png")
        return png

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


if __name__ == "__main__":
    unittest.main()
