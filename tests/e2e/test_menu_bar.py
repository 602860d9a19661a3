#!/usr/bin/env python3
"""The gallery's skinned menu bar under Wine, in the yellow and the blue
skin: Alt with a menu's letter opens its drop-down, Left and Right walk
along the bar (wrapping at its ends), Right on an item with a submenu opens
the submenu instead, and moving the pointer onto another bar item switches
the drop-down. Screenshots are kept."""
import sys
import time
import unittest

from e2e_support import (GALLERY_CLIENT_H, GALLERY_CLIENT_W, GalleryProgramTest, SkinFrame,
                         geometry, run, visible_windows)

CLIENT_W, CLIENT_H = GALLERY_CLIENT_W, GALLERY_CLIENT_H


class MenuBarTest(GalleryProgramTest):

    def open_menus(self):
        return {w for w in visible_windows() - self.base
                if run("xdotool", "getwindowname", w).strip() == "" and
                geometry(w)["HEIGHT"] >= 30}

    def wait_menus(self, count, timeout=4.0):
        """The open menus once there are `count` of them, left to right."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            menus = self.open_menus()
            if len(menus) == count:
                time.sleep(0.3)
                return sorted(self.open_menus(), key=lambda w: geometry(w)["X"])
            time.sleep(0.1)
        self.fail("expected %d open menus, found %d" % (count, len(self.open_menus())))

    def drop_down_x(self):
        (menu,) = self.wait_menus(1)
        return geometry(menu)["X"]

    def key(self, *keys):
        run("xdotool", "key", *keys)
        time.sleep(0.4)

    def walk(self, skin):
        run("xdotool", "mousemove", "--window", self.window, "300", "8", "click", "1")
        time.sleep(0.5)
        self.key("alt+f")
        file_x = self.drop_down_x()
        self.shot("%s-bar-file.png" % skin)
        self.key("Right")
        skin_x = self.drop_down_x()
        self.assertGreater(skin_x, file_x, "Right did not move to the next menu")
        self.key("Right")
        self.assertEqual(self.drop_down_x(), file_x, "Right on the last menu did not wrap")
        self.key("Left")
        self.assertEqual(self.drop_down_x(), skin_x, "Left on the first menu did not wrap")
        self.key("Escape")
        self.wait_menus(0)

        # Right on 最近的文件 (the fourth item, after a separator) opens its
        # submenu and stays on the bar's first menu.
        self.key("alt+f")
        self.drop_down_x()
        self.key("Down", "Down")
        self.key("Right")
        menus = self.wait_menus(2)
        self.assertEqual(geometry(menus[0])["X"], file_x, "Right left the menu with a submenu")
        self.shot("%s-bar-submenu.png" % skin)
        self.key("Escape", "Escape")
        self.wait_menus(0)

        # The pointer moved from one bar item to the other switches menus.
        g = geometry(self.window)
        bar_y = str(self.bar_y)
        run("xdotool", "mousemove", str(file_x + 12), bar_y, "click", "1")
        self.assertEqual(self.drop_down_x(), file_x, "a click on 文件 opened no menu")
        run("xdotool", "mousemove", str(skin_x + 12), bar_y)
        time.sleep(0.6)
        self.assertEqual(self.drop_down_x(), skin_x, "the pointer on 皮肤 did not switch menus")
        self.shot("%s-bar-switched.png" % skin)
        self.key("Escape")
        self.wait_menus(0)

    def test_the_bar_is_walked_with_keys_and_mouse_in_both_skins(self):
        self.window = self.program_window()
        time.sleep(2.0)
        self.base = visible_windows()
        g = geometry(self.window)
        self.shot("yellow-gallery-bar.png", self.window)
        self.bar_y = None
        # The bar lies right below the caption: its drop-downs open below it.
        run("xdotool", "mousemove", "--window", self.window, "300", "8", "click", "1")
        self.key("alt+f")
        (menu,) = self.wait_menus(1)
        self.bar_y = geometry(menu)["Y"] - 8
        # The client area kept its size: the window grew by the bar, which
        # ends where the drop-down begins.
        frame = SkinFrame("yellow")
        bar = geometry(menu)["Y"] - (g["Y"] + frame.top)
        self.assertGreater(bar, 10)
        self.assertEqual((g["WIDTH"], g["HEIGHT"]),
                         (CLIENT_W + frame.left + frame.right,
                          CLIENT_H + frame.top + frame.bottom + bar))
        self.key("Escape")
        self.wait_menus(0)
        self.walk("yellow")
        self.key("alt+b")
        time.sleep(2.0)
        self.shot("blue-gallery-bar.png", self.window)
        self.walk("blue")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
